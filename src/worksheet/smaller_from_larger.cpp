#include "worksheet/smaller_from_larger.h"

#include "core/values.h"
#include "worksheet/captions.h"

namespace qvr {

RecommendedOrder SubtractSmallerFromLarger(double plaintiff, double defendant) {
    const double difference = plaintiff - defendant;
    if (Round(difference, 2) > 0) return {"P", difference};
    if (Round(difference, 2) < 0) return {"D", -difference};
    return {};
}

AdjustedOrder ComputeAdjustedOrder(WorksheetResult& result, double plaintiffObligation,
                                   double defendantObligation, bool roundLines) {
    AdjustedOrder lines;
    lines.adjustments = ComputeFairShareAdjustments(result);
    lines.PAdjusted = plaintiffObligation - lines.adjustments.PExcess;
    lines.DAdjusted = defendantObligation - lines.adjustments.DExcess;
    if (roundLines) {
        lines.PAdjusted = Round(lines.PAdjusted);
        lines.DAdjusted = Round(lines.DAdjusted);
    }
    lines.order = SubtractSmallerFromLarger(lines.PAdjusted, lines.DAdjusted);
    result.Obligor = lines.order.obligor;
    if (result.Line4Coverage != ScheduleCoverage::Covered) WithholdOrder(result, lines);
    return lines;
}

void WithholdOrder(WorksheetResult& result, AdjustedOrder& lines) {
    lines.order = {};
    result.Obligor.clear();
}

void WriteAdjustedOrderCaptions(WorksheetResult& result, const AdjustedOrder& lines, int adjustmentsLine) {
    WriteFairShareCaptions(result, lines.adjustments, adjustmentsLine);
    WritePartyCaptions(result, QString::number(adjustmentsLine + 3), AmountCaption, lines.PAdjusted, lines.DAdjusted);
    const QString amount = AmountCaption(lines.order.amount);
    const QString orderLine = QString::number(adjustmentsLine + 4);
    result.captions["lblP" + orderLine] = lines.order.obligor == "P" ? amount : QString();
    result.captions["lblD" + orderLine] = lines.order.obligor == "D" ? amount : QString();
}

}  // namespace qvr
