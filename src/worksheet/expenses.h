#pragma once
// The expenses each parent pays directly, alike on every worksheet: work-related child care,
// health insurance and extraordinary expenses. The record keeps them in padja … dadjc, the
// calculation in PLine5a … PLine5c and DLine5a … DLine5c, the window in lblPAdja … lblDAdjc,
// whatever line numbers the worksheet's form gives them.

#include "worksheet/worksheet_result.h"

namespace qvr {

void ReadExpenses(const CaseRecord& record, WorksheetResult& result);
void WriteExpenseCaptions(WorksheetResult& result);

}  // namespace qvr
