#include "core/settings_database.h"

#include "core/program_state.h"
#include "platform/files.h"

namespace qvr {
namespace {

constexpr int kOptionalFields = 9;

QString OptField(int n) { return QString("optfield%1").arg(n); }

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
    state.FilesLocation = state.StartDrive + "\\QVRForms";
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
    if (!files::FileExists(state.MainDatabasePath)) CreateMainDatabase();
    state.MainDatabase = Database::OpenDatabase(state.MainDatabasePath);
    if (!state.MainDatabase) return;
    for (const QString& statement : UpgradeStatements()) state.MainDatabase->Execute(statement);
    state.MainDatabase->Close();
}

void ReadMainRecord() {
    if (!OpenMainTable()) return;
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
