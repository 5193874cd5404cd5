#include "worksheet_b/calculation.h"

#include "core/program_state.h"
#include "core/values.h"
#include "worksheet/captions.h"
#include "worksheet/income_lines.h"
#include "worksheet_b/court_form_b.h"

namespace qvr {

namespace {

constexpr double kSharedCustodyMultiplier = 1.5;

WorksheetResultB& RunResult() {
    static WorksheetResultB result;
    return result;
}

// A child counts when its stored name is not exactly empty, as in the overnights dialog, so that
// the worksheet's totals agree with the dialog's.
void ReadOvernights(const CaseRecord& record, WorksheetResultB& r) {
    r.NumChildren = 0;
    r.PLine7 = r.DLine7 = 0;
    for (int n = 1; n <= 6; ++n) {
        const QString child = "child" + QString::number(n);
        if (ColumnText(record, child + "name").isEmpty()) continue;
        const double nights = ColumnNumber(record, child + "nights");
        r.ChildNights[n - 1] = nights;
        ++r.NumChildren;
        r.PLine7 += nights;
        r.DLine7 += kNightsInYear - nights;
    }
    r.CLine7 = kNightsInYear * r.NumChildren;
}

void ReadAdjustments(const CaseRecord& record, WorksheetResultB& r) {
    ReadNumbers(record, {{"padja", &r.PLine5a}, {"padjb", &r.PLine5b}, {"padjc", &r.PLine5c},
                         {"dadja", &r.DLine5a}, {"dadjb", &r.DLine5b}, {"dadjc", &r.DLine5c}});
}

bool AnyChildShared(const WorksheetResultB& r) {
    for (const std::optional<double>& nights : r.ChildNights)
        if (nights && *nights >= kSharedCustodyNights && kNightsInYear - *nights >= kSharedCustodyNights) return true;
    return false;
}

void ComputeBasicObligation(WorksheetResultB& r, Schedule& schedule) {
    if (r.OverrideFlag == "Y")
        r.CLine4 = r.OverrideAmount;
    else
        r.CLine4 = r.CLine2 > 0 ? Lookup(r, schedule, r.CLine2, r.NumChildren) : 0;
    r.CLine5 = r.CLine4 * kSharedCustodyMultiplier;
    r.PLine6 = r.CLine5 * r.PLine3 / 100;
    r.DLine6 = r.CLine5 * r.DLine3 / 100;
}

// Each parent owes its portion for the share of the nights the children spend with the other.
void ComputeTimeWithOtherParent(WorksheetResultB& r) {
    r.PLine8 = r.CLine7 > 0 ? Round(r.PLine7 / r.CLine7 * 100, 2) : 0;
    r.DLine8 = r.CLine7 > 0 ? Round(r.DLine7 / r.CLine7 * 100, 2) : 0;
    r.PLine9 = r.PLine6 * r.DLine8 / 100;
    r.DLine9 = r.DLine6 * r.PLine8 / 100;
}

void ComputeAdjustments(WorksheetResultB& r) {
    r.PLine5d = r.PLine5a + r.PLine5b + r.PLine5c;
    r.DLine5d = r.DLine5a + r.DLine5b + r.DLine5c;
    r.CLine10d = r.PLine5d + r.DLine5d;
    r.PLine11 = r.CLine10d * r.PLine3 / 100;
    r.DLine11 = r.CLine10d * r.DLine3 / 100;
    r.PLine12 = std::max(0.0, r.PLine5d - r.PLine11);
    r.DLine12 = std::max(0.0, r.DLine5d - r.DLine11);
    r.PLine13 = r.PLine9 - r.PLine12;
    r.DLine13 = r.DLine9 - r.DLine12;
}

// The lesser line 13 from the greater, under the greater; that parent pays. Line 13s that show
// the same amount leave no order and no obligor.
void ComputeOrder(WorksheetResultB& r, bool roundLines) {
    if (roundLines) {
        r.PLine13 = Round(r.PLine13);
        r.DLine13 = Round(r.DLine13);
    }
    const double difference = r.PLine13 - r.DLine13;
    r.PLine14 = r.DLine14 = 0;
    r.Obligor.clear();
    if (Round(difference, 2) > 0) {
        r.PLine14 = difference;
        r.Obligor = "P";
    } else if (Round(difference, 2) < 0) {
        r.DLine14 = -difference;
        r.Obligor = "D";
    }
}

QString NightsCaption(double nights) { return Format(nights, "##0"); }

QString OrderCaption(const WorksheetResultB& r, const char* party) {
    return r.Obligor == party ? AmountCaption(party[0] == 'P' ? r.PLine14 : r.DLine14) : QString();
}

void WriteLineCaptions(WorksheetResultB& r) {
    auto& c = r.captions;
    for (const auto& [label, amount] :
         {std::pair{"lblC4", r.CLine4}, {"lblC5", r.CLine5}, {"lblP6", r.PLine6}, {"lblD6", r.DLine6},
          {"lblP9", r.PLine9}, {"lblD9", r.DLine9}, {"lblPAdja", r.PLine5a}, {"lblPAdjb", r.PLine5b},
          {"lblPAdjc", r.PLine5c}, {"lblP10d", r.PLine5d}, {"lblDAdja", r.DLine5a}, {"lblDAdjb", r.DLine5b},
          {"lblDAdjc", r.DLine5c}, {"lblD10d", r.DLine5d}, {"lblC10d", r.CLine10d}, {"lblP11", r.PLine11},
          {"lblD11", r.DLine11}, {"lblP12", r.PLine12}, {"lblD12", r.DLine12}, {"lblP13", r.PLine13},
          {"lblD13", r.DLine13}})
        c[label] = AmountCaption(amount);
    c["lblP7"] = NightsCaption(r.PLine7);
    c["lblD7"] = NightsCaption(r.DLine7);
    c["lblTotalOvernights"] = NightsCaption(r.CLine7);
    c["lblP8"] = ShareCaption(r.PLine8);
    c["lblD8"] = ShareCaption(r.DLine8);
    c["lblP14"] = OrderCaption(r, "P");
    c["lblD14"] = OrderCaption(r, "D");
}

}  // namespace

WorksheetResultB CalculateWorksheetB(const CaseRecord& record, const WorksheetSettings& settings, Schedule& schedule) {
    WorksheetResultB r;
    r.ShadedAreaFlag = "N";
    r.MinimumOrder = "N";
    ReadHeading(record, r);
    ReadOvernights(record, r);
    ReadIncomes(record, r);
    ReadAdjustments(record, r);

    ComputeIncomeShares(r);
    ComputeBasicObligation(r, schedule);
    ComputeTimeWithOtherParent(r);
    ComputeAdjustments(r);
    ComputeOrder(r, settings.RoundLines == "Y");
    if (settings.ShowWarnings == "Y" && !AnyChildShared(r))
        ShowWarning(r, "WARNING: NO CHILD SPENDS AT LEAST 123 OVERNIGHTS WITH EACH PARENT");

    WriteIncomeCaptions(r);
    WriteLineCaptions(r);
    if (settings.ShowZeros == "N") BlankZeroFigures(r, CourtFormB());
    return r;
}

WorksheetResult CalculateWorksheetBForRun(const CaseRecord& record, Schedule& schedule) {
    RunResult() = CalculateWorksheetB(record, WorksheetSettingsFromState(state.RoundLinesB), schedule);
    return RunResult();
}

const WorksheetResultB& LastWorksheetB() { return RunResult(); }

}  // namespace qvr
