#pragma once
// The recommended order of the worksheets on which each parent owes support to the other (shared
// and split custody): after the expense lines, numbered N, the fair shares of the adjustments
// (lines Nd, N+1 and N+2), each parent's adjusted support obligation (N+3), and the smaller
// obligation subtracted from the larger and written under the larger, whose parent pays it (N+4).

#include "worksheet/fair_share_adjustments.h"

namespace qvr {

struct RecommendedOrder {
    QString obligor;  // "P" or "D"; empty when the two obligations are equal and neither pays
    double amount = 0;
};

// Either obligation may be below 0: a parent owed more than it owes enlarges the other's order.
// Obligations that show the same amount to the cent leave no order and no obligor.
RecommendedOrder SubtractSmallerFromLarger(double plaintiff, double defendant);

struct AdjustedOrder {
    FairShareAdjustments adjustments;
    double PAdjusted = 0, DAdjusted = 0;  // the obligation less what was paid beyond the fair share
    RecommendedOrder order;
};

// From each parent's support obligation to the other before the adjustments; the adjusted
// obligations to whole dollars, half to even, when `roundLines`. The payer becomes the result's
// Obligor. Without a basic obligation from the schedule (result.Line4Coverage) there is no order.
AdjustedOrder ComputeAdjustedOrder(WorksheetResult& result, double plaintiffObligation,
                                   double defendantObligation, bool roundLines);

// No order and no obligor: the worksheet's figures cannot support one.
void WithholdOrder(WorksheetResult& result, AdjustedOrder& lines);

// The captions of the expense cells and of lines Nd to N+4 for the adjustments line N; the
// order's amount under the obligor, the other cell empty, both empty when neither pays.
void WriteAdjustedOrderCaptions(WorksheetResult& result, const AdjustedOrder& lines, int adjustmentsLine);

}  // namespace qvr
