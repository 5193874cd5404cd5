#include "core/settings_database.h"

#include "core/program_state.h"
#include "platform/files.h"
#include "platform/messages.h"

namespace qvr {
namespace {

constexpr int kOptionalFields = 9;

QString OptField(int n) { return QString("optfield%1").arg(n); }

QString DefaultFilesLocation() { return state.StartDrive + "\\QVRForms"; }

QString DamagedSettingsText(const QString& setAsideAs) {
    const QString what = setAsideAs.isEmpty()
                             ? QString("For this run the data folder is %1.").arg(DefaultFilesLocation())
                             : QString("It has been kept as %1, and new settings have been made: the data folder "
                                       "is %2.")
                                   .arg(setAsideAs, DefaultFilesLocation());
    return QString("The settings file %1 could not be read.  %2  If your cases and names are kept in another "
                   "folder, choose it again under \"Location\".")
        .arg(state.MainDatabasePath, what);
}

void ReportSettingsBusy() {
    MsgBox(QString("The settings file %1 is being used by another program, so it could not be read.  Nothing has "
                   "been changed; for this run the data folder is %2.  Please quit and start the program again in a "
                   "moment.")
               .arg(state.MainDatabasePath, DefaultFilesLocation()),
           MessageButtons::OkOnly, "Settings in Use");
}

// Settings that cannot be read are kept under another name, so that nothing is lost, and fresh
// ones at the defaults take their place. Settings that are only busy stay as they are.
void SetAsideUnreadableSettings() {
    const QString& path = state.MainDatabasePath;
    if (!files::FileExists(path) && !files::FolderExists(path)) return;
    Fault fault = Fault::None;
    if (Database::IsSound(path, &fault)) return;
    if (fault == Fault::Busy) return ReportSettingsBusy();
    const QString setAsideAs = path.chopped(4) + "_Damaged.MDB";
    const bool setAside = files::RenameFile(path, setAsideAs);
    MsgBox(DamagedSettingsText(setAside ? setAsideAs : QString()), MessageButtons::OkOnly, "Damaged Settings");
}

QStringList UpgradeStatements() {
    QStringList statements{"ALTER TABLE Main ADD COLUMN fileslocation TEXT(200);",
                           "ALTER TABLE Main ADD COLUMN categoryfilename TEXT(20);"};
    for (int n = 1; n <= kOptionalFields; ++n)
        statements << QString("ALTER TABLE Main ADD COLUMN %1 TEXT;").arg(OptField(n));
    return statements;
}

void CreateMainDatabase() {
    state.MainDatabase = Database::CreateDatabase(state.MainDatabasePath);
    if (!state.MainDatabase) return;
    state.MainDatabase->CreateTable("Main", "fileslocation", 200);
    state.MainDatabase->Close();
}

// Opens the database and table Main into the program-wide handles; false when either fails.
bool OpenMainTable() {
    state.MainRecordset.reset();
    state.MainDatabase = Database::OpenDatabase(state.MainDatabasePath);
    if (!state.MainDatabase) return false;
    state.MainRecordset = state.MainDatabase->OpenRecordset("Main");
    return state.MainRecordset != nullptr;
}

void AddFirstRecord() {
    state.FilesLocation = DefaultFilesLocation();
    Recordset& main = *state.MainRecordset;
    main.AddNew();
    main.SetValue("fileslocation", state.FilesLocation);
    for (int n = 1; n <= kOptionalFields; ++n) main.SetValue(OptField(n), QString(""));
    main.Update();
}

void ReadFirstRecord() {
    Recordset& main = *state.MainRecordset;
    main.MoveFirst();
    // A Null folder leaves FilesLocation as it was, as an unreadable record does.
    if (const Value folder = main.GetValue("fileslocation")) state.FilesLocation = *folder;
    main.Edit();
    for (int n = 1; n <= kOptionalFields; ++n) {
        bool readable = false;
        if (!main.GetValue(OptField(n), &readable) && readable) main.SetValue(OptField(n), QString(""));
    }
    main.Update();
}

}  // namespace

void UpdateMainDatabase() {
    SetAsideUnreadableSettings();
    if (!files::FileExists(state.MainDatabasePath)) CreateMainDatabase();
    state.MainDatabase = Database::OpenDatabase(state.MainDatabasePath);
    if (!state.MainDatabase) return;
    for (const QString& statement : UpgradeStatements()) state.MainDatabase->Execute(statement);
    state.MainDatabase->Close();
}

void ReadMainRecord() {
    if (!OpenMainTable()) {
        // Without settings the data folder is the default one, never the root of the drive.
        if (state.FilesLocation.isEmpty()) state.FilesLocation = DefaultFilesLocation();
        return;
    }
    if (state.MainRecordset->RecordCount() == 0)
        AddFirstRecord();
    else
        ReadFirstRecord();
}

bool SaveFilesLocation() {
    if (!OpenMainTable()) return false;
    Recordset& main = *state.MainRecordset;
    const bool saved = main.MoveFirst() && main.Edit() && main.SetValue("fileslocation", state.FilesLocation) && main.Update();
    state.MainDatabase->Close();
    return saved;
}

}  // namespace qvr
