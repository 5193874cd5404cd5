#include "core/startup.h"

#include "core/cases_database.h"
#include "core/database_backups.h"
#include "core/names_database.h"
#include "core/program_state.h"
#include "core/settings_database.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/program_end.h"

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

// A schedule that cannot be read counts as a missing one.
void CheckSchedule() {
    if (Database::IsSound(state.ScheduleDatabasePath)) return;
    const QString spare = state.StartDrive + "\\QVRForms\\Table23.mdb";
    if (Database::IsSound(spare)) {
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
