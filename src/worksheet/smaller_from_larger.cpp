#include "worksheet/smaller_from_larger.h"

#include "worksheet/captions.h"

namespace qvr {

RecommendedOrder SubtractSmallerFromLarger(double plaintiff, double defendant) {
    if (plaintiff > defendant) return {"P", plaintiff - defendant};
    if (defendant > plaintiff) return {"D", defendant - plaintiff};
    return {};
}

void WriteOrderCaptions(WorksheetResult& r, const RecommendedOrder& order, const QString& line) {
    const QString amount = AmountCaption(order.amount);
    r.captions["lblP" + line] = order.obligor == "P" ? amount : QString();
    r.captions["lblD" + line] = order.obligor == "D" ? amount : QString();
}

}  // namespace qvr
