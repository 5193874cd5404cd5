#include "worksheet/fair_share_adjustments.h"

#include "worksheet/captions.h"

#include <algorithm>

namespace qvr {

void ReadExpenses(const CaseRecord& record, WorksheetResult& r) {
    ReadNumbers(record, {{"padja", &r.PLine5a}, {"padjb", &r.PLine5b}, {"padjc", &r.PLine5c},
                         {"dadja", &r.DLine5a}, {"dadjb", &r.DLine5b}, {"dadjc", &r.DLine5c}});
}

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

void WriteFairShareCaptions(WorksheetResult& r, const FairShareAdjustments& a, const QString& totalLine,
                            const QString& fairShareLine, const QString& excessLine) {
    auto& c = r.captions;
    c["lblPAdja"] = AmountCaption(r.PLine5a);
    c["lblPAdjb"] = AmountCaption(r.PLine5b);
    c["lblPAdjc"] = AmountCaption(r.PLine5c);
    c["lblDAdja"] = AmountCaption(r.DLine5a);
    c["lblDAdjb"] = AmountCaption(r.DLine5b);
    c["lblDAdjc"] = AmountCaption(r.DLine5c);
    c["lblP" + totalLine] = AmountCaption(a.PTotal);
    c["lblD" + totalLine] = AmountCaption(a.DTotal);
    c["lblC" + totalLine] = AmountCaption(a.CTotal);
    c["lblP" + fairShareLine] = AmountCaption(a.PFairShare);
    c["lblD" + fairShareLine] = AmountCaption(a.DFairShare);
    c["lblP" + excessLine] = AmountCaption(a.PExcess);
    c["lblD" + excessLine] = AmountCaption(a.DExcess);
}

}  // namespace qvr
