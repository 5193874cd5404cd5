#pragma once
// The recommended order of the worksheets on which each parent owes support to the other (shared
// and split custody): the smaller obligation subtracted from the larger and written under the
// larger, whose parent pays it.

#include "worksheet/worksheet_result.h"

namespace qvr {

struct RecommendedOrder {
    QString obligor;  // "P" or "D"; empty when the two obligations are equal and neither pays
    double amount = 0;
};

// Either obligation may be below 0: a parent owed more than it owes enlarges the other's order.
RecommendedOrder SubtractSmallerFromLarger(double plaintiff, double defendant);

// The amount under the obligor (lblP<line> or lblD<line>), the other cell empty; both empty when
// neither pays.
void WriteOrderCaptions(WorksheetResult& result, const RecommendedOrder& order, const QString& line);

}  // namespace qvr
