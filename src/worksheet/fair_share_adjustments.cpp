#include "worksheet/fair_share_adjustments.h"

#include "worksheet/captions.h"
#include "worksheet/expenses.h"

#include <algorithm>

namespace qvr {

FairShareAdjustments ComputeFairShareAdjustments(const WorksheetResult& r) {
    FairShareAdjustments a;
    a.PTotal = r.PLine5a + r.PLine5b + r.PLine5c;
    a.DTotal = r.DLine5a + r.DLine5b + r.DLine5c;
    a.CTotal = a.PTotal + a.DTotal;
    a.PFairShare = a.CTotal * r.PLine3 / 100;
    a.DFairShare = a.CTotal * r.DLine3 / 100;
    a.PExcess = std::max(0.0, a.PTotal - a.PFairShare);
    a.DExcess = std::max(0.0, a.DTotal - a.DFairShare);
    return a;
}

void WriteFairShareCaptions(WorksheetResult& r, const FairShareAdjustments& a, int adjustmentsLine) {
    const QString total = QString::number(adjustmentsLine) + "d";
    const QString fairShare = QString::number(adjustmentsLine + 1);
    const QString excess = QString::number(adjustmentsLine + 2);
    WriteExpenseCaptions(r);
    WritePartyCaptions(r, total, AmountCaption, a.PTotal, a.DTotal);
    r.captions["lblC" + total] = AmountCaption(a.CTotal);
    WritePartyCaptions(r, fairShare, AmountCaption, a.PFairShare, a.DFairShare);
    WritePartyCaptions(r, excess, AmountCaption, a.PExcess, a.DExcess);
}

}  // namespace qvr
