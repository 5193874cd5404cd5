#pragma once
// The adjustments of the worksheets on which each parent bears a fair share of the expenses that
// both pay directly (shared and split custody): each parent's work-related child care, health
// insurance and extraordinary expenses, their totals, each parent's fair share of the combined
// total by its share of the income (line 3), and what each paid beyond its fair share.

#include "worksheet/worksheet_result.h"

namespace qvr {

struct FairShareAdjustments {
    double PTotal = 0, DTotal = 0, CTotal = 0;
    double PFairShare = 0, DFairShare = 0;
    double PExcess = 0, DExcess = 0;  // the total less the fair share, never below 0
};

// The expenses from the record (padja … dadjc) into the slots the expense editors start from
// (PLine5a … PLine5c, DLine5a … DLine5c).
void ReadExpenses(const CaseRecord& record, WorksheetResult& result);

// From the expenses and the shares of line 3, as they stand (not rounded).
FairShareAdjustments ComputeFairShareAdjustments(const WorksheetResult& result);

// The captions of the expense cells (lblPAdja … lblDAdjc) and of the three lines after them,
// named by the worksheet's line numbers: a total line "7d" writes lblP7d, lblD7d and lblC7d, a
// fair-share line "8" lblP8 and lblD8, an excess line "9" lblP9 and lblD9.
void WriteFairShareCaptions(WorksheetResult& result, const FairShareAdjustments& adjustments,
                            const QString& totalLine, const QString& fairShareLine, const QString& excessLine);

}  // namespace qvr
