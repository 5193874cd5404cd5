#include "worksheet/worksheet_result.h"

#include "core/program_state.h"
#include "core/values.h"
#include "worksheet/captions.h"
#include "worksheet/expenses.h"
#include "worksheet/income_lines.h"

namespace qvr {
namespace {

struct TextCell {
    const char* column;
    const char* label;
};
const TextCell kTextCells[] = {
    {"courtfile", "lblCourtFile"},   {"ivdfile", "lblIVDFile"}, {"casecode", "lblCaseCode"},
    {"uresa", "lblUresa"},           {"county", "lblCounty"},   {"name1name", "lblName1Name"},
    {"name2name", "lblName2Name"},   {"datesigned", "lblDateSigned"},
    {"preparedby", "lblPreparedBy"},
};

// A stored check-box state; anything but 0, 1 or 2 leaves the box clear.
int CheckBoxValue(const QString& text) {
    const double value = Round(Val(text));
    return value == 1 || value == 2 ? static_cast<int>(value) : 0;
}

void ReadCheckBoxes(const CaseRecord& record, WorksheetResult& r) {
    for (int n = 0; n < 4; ++n) r.checkBoxes[n] = CheckBoxValue(ColumnText(record, "chkbox" + QString::number(n + 1)));
}

void CopyTextCells(const CaseRecord& record, WorksheetResult& r) {
    for (const TextCell& cell : kTextCells) r.captions[cell.label] = ColumnText(record, cell.column);
}

void ReadChildren(const CaseRecord& record, WorksheetResult& r) {
    r.NumChildren = 0;
    for (int n = 1; n <= 6; ++n) {
        const QString child = "child" + QString::number(n);
        const QString name = ColumnText(record, child + "name");
        r.captions["lblChild" + QString::number(n) + "Name"] = TrimBlanks(name);
        r.captions["lblChild" + QString::number(n) + "DOB"] =
            name.isEmpty() ? QString() : ColumnText(record, child + "DOB");
        if (!TrimBlanks(name).isEmpty()) ++r.NumChildren;
    }
}

void ReadOverride(const CaseRecord& record, WorksheetResult& r) {
    const QString override = ColumnText(record, "override");
    const bool on = override == "Y";
    r.OverrideFlag = on || override == "N" ? override : "N";
    r.captions["cmdOverrideSupport"] = on ? "CANCEL OVERRIDE" : "Click HERE to Override";
    r.visible["lblOverrideWarning"] = on;
    r.OverrideAmount = ColumnNumber(record, "overamt");
}

}  // namespace

WorksheetSettings WorksheetSettingsFromState(const QString& roundLines) {
    return {state.ShowWarnings,
            state.ShowZeros,
            roundLines,
            {state.ShadedAreaLimit1, state.ShadedAreaLimit2, state.ShadedAreaLimit3, state.ShadedAreaLimit4,
             state.ShadedAreaLimit5, state.ShadedAreaLimit6}};
}

void ReadHeading(const CaseRecord& record, WorksheetResult& result) {
    ReadCheckBoxes(record, result);
    CopyTextCells(record, result);
    ReadChildren(record, result);
    ReadOverride(record, result);
    HideWarning(result);
}

void ReadRecordLines(const CaseRecord& record, WorksheetResult& result) {
    result.MinimumOrder = "N";
    result.ShadedAreaFlag = "N";
    ReadHeading(record, result);
    ReadIncomes(record, result);
    ReadExpenses(record, result);
}

void FinishCaptions(WorksheetResult& result, const WorksheetSettings& settings, const CourtFormLayout& form) {
    WriteIncomeCaptions(result);
    if (settings.ShowZeros == "N") BlankZeroFigures(result, form);
}

void ShowWarning(WorksheetResult& result, const QString& text) {
    result.captions["lblWarning"] = text;
    result.visible["lblWarning"] = true;
}

void HideWarning(WorksheetResult& result) {
    result.captions["lblWarning"] = "";
    result.visible["lblWarning"] = false;
}

void SetCalculationVariables(const WorksheetResult& result) {
    static_cast<CalculationVariables&>(state) = result;
    state.OverrideAmount = Str(result.OverrideAmount);
}

std::optional<WorksheetResult> CalculateCurrentCase(const WorksheetCalculation& calculate,
                                                    QString ProgramState::*roundLines) {
    const std::optional<CaseRecord> record = ReadCurrentCaseRecord();
    if (!record) return std::nullopt;
    Schedule schedule = Schedule::FromDatabase(state.ScheduleDatabasePath);
    WorksheetResult result = calculate(*record, WorksheetSettingsFromState(state.*roundLines), schedule);
    SetCalculationVariables(result);
    return result;
}

}  // namespace qvr
