#include "core/startup.h"

#include "core/cases_database.h"
#include "core/database_backups.h"
#include "core/names_database.h"
#include "core/program_state.h"
#include "core/settings_database.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/program_end.h"
#include "schedule/schedule_table.h"

namespace qvr {
namespace {

void UpdateDatabase(const DatabaseFile& database, void (*update)()) {
    const bool wasMissing = !files::FileExists(database.file);
    update();
    CheckDatabaseFile(database, wasMissing);
}

}  // namespace

void StartUp() {
    SetStartValues();
    UpdateMainDatabase();
    ReadMainRecord();
    SetDatabasePaths();
    CheckSchedule();
    if (ProgramEndRequested()) return;
    SetShadedAreaLimits();
}

void SetDatabasePaths() {
    state.NamesDatabasePath = state.FilesLocation + "\\Names.mdb";
    UpdateDatabase(NamesDatabaseFile(), UpdateNamesDatabase);
    state.CasesDatabasePath = state.FilesLocation + "\\" + state.CasesFileName;
    UpdateDatabase(CasesDatabaseFile(), UpdateCasesDatabase);
}

// A schedule that cannot be read, or holds no amounts the lookups can use, counts as a missing
// one; one that another workstation holds is only busy, and nothing of it is touched.
void CheckSchedule() {
    Fault fault = Fault::None;
    if (IsWholeSchedule(state.ScheduleDatabasePath, &fault)) return;
    if (fault == Fault::Busy) {
        MsgBox(QString("The 'Schedule of Basic Child Support Obligation' %1 is being used by another workstation, so "
                       "it could not be checked.  Nothing has been changed.  If the worksheets cannot read it, quit "
                       "and start the program again in a moment.")
                   .arg(state.ScheduleDatabasePath),
               MessageButtons::OkOnly, "Schedule in Use");
        return;
    }
    const QString spare = state.StartDrive + "\\QVRForms\\Table23.mdb";
    if (IsWholeSchedule(spare)) {
        Database::CopyDatabase(spare, state.ScheduleDatabasePath);
        return;
    }
    MsgBox("The 'Schedule of Basic Child Support Obligation' seems to be missing!  Reinstall this software "
           "package, or contact Quorvane for help.",
           MessageButtons::OkOnly, "Missing Schedule");
    EndProgramNow();
}

void SetShadedAreaLimits() {
    state.ShadedAreaLimit1 = 1500;
    state.ShadedAreaLimit2 = 1850;
    state.ShadedAreaLimit3 = 2200;
    state.ShadedAreaLimit4 = 2400;
    state.ShadedAreaLimit5 = 2700;
    state.ShadedAreaLimit6 = 3000;
}

}  // namespace qvr
