#pragma once
// The adjustments of the worksheets on which each parent bears a fair share of the expenses that
// both pay directly (shared and split custody): each parent's total of its expenses, each
// parent's fair share of the combined total by its share of the income (line 3), and what each
// paid beyond its fair share.

#include "worksheet/worksheet_result.h"

namespace qvr {

struct FairShareAdjustments {
    double PTotal = 0, DTotal = 0, CTotal = 0;
    double PFairShare = 0, DFairShare = 0;
    double PExcess = 0, DExcess = 0;  // the total less the fair share, never below 0
};

// From the expenses and the shares of line 3, as they stand (not rounded).
FairShareAdjustments ComputeFairShareAdjustments(const WorksheetResult& result);

// The captions of the expense cells and of the three lines after them, named by the worksheet's
// number of its adjustments line: for 7, the totals of line 7d (lblP7d, lblD7d, lblC7d), the fair
// shares of line 8 (lblP8, lblD8) and the excess of line 9 (lblP9, lblD9), as the form's
// FairShareLines(7) places them.
void WriteFairShareCaptions(WorksheetResult& result, const FairShareAdjustments& adjustments, int adjustmentsLine);

}  // namespace qvr
