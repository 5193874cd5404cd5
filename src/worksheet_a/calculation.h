#pragma once
// The sole-custody worksheet (AOC-CV-627) computed from one case record: lines 1 to 9, the
// minimum order, the shaded area, the override, and every caption, visibility and check-box
// value that the worksheet window shows. The calculation itself needs no window and no
// database: it takes the record's columns, the run settings and the schedule.

#include "core/calculation_variables.h"
#include "dialogs/schedule_lookup.h"

#include <QString>
#include <array>
#include <map>
#include <optional>

namespace qvr {

// Column names compare without regard to letter case, as the database's field names do.
struct ColumnNameLess {
    bool operator()(const QString& a, const QString& b) const {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    }
};
// One case record: column name -> text (a Null reads as the empty text).
using CaseRecord = std::map<QString, QString, ColumnNameLess>;

// The run-wide settings the calculation reads.
struct WorksheetASettings {
    QString ShowWarnings;  // "Y": warnings shown
    QString ShowZeros;     // "N": zero amounts blanked
    QString RoundLinesA;   // "Y": lines 7 to 9 rounded to whole dollars
    std::array<double, 6> ShadedAreaLimits{};  // for one to six children
};
WorksheetASettings WorksheetASettingsFromState();

// The calculation variables it sets, and what the window shows.
struct WorksheetAResult : CalculationVariables {
    QString OverrideFlag;
    double OverrideAmount = 0;

    // What the window shows, keyed by the control's objectName.
    std::map<QString, QString> captions;  // labels and the override button
    std::map<QString, bool> visible;      // lblWarning, lblOverrideWarning
    std::array<int, 4> checkBoxes{};      // Check1 … Check4: 0 clear, 1 ticked, 2 greyed
};

// Whether an obligor's adjusted income lies in the shaded area for that number of children:
// at or below the bound for one to six children; never for any other count.
bool CheckShadedArea(double income, double children, const std::array<double, 6>& limits);

WorksheetAResult CalculateWorksheetA(const CaseRecord& record, const WorksheetASettings& settings,
                                     Schedule& schedule);

// Copies the result's calculation variables into the program-wide state.
void SetCalculationVariables(const WorksheetAResult& result);

// Every column of the current case record (OpenCasesTable, FindCurrentCase, read, close);
// nullopt when the cases table cannot be opened or holds no current case.
std::optional<CaseRecord> ReadCurrentCaseRecord();

// The whole calculation of the current case as the window runs it: the record, the schedule
// database at `state.ScheduleDatabasePath` (no rows when unreadable), the settings of the run;
// sets the program-wide calculation variables. nullopt when there is no current case record.
std::optional<WorksheetAResult> CalculateCurrentCase();

}  // namespace qvr
