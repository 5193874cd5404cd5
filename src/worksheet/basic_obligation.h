#pragma once
// Line 4 of the worksheets that know neither a minimum order nor a shaded area (shared and split
// custody).

#include "worksheet/worksheet_result.h"

namespace qvr {

// The override amount while the override is on; otherwise the schedule amount for the combined
// income (line 2) and the worksheet's number of children, 0 when the combined income is not
// above 0 or there is no child; an amount the schedule cannot give is told as
// LookupBasicObligation tells it.
void ComputeBasicObligation(WorksheetResult& result, Schedule& schedule, double children,
                            const WorksheetSettings& settings);

}  // namespace qvr
