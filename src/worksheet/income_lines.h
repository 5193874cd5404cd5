#pragma once
// Lines 1 to 3, the same on every worksheet: each parent's gross income, pre-existing support
// and responsibility for other children, the adjusted incomes and each parent's share.

#include "worksheet/worksheet_result.h"

namespace qvr {

// Below this adjusted income an obligor pays the minimum order; up to this gross income the
// credit for other children is the fixed amount.
constexpr double kMinimumOrderIncome = 1150;
// The minimum order and the fixed credit for other children.
constexpr double kMinimumOrder = 50;

// Line 1 of both parents from the record (pinc, ppre, presp, poc and the same with d).
void ReadIncomes(const CaseRecord& record, WorksheetResult& result);

// The schedule amount for an income and a number of children, kept as the lookup variables.
double Lookup(WorksheetResult& result, Schedule& schedule, double income, double children);

// Line 4, the basic obligation that the schedule gives for an income and a number of children,
// looked up as Lookup does. When the schedule cannot be read, or does not reach the income, it
// gives none: 0, with result.Line4Coverage saying why and the warning line telling it (an
// unreadable schedule always, an income the schedule does not reach when warnings are shown).
double LookupBasicObligation(WorksheetResult& result, Schedule& schedule, double income, double children,
                             const WorksheetSettings& settings);

// Line 1b of one parent ('P' or 'D') when it has other children: the credit follows from its
// gross income (none for 0 or below, the fixed credit up to kMinimumOrderIncome, else the
// schedule amount for its number of other children).
void CreditOtherChildren(WorksheetResult& result, QChar parent, Schedule& schedule);

// Lines 2 and 3: the shares are rounded to two decimals, 0 unless the combined income is above 0.
void ComputeIncomeShares(WorksheetResult& result);

// The captions of lines 1 to 3, the counts of other children among them.
void WriteIncomeCaptions(WorksheetResult& result);

}  // namespace qvr
