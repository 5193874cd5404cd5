#include "worksheet/income_lines.h"

#include "core/values.h"
#include "worksheet/captions.h"

namespace qvr {
namespace {

// Whether the schedule gave the amount asked of it; nothing is asked for no income or no child.
ScheduleCoverage CoverageOf(Schedule& schedule, double income, double children, double amount) {
    if (children <= 0 || income <= 0 || amount != 0) return ScheduleCoverage::Covered;
    if (!schedule.Row(0)) return ScheduleCoverage::Unreadable;
    return WalkSchedule(schedule, income, children).Amount ? ScheduleCoverage::Covered : ScheduleCoverage::NotCovered;
}

}  // namespace

void ReadIncomes(const CaseRecord& record, WorksheetResult& r) {
    ReadNumbers(record, {{"pinc", &r.PInc}, {"ppre", &r.PPre}, {"presp", &r.PResp}, {"poc", &r.POC},
                         {"dinc", &r.DInc}, {"dpre", &r.DPre}, {"dresp", &r.DResp}, {"doc", &r.DOC}});
}

double Lookup(WorksheetResult& r, Schedule& schedule, double income, double children) {
    r.LookupIncome = income;
    r.LookupChildren = children;
    r.LookupResult = ScheduleAmount(schedule, income, children);
    return r.LookupResult;
}

double LookupBasicObligation(WorksheetResult& r, Schedule& schedule, double income, double children,
                             const WorksheetSettings& settings) {
    const double amount = Lookup(r, schedule, income, children);
    r.Line4Coverage = CoverageOf(schedule, income, children, amount);
    if (r.Line4Coverage == ScheduleCoverage::Unreadable)
        ShowWarning(r, "WARNING: THE SCHEDULE CANNOT BE READ");
    else if (r.Line4Coverage == ScheduleCoverage::NotCovered && settings.ShowWarnings == "Y")
        ShowWarning(r, "WARNING: THE SCHEDULE DOES NOT COVER THIS INCOME");
    return amount;
}

void CreditOtherChildren(WorksheetResult& r, QChar parent, Schedule& schedule) {
    const bool plaintiff = parent == 'P';
    const double otherChildren = plaintiff ? r.POC : r.DOC;
    if (!(otherChildren > 0)) return;
    const double income = plaintiff ? r.PInc : r.DInc;
    double& credit = plaintiff ? r.PResp : r.DResp;
    if (income > kMinimumOrderIncome)
        credit = Lookup(r, schedule, income, otherChildren);
    else
        credit = income > 0 ? kMinimumOrder : 0;
}

void ComputeIncomeShares(WorksheetResult& r) {
    r.PLine2 = r.PInc - r.PPre - r.PResp;
    r.DLine2 = r.DInc - r.DPre - r.DResp;
    r.CLine2 = r.PLine2 + r.DLine2;
    r.PLine3 = r.CLine2 > 0 ? Round(r.PLine2 / r.CLine2 * 100, 2) : 0;
    r.DLine3 = r.CLine2 > 0 ? Round(r.DLine2 / r.CLine2 * 100, 2) : 0;
}

void WriteIncomeCaptions(WorksheetResult& r) {
    auto& c = r.captions;
    for (const auto& [label, amount] : {std::pair{"lblPInc", r.PInc}, {"lblPPre", r.PPre}, {"lblP2", r.PLine2},
                                        {"lblDInc", r.DInc}, {"lblDPre", r.DPre}, {"lblD2", r.DLine2},
                                        {"lblC2", r.CLine2}})
        c[label] = AmountCaption(amount);
    c["lblPResp"] = CreditCaption(r.PResp);
    c["lblDResp"] = CreditCaption(r.DResp);
    c["lblPOC"] = CountCaption(r.POC);
    c["lblDOC"] = CountCaption(r.DOC);
    c["lblP3"] = ShareCaption(r.PLine3);
    c["lblD3"] = ShareCaption(r.DLine3);
}

}  // namespace qvr
