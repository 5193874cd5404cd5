#pragma once
// What a worksheet's calculation gives its window, and the parts of it that every worksheet
// reads from the case record alike: check boxes, case texts, children and the override. A
// worksheet's own calculation (CalculateWorksheetA, …) fills the rest from the same record.

#include "core/calculation_variables.h"
#include "core/program_state.h"
#include "dialogs/schedule_lookup.h"
#include "worksheet/case_record.h"
#include "worksheet/court_form_layout.h"

#include <QString>
#include <array>
#include <functional>
#include <map>
#include <optional>

namespace qvr {

// The run-wide settings a calculation reads.
struct WorksheetSettings {
    QString ShowWarnings;  // "Y": warnings shown
    QString ShowZeros;     // "N": zero amounts blanked
    QString RoundLines;    // "Y": the worksheet's rounding is on (RoundLinesA, RoundLinesB, RoundLinesC)
    std::array<double, 6> ShadedAreaLimits{};  // for one to six children
};
WorksheetSettings WorksheetSettingsFromState(const QString& roundLines);

// The calculation variables a worksheet sets, and what its window shows.
struct WorksheetResult : CalculationVariables {
    double OverrideAmount = 0;

    // What the window shows, keyed by the control's objectName.
    std::map<QString, QString> captions;  // labels and the override button
    std::map<QString, bool> visible;      // lblWarning, lblOverrideWarning
    std::array<int, 4> checkBoxes{};      // Check1 … Check4: 0 clear, 1 ticked, 2 greyed
};

// The check boxes, the case texts of the heading and foot, the children (and NumChildren), the
// override with its button caption and notice, and the warning hidden.
void ReadHeading(const CaseRecord& record, WorksheetResult& result);

// What every worksheet reads alike before its own lines: the heading (ReadHeading), line 1 of both
// parents and their expenses; neither a minimum order nor the shaded area yet.
void ReadRecordLines(const CaseRecord& record, WorksheetResult& result);
// What every worksheet shows alike once its own lines' captions are written: the captions of
// lines 1 to 3 and, while zeros are hidden, every zero figure of its form blanked.
void FinishCaptions(WorksheetResult& result, const WorksheetSettings& settings, const CourtFormLayout& form);

void ShowWarning(WorksheetResult& result, const QString& text);
void HideWarning(WorksheetResult& result);

// Copies the result's calculation variables into the program-wide state.
void SetCalculationVariables(const WorksheetResult& result);

using WorksheetCalculation =
    std::function<WorksheetResult(const CaseRecord& record, const WorksheetSettings& settings, Schedule& schedule)>;

// A worksheet's calculation of the current case as its window runs it: the record, the schedule
// database at `state.ScheduleDatabasePath` (no rows when unreadable), the settings of the run with
// the worksheet's rounding flag (RoundLinesA, …); sets the program-wide calculation variables.
// nullopt when there is no current case record.
std::optional<WorksheetResult> CalculateCurrentCase(const WorksheetCalculation& calculate,
                                                    QString ProgramState::*roundLines);

}  // namespace qvr
