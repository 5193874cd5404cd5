#include "worksheet_b/calculation.h"

#include "core/values.h"
#include "worksheet/basic_obligation.h"
#include "worksheet/captions.h"
#include "worksheet/income_lines.h"
#include "worksheet_b/court_form_b.h"

#include <cmath>

namespace qvr {

namespace {

constexpr double kSharedCustodyMultiplier = 1.5;

const char kNightsWarning[] = "WARNING: A CHILD'S OVERNIGHTS ARE NOT A WHOLE NUMBER FROM 0 TO 365";
const char kNotSharedWarning[] = "WARNING: NO CHILD SPENDS AT LEAST 123 OVERNIGHTS WITH EACH PARENT";

// A child counts when its stored name is more than blanks, as in every children dialog, so that
// the worksheet's totals agree with the dialog's.
void ReadOvernights(const CaseRecord& record, WorksheetResultB& r) {
    r.NumChildren = 0;
    r.PLine7 = r.DLine7 = 0;
    for (int n = 1; n <= 6; ++n) {
        const QString child = "child" + QString::number(n);
        if (TrimBlanks(ColumnText(record, child + "name")).isEmpty()) continue;
        const double nights = ColumnNumber(record, child + "nights");
        r.ChildNightsWithPlaintiff[size_t(n - 1)] = nights;
        ++r.NumChildren;
        r.PLine7 += nights;
        r.DLine7 += kNightsInYear - nights;
    }
    r.CLine7 = kNightsInYear * r.NumChildren;
}

void ComputePortions(WorksheetResultB& r) {
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

void WriteLineCaptions(WorksheetResultB& r) {
    r.captions["lblC4"] = AmountCaption(r.CLine4);
    r.captions["lblC5"] = AmountCaption(r.CLine5);
    r.captions["lblTotalOvernights"] = WholeCaption(r.CLine7);
    WritePartyCaptions(r, "6", AmountCaption, r.PLine6, r.DLine6);
    WritePartyCaptions(r, "7", WholeCaption, r.PLine7, r.DLine7);
    WritePartyCaptions(r, "8", ShareCaption, r.PLine8, r.DLine8);
    WritePartyCaptions(r, "9", AmountCaption, r.PLine9, r.DLine9);
    WriteAdjustedOrderCaptions(r, r.adjusted, 10);
}

// Overnights stored by an older program or typed on another workstation may be any number.
bool AllNightsOfAYear(const CalculationVariables& r) {
    for (const std::optional<double>& nights : r.ChildNightsWithPlaintiff)
        if (nights && !IsNightsOfAYear(*nights)) return false;
    return true;
}

}  // namespace

bool AnyChildShared(const CalculationVariables& r) {
    for (const std::optional<double>& nights : r.ChildNightsWithPlaintiff)
        if (nights && *nights >= kSharedCustodyNights && kNightsInYear - *nights >= kSharedCustodyNights) return true;
    return false;
}

bool IsNightsOfAYear(double nights) {
    return nights >= 0 && nights <= kNightsInYear && nights == std::floor(nights);
}

WorksheetResultB CalculateWorksheetB(const CaseRecord& record, const WorksheetSettings& settings, Schedule& schedule) {
    WorksheetResultB r;
    ReadRecordLines(record, r);
    ReadOvernights(record, r);

    ComputeIncomeShares(r);
    ComputeBasicObligation(r, schedule, r.NumChildren, settings);
    ComputePortions(r);
    ComputeTimeWithOtherParent(r);
    r.adjusted = ComputeAdjustedOrder(r, r.PLine9, r.DLine9, settings.RoundLines == "Y");
    const bool nightsOfAYear = AllNightsOfAYear(r);
    if (!nightsOfAYear) WithholdOrder(r, r.adjusted);
    // A schedule that gave no line 4 makes every later line moot: its warning stays.
    if (settings.ShowWarnings == "Y" && r.Line4Coverage == ScheduleCoverage::Covered) {
        if (!nightsOfAYear)
            ShowWarning(r, kNightsWarning);
        else if (!AnyChildShared(r))
            ShowWarning(r, kNotSharedWarning);
    }

    WriteLineCaptions(r);
    FinishCaptions(r, settings, CourtFormB());
    return r;
}

}  // namespace qvr
