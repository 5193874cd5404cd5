#include "worksheet_a/calculation.h"

#include "core/values.h"
#include "worksheet/captions.h"
#include "worksheet/expenses.h"
#include "worksheet/income_lines.h"
#include "worksheet_a/court_form_a.h"

namespace qvr {

namespace {

using Line = double WorksheetResult::*;

bool ObligorIsPlaintiff(const WorksheetResult& r) { return r.Obligor == "P"; }

// The obligor's value of a line that both parties have.
double& ObligorLine(WorksheetResult& r, Line plaintiff, Line defendant) {
    return r.*(ObligorIsPlaintiff(r) ? plaintiff : defendant);
}

void ReadCustody(const CaseRecord& record, WorksheetResult& r) {
    const bool plaintiffHasCustody = PlaintiffHasCustody(ColumnText(record, "whosecustody"));
    r.Obligor = plaintiffHasCustody ? "D" : "P";
    r.captions["lblWhoHasCustody"] = plaintiffHasCustody
                                         ? "PLAINTIFF HAS CUSTODY\r\nAND DEFENDANT IS THE OBLIGOR"
                                         : "DEFENDANT HAS CUSTODY\r\nAND PLAINTIFF IS THE OBLIGOR";
    r.captions["lblPStatus"] = plaintiffHasCustody ? "CUSTODIAL PARENT" : "OBLIGOR";
    r.captions["lblDStatus"] = plaintiffHasCustody ? "OBLIGOR" : "CUSTODIAL PARENT";
}

void ApplyMinimumOrder(WorksheetResult& r, const WorksheetSettings& settings) {
    r.MinimumOrder = "Y";
    r.CLine4 = kMinimumOrder;
    r.CLine6 = kMinimumOrder;
    r.PLine5a = r.PLine5b = r.PLine5c = 0;
    r.DLine5a = r.DLine5b = r.DLine5c = 0;
    r.PLine7 = r.DLine7 = 0;
    r.PLine8 = r.DLine8 = 0;
    ObligorLine(r, &WorksheetResult::PLine9, &WorksheetResult::DLine9) = kMinimumOrder;
    if (settings.ShowWarnings == "Y") {
        ShowWarning(r, ObligorIsPlaintiff(r) ? "WARNING: PLAINTIFF'S ADJUSTED INCOME IS BELOW $1,108"
                                             : "WARNING: DEFENDANT'S ADJUSTED INCOME IS BELOW $1,108");
    }
}

void TestShadedArea(WorksheetResult& r, const WorksheetSettings& settings) {
    r.LookupIncome = ObligorLine(r, &WorksheetResult::PLine2, &WorksheetResult::DLine2);
    r.LookupChildren = r.NumChildren;
    const bool shaded = CheckShadedArea(r.LookupIncome, r.LookupChildren, settings.ShadedAreaLimits);
    r.ShadedAreaFlag = shaded ? "Y" : "N";
    if (shaded) {
        r.Line4Income = r.LookupIncome;
        if (settings.ShowWarnings == "Y") ShowWarning(r, "WARNING:  OBLIGOR'S INCOME FALLS WITHIN THE SHADED AREA");
    } else {
        HideWarning(r);
        r.Line4Income = r.CLine2;
    }
}

void ComputeLine4(WorksheetResult& r, Schedule& schedule, const WorksheetSettings& settings) {
    if (r.OverrideFlag == "Y") {
        r.CLine4 = r.OverrideAmount;
        return;
    }
    r.CLine4 = 0;
    if (r.CLine2 > 0) r.CLine4 = LookupBasicObligation(r, schedule, r.Line4Income, r.LookupChildren, settings);
}

void ComputeShadedAreaLines(WorksheetResult& r) {
    r.PLine5a = r.PLine5b = r.PLine5c = 0;
    r.DLine5a = r.DLine5b = r.DLine5c = 0;
    r.CLine6 = r.CLine4;
    r.PLine7 = r.DLine7 = 0;
    r.PLine8 = r.DLine8 = 0;
    r.PLine9 = r.DLine9 = 0;
    ObligorLine(r, &WorksheetResult::PLine9, &WorksheetResult::DLine9) = r.CLine4;
}

void ComputeOrdinaryLines(WorksheetResult& r) {
    r.PLine5d = r.PLine5a + r.PLine5b + r.PLine5c;
    r.DLine5d = r.DLine5a + r.DLine5b + r.DLine5c;
    r.CLine6 = r.CLine4 + r.PLine5d + r.DLine5d;
    r.PLine7 = r.CLine6 * (r.PLine3 / 100);
    r.DLine7 = r.CLine6 * (r.DLine3 / 100);
    if (ObligorIsPlaintiff(r)) {
        r.PLine8 = r.PLine5d;
        r.PLine9 = r.PLine7 - r.PLine8;
    } else {
        r.DLine8 = r.DLine5d;
        r.DLine9 = r.DLine7 - r.DLine8;
    }
}

void RoundLines7To9(WorksheetResult& r) {
    for (Line line : {&WorksheetResult::PLine7, &WorksheetResult::PLine8, &WorksheetResult::PLine9,
                      &WorksheetResult::DLine7, &WorksheetResult::DLine8, &WorksheetResult::DLine9}) {
        r.*line = Round(r.*line);
    }
}

void WriteLineCaptions(WorksheetResult& r) {
    auto& c = r.captions;
    const bool plaintiffPays = ObligorIsPlaintiff(r);
    const double plaintiffAdjustments = r.PLine5a + r.PLine5b + r.PLine5c;
    const double defendantAdjustments = r.DLine5a + r.DLine5b + r.DLine5c;
    const double obligorLine9 = plaintiffPays ? r.PLine9 : r.DLine9;
    const QString line8 = AmountCaption(plaintiffPays ? r.PLine8 : r.DLine8);
    // Without a basic obligation from the schedule there is no order, whatever the expenses give.
    const bool ordered = obligorLine9 > 0 && r.Line4Coverage == ScheduleCoverage::Covered;
    const QString line9 = ordered ? AmountCaption(obligorLine9) : QString();

    c["lblC4"] = AmountCaption(r.CLine4);
    WriteExpenseCaptions(r);
    c["lblP5d"] = AmountCaption(plaintiffAdjustments);
    c["lblD5d"] = AmountCaption(defendantAdjustments);
    c["lblC5d"] = AmountCaption(plaintiffAdjustments + defendantAdjustments);
    c["lblC6"] = AmountCaption(r.CLine6);
    c["lblP7"] = AmountCaption(r.PLine7);
    c["lblD7"] = AmountCaption(r.DLine7);
    c["lblP8"] = plaintiffPays ? line8 : QString();
    c["lblD8"] = plaintiffPays ? QString() : line8;
    c["lblP9"] = plaintiffPays ? line9 : QString();
    c["lblD9"] = plaintiffPays ? QString() : line9;
}

}  // namespace

bool PlaintiffHasCustody(const QString& whosecustody) { return whosecustody == "P" || whosecustody.isEmpty(); }

bool CheckShadedArea(double income, double children, const std::array<double, 6>& limits) {
    for (int n = 1; n <= 6; ++n) {
        if (children == n) return income <= limits[n - 1];
    }
    return false;
}

WorksheetResult CalculateWorksheetA(const CaseRecord& record, const WorksheetSettings& settings, Schedule& schedule) {
    WorksheetResult r;
    ReadRecordLines(record, r);
    ReadCustody(record, r);

    CreditOtherChildren(r, r.Obligor[0], schedule);
    ComputeIncomeShares(r);
    if (ObligorLine(r, &WorksheetResult::PLine2, &WorksheetResult::DLine2) < kMinimumOrderIncome) {
        ApplyMinimumOrder(r, settings);
    } else {
        TestShadedArea(r, settings);
        ComputeLine4(r, schedule, settings);
        if (r.ShadedAreaFlag == "Y")
            ComputeShadedAreaLines(r);
        else
            ComputeOrdinaryLines(r);
        if (settings.RoundLines == "Y") RoundLines7To9(r);
    }

    WriteLineCaptions(r);
    FinishCaptions(r, settings, CourtFormA());
    return r;
}

}  // namespace qvr
