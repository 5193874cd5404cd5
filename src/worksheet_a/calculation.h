#pragma once
// The sole-custody worksheet (AOC-CV-627) computed from one case record: lines 1 to 9, the
// minimum order, the shaded area, the override, and every caption, visibility and check-box
// value that the worksheet window shows. The calculation itself needs no window and no
// database: it takes the record's columns, the run settings and the schedule.

#include "worksheet/worksheet_result.h"

#include <array>

namespace qvr {

// Whether the stored custody (`whosecustody`) is the plaintiff's: "P", and an empty custody too.
bool PlaintiffHasCustody(const QString& whosecustody);

// Whether an obligor's adjusted income lies in the shaded area for that number of children:
// at or below the bound for one to six children; never for any other count.
bool CheckShadedArea(double income, double children, const std::array<double, 6>& limits);

WorksheetResult CalculateWorksheetA(const CaseRecord& record, const WorksheetSettings& settings, Schedule& schedule);

}  // namespace qvr
