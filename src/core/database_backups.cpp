#include "core/database_backups.h"

#include "core/cases_database.h"
#include "core/program_state.h"
#include "platform/database.h"
#include "platform/files.h"
#include "platform/messages.h"

#include <algorithm>

namespace qvr {
namespace {

void CloseNamesDatabase() {
    state.NamesRecordset.reset();
    state.NamesDatabase.reset();
}

QString WithoutExtension(QString fileName) {
    fileName.chop(4);
    return fileName;
}

// One file, however its name is spelt.
QString FileKey(const QString& path) { return files::HostPath(path); }

bool HoldsRecords(const QString& path) {
    const std::unique_ptr<Database> database = Database::OpenDatabase(path);
    if (!database) return false;
    const QStringList tables = database->TableNames();
    return std::any_of(tables.begin(), tables.end(), [&database](const QString& table) {
        const std::unique_ptr<Recordset> records = database->OpenRecordset(table);
        return records && records->RecordCount() > 0;
    });
}

// A file that reads whole is noted as it was before the check: a write meanwhile changes the state.
bool IsSoundNoted(const QString& file) {
    const std::optional<QByteArray> before = Database::StateStamp(file);
    if (!Database::IsSound(file)) return false;
    if (before) state.SoundDatabaseStates.insert(FileKey(file), *before);
    return true;
}

// Start-up found the database whole and nobody wrote to it since, and its backup is a copy of it
// as it is: checking and copying it again cannot change the backup.
bool BackupIsCurrent(const DatabaseFile& database) {
    const auto checked = state.SoundDatabaseStates.constFind(FileKey(database.file));
    return checked != state.SoundDatabaseStates.cend() && Database::StateStamp(database.file) == *checked &&
           Database::IsCurrentCopy(database.backup, database.file);
}

// The file utilities are reached from the start window only until the case library opens.
QString HowToRestore(const DatabaseFile& database) {
    return QString("To put the backup in its place, %1press Esc on the start window and choose \"Restore %2 "
                   "Database\".")
        .arg(state.CaseLibraryOpened == "Y" ? "start the program again, " : "", database.kind);
}

void ReportMissing(const DatabaseFile& database) {
    MsgBox(QString("The %1 database %2 was missing, so a new, empty one has been made.  Its backup %3 holds the "
                   "%1 as they were when the program was last quit; it is kept as it is.  %4")
               .arg(database.kind.toLower(), database.file, database.backup, HowToRestore(database)),
           MessageButtons::OkOnly, "Missing Database");
}

void ReportDamaged(const DatabaseFile& database) {
    const QString backup = files::FileExists(database.backup)
                               ? QString("Its backup %1 is kept as it is.  %2").arg(database.backup, HowToRestore(database))
                               : QString("There is no backup of it.");
    MsgBox(QString("The %1 database %2 cannot be read whole: it is damaged, or it is not a database file.  It is "
                   "not copied over its backup when the program ends.  %3")
               .arg(database.kind.toLower(), database.file, backup),
           MessageButtons::OkOnly, "Damaged Database");
}

}  // namespace

DatabaseFile CasesDatabaseFile() {
    const QString folder = state.FilesLocation + "\\";
    return {"Cases", folder + state.CasesFileName,
            folder + WithoutExtension(state.CasesFileName) + "_Backup" + ".MDB", CloseCasesDatabase};
}

DatabaseFile NamesDatabaseFile() {
    const QString folder = state.FilesLocation + "\\";
    return {"Names", folder + "Names.MDB", folder + "Names_Backup.MDB", CloseNamesDatabase};
}

bool MakeBackup(const DatabaseFile& database) {
    database.closeHandle();
    if (state.KeptBackups.contains(FileKey(database.backup))) return false;
    return BackupIsCurrent(database) || Database::CopyDatabase(database.file, database.backup);
}

bool RestoreFromBackup(const DatabaseFile& database) {
    database.closeHandle();
    return Database::CopyDatabase(database.backup, database.file);
}

void CheckDatabaseFile(const DatabaseFile& database, bool wasMissing) {
    const QString key = FileKey(database.file);
    if (state.CheckedDatabaseFiles.contains(key)) return;
    state.CheckedDatabaseFiles.insert(key);
    if (wasMissing && files::FileExists(database.file)) {
        if (!HoldsRecords(database.backup)) return;
        state.KeptBackups.insert(FileKey(database.backup));
        ReportMissing(database);
    } else if ((files::FileExists(database.file) || files::FolderExists(database.file)) &&
               !IsSoundNoted(database.file)) {
        ReportDamaged(database);
    }
}

}  // namespace qvr
