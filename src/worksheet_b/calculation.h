#pragma once
// The shared-custody worksheet (AOC-CV-628) computed from one case record: lines 1 to 14, the
// override of line 4, the overnights warning, and every caption and check-box value that the
// worksheet window shows. Needs no window and no database: it takes the record's columns, the
// run settings and the schedule.

#include "worksheet/smaller_from_larger.h"
#include "worksheet/worksheet_result.h"

namespace qvr {

// The lines of worksheet B that the shared calculation variables have no slot for. Lines 1 to 4
// and 7 to 9 of the plaintiff and defendant stand in the shared slots of the same names
// (PLine7 is the plaintiff's overnights, PLine8 its share of them, PLine9 its obligation for the
// time with the other parent); the expenses of lines 10a to 10c stand in the expense slots
// PLine5a to PLine5c and DLine5a to DLine5c, as on every worksheet.
struct SharedCustodyLines {
    double CLine5 = 0;                // line 4 times 1.5
    double PLine6 = 0, DLine6 = 0;    // each parent's portion of line 5
    double CLine7 = 0;                // 365 nights for each counted child
    AdjustedOrder adjusted;           // lines 10d to 14
};

struct WorksheetResultB : WorksheetResult, SharedCustodyLines {};

// Fewer nights than this with either parent is no shared custody.
constexpr double kSharedCustodyNights = 123;
constexpr double kNightsInYear = 365;

// Whether a counted child spends at least kSharedCustodyNights with each parent: else worksheet B
// does not apply.
bool AnyChildShared(const CalculationVariables& r);

// Whether a child's overnights with the plaintiff are whole nights of one year, 0 to 365. Any
// other stored value leaves the worksheet without an order.
bool IsNightsOfAYear(double nights);

WorksheetResultB CalculateWorksheetB(const CaseRecord& record, const WorksheetSettings& settings, Schedule& schedule);

}  // namespace qvr
