#include "worksheet_c/calculation_c.h"

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

void WriteLineCaptions(WorksheetCResult& r) {
    const SplitCustodyLines& c = r.lines;
    r.captions["lblC4"] = AmountCaption(r.CLine4);
    r.captions["lblC5a"] = WholeCaption(c.CLine5a);
    WritePartyCaptions(r, "5a", WholeCaption, c.PLine5a, c.DLine5a);
    WritePartyCaptions(r, "5b", ShareCaption, c.PLine5b, c.DLine5b);
    WritePartyCaptions(r, "5c", AmountCaption, c.PLine5c, c.DLine5c);
    r.captions["lblP6a"] = AmountCaption(c.PLine6a);
    r.captions["lblD6b"] = AmountCaption(c.DLine6b);
    WriteAdjustedOrderCaptions(r, c.adjusted, 7);
}

}  // namespace

WorksheetCResult CalculateWorksheetC(const CaseRecord& record, const WorksheetSettings& settings, Schedule& schedule) {
    WorksheetCResult r;
    ReadRecordLines(record, r);
    ReadHouseholds(record, r);

    ComputeIncomeShares(r);
    ComputeBasicObligation(r, schedule, r.lines.CLine5a, settings);
    DivideBasicObligation(r);
    r.lines.adjusted = ComputeAdjustedOrder(r, r.lines.PLine6a, r.lines.DLine6b, settings.RoundLines == "Y");

    WriteLineCaptions(r);
    // A schedule that gave no line 4 makes every later line moot: its warning stays.
    if (settings.ShowWarnings == "Y" && r.Line4Coverage == ScheduleCoverage::Covered &&
        (r.lines.PLine5a == 0 || r.lines.DLine5a == 0))
        ShowWarning(r, kNoSplitWarning);
    FinishCaptions(r, settings, CourtFormC());
    return r;
}

}  // namespace qvr
