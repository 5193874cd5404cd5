#include "worksheet_c/calculation_c.h"

#include "core/program_state.h"
#include "core/values.h"
#include "worksheet/basic_obligation.h"
#include "worksheet/captions.h"
#include "worksheet/income_lines.h"
#include "worksheet_c/court_form_c.h"

namespace qvr {
namespace {

const char kNoSplitWarning[] = "WARNING: SPLIT CUSTODY NEEDS CHILDREN LIVING WITH EACH PARENT";

// The children counted are the named ones (blanks alone are no name); a child lives with the
// defendant when its custody is exactly "D", with the plaintiff otherwise.
void ReadHouseholds(const CaseRecord& record, WorksheetCResult& r) {
    SplitCustodyLines& c = r.lines;
    for (int n = 1; n <= 6; ++n) {
        const QString child = "child" + QString::number(n);
        QString& household = r.ChildHousehold[size_t(n - 1)];
        household.clear();
        if (TrimBlanks(ColumnText(record, child + "name")).isEmpty()) continue;
        household = ColumnText(record, child + "cust") == "D" ? "D" : "P";
        ++(household == "D" ? c.DLine5a : c.PLine5a);
    }
    c.CLine5a = c.PLine5a + c.DLine5a;
}

void DivideBasicObligation(WorksheetCResult& r) {
    SplitCustodyLines& c = r.lines;
    c.PLine5b = c.CLine5a > 0 ? Round(c.PLine5a / c.CLine5a * 100, 2) : 0;
    c.DLine5b = c.CLine5a > 0 ? Round(c.DLine5a / c.CLine5a * 100, 2) : 0;
    c.PLine5c = r.CLine4 * c.PLine5b / 100;
    c.DLine5c = r.CLine4 * c.DLine5b / 100;
    c.PLine6a = c.DLine5c * r.PLine3 / 100;
    c.DLine6b = c.PLine5c * r.DLine3 / 100;
}

void ComputeOrder(WorksheetCResult& r, const WorksheetSettings& settings) {
    SplitCustodyLines& c = r.lines;
    c.adjustments = ComputeFairShareAdjustments(r);
    c.PLine10 = c.PLine6a - c.adjustments.PExcess;
    c.DLine10 = c.DLine6b - c.adjustments.DExcess;
    if (settings.RoundLines == "Y") {
        c.PLine10 = Round(c.PLine10);
        c.DLine10 = Round(c.DLine10);
    }
    c.line11 = SubtractSmallerFromLarger(c.PLine10, c.DLine10);
    r.Obligor = c.line11.obligor;
}

void WriteLineCaptions(WorksheetCResult& r) {
    const SplitCustodyLines& c = r.lines;
    auto& captions = r.captions;
    captions["lblC4"] = AmountCaption(r.CLine4);
    captions["lblP5a"] = WholeCaption(c.PLine5a);
    captions["lblD5a"] = WholeCaption(c.DLine5a);
    captions["lblC5a"] = WholeCaption(c.CLine5a);
    captions["lblP5b"] = ShareCaption(c.PLine5b);
    captions["lblD5b"] = ShareCaption(c.DLine5b);
    captions["lblP5c"] = AmountCaption(c.PLine5c);
    captions["lblD5c"] = AmountCaption(c.DLine5c);
    captions["lblP6a"] = AmountCaption(c.PLine6a);
    captions["lblD6b"] = AmountCaption(c.DLine6b);
    WriteFairShareCaptions(r, c.adjustments, "7d", "8", "9");
    captions["lblP10"] = AmountCaption(c.PLine10);
    captions["lblD10"] = AmountCaption(c.DLine10);
    WriteOrderCaptions(r, c.line11, "11");
}

}  // namespace

WorksheetCResult CalculateWorksheetC(const CaseRecord& record, const WorksheetSettings& settings, Schedule& schedule) {
    WorksheetCResult r;
    r.MinimumOrder = "N";
    r.ShadedAreaFlag = "N";
    ReadHeading(record, r);
    ReadHouseholds(record, r);
    ReadIncomes(record, r);
    ReadExpenses(record, r);

    ComputeIncomeShares(r);
    ComputeBasicObligation(r, schedule, r.lines.CLine5a);
    DivideBasicObligation(r);
    ComputeOrder(r, settings);
    if (settings.ShowWarnings == "Y" && (r.lines.PLine5a == 0 || r.lines.DLine5a == 0))
        ShowWarning(r, kNoSplitWarning);

    WriteIncomeCaptions(r);
    WriteLineCaptions(r);
    if (settings.ShowZeros == "N") BlankZeroFigures(r, CourtFormC());
    return r;
}

WorksheetResult CalculateWorksheetCForRun(const CaseRecord& record, Schedule& schedule) {
    return CalculateWorksheetC(record, WorksheetSettingsFromState(state.RoundLinesC), schedule);
}

}  // namespace qvr
