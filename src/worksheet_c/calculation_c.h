#pragma once
// The split-custody worksheet (AOC-CV-629) computed from one case record: each parent's household
// of children, the basic obligation divided between the households, each parent's support for
// the children living with the other, the adjustments, and the recommended order, with every
// caption and check-box value that the worksheet window shows. Needs no window and no database.

#include "worksheet/smaller_from_larger.h"
#include "worksheet/worksheet_result.h"

namespace qvr {

// Worksheet C's own lines. Lines 1 to 4 and the expenses of 7a to 7c stand in the shared
// calculation variables (the expenses in PLine5a … DLine5c, as on every worksheet).
struct SplitCustodyLines {
    double PLine5a = 0, DLine5a = 0, CLine5a = 0;  // children living with each parent; all counted
    double PLine5b = 0, DLine5b = 0;               // each household's percentage of the children
    double PLine5c = 0, DLine5c = 0;               // each household's part of line 4
    double PLine6a = 0;  // the plaintiff's support for the children living with the defendant
    double DLine6b = 0;  // the defendant's support for the children living with the plaintiff
    AdjustedOrder adjusted;                        // lines 7d to 11
};

struct WorksheetCResult : WorksheetResult {
    SplitCustodyLines lines;
};

WorksheetCResult CalculateWorksheetC(const CaseRecord& record, const WorksheetSettings& settings, Schedule& schedule);

}  // namespace qvr
