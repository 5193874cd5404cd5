#include "core/database_backups.h"

#include "core/cases_database.h"
#include "core/program_state.h"
#include "platform/database.h"
#include "platform/files.h"
#include "platform/messages.h"

#include <QFileInfo>
#include <algorithm>
#include <functional>
#include <future>
#include <vector>

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

// Set in a database that start-up made in place of a missing one whose backup holds records.
constexpr int kMadeForMissing = 1;

// One file, however its name is spelt.
QString FileKey(const QString& path) { return files::HostPath(path); }

struct Inspection {
    Fault fault = Fault::None;
    int mark = 0;
};

// One opening of the file, which checks every page first when asked to. A database of another
// kind (the names database copied in place of the cases database) opens cleanly but lacks the table
// the program reads: it is not ours.
Inspection Inspect(const DatabaseFile& database, const QString& path, bool checkWhole = false) {
    Inspection seen;
    const std::unique_ptr<Database> opened = Database::OpenDatabase(path, nullptr, &seen.fault);
    if (!opened || (checkWhole && !opened->ReadsWhole(&seen.fault))) return seen;
    if (!opened->TableNames().contains(database.table, Qt::CaseInsensitive)) seen.fault = Fault::NotOurs;
    seen.mark = opened->Mark();
    return seen;
}

bool HoldsRecords(const QString& path) {
    const std::unique_ptr<Database> database = Database::OpenDatabase(path);
    if (!database) return false;
    const QStringList tables = database->TableNames();
    return std::any_of(tables.begin(), tables.end(), [&database](const QString& table) {
        const std::unique_ptr<Recordset> records = database->OpenRecordset(table);
        return records && records->RecordCount() > 0;
    });
}

// Start-up found the database sound and nobody wrote to it since, and its backup is a copy of it
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

bool SetMark(const QString& path, int mark, Fault* fault = nullptr) {
    Fault opening = Fault::None;
    const std::unique_ptr<Database> database = Database::OpenDatabase(path, nullptr, &opening);
    if (!database) return Tell(fault, opening);
    return database->SetMark(mark) || Tell(fault, database->LastFault());
}

// A free name beside the backup that says what it holds: VESK0232_Backup_Before_Missing.MDB.
QString BeforeMissingName(const QString& backup) {
    const QString stem = WithoutExtension(backup) + "_Before_Missing";
    QString name = stem + ".MDB";
    for (int n = 2; files::FileExists(name) || files::FolderExists(name); ++n)
        name = QString("%1_%2.MDB").arg(stem).arg(n);
    return name;
}

bool KeepBackupAside(const DatabaseFile& database, Fault* fault, QString* keptAs) {
    if (!files::FileExists(database.backup)) return true;
    const QString name = BeforeMissingName(database.backup);
    if (!files::RenameFile(database.backup, name, fault)) return false;
    if (keptAs) *keptAs = name;
    return true;
}

void ReportMissing(const DatabaseFile& database) {
    MsgBox(QString("The %1 database %2 was missing, so a new, empty one has been made.  Its backup %3 holds the "
                   "%1 as they were when the program was last quit; it is kept as it is.  %4")
               .arg(database.kind.toLower(), database.file, database.backup, HowToRestore(database)),
           MessageButtons::OkOnly, "Missing Database");
}

QString BackupAdvice(const DatabaseFile& database) {
    return files::FileExists(database.backup)
               ? QString("Its backup %1 is kept as it is.  %2").arg(database.backup, HowToRestore(database))
               : QString("There is no backup of it.");
}

void ReportDamaged(const DatabaseFile& database) {
    MsgBox(QString("The %1 database %2 cannot be read whole: it is damaged, or it is not a database file.  It is "
                   "not copied over its backup when the program ends.  %3")
               .arg(database.kind.toLower(), database.file, BackupAdvice(database)),
           MessageButtons::OkOnly, "Damaged Database");
}

void ReportNotOurs(const DatabaseFile& database) {
    MsgBox(QString("The %1 database %2 is a database file, but not one of this program's: it has no table %3 "
                   "(another database may have been copied in its place).  It is not used, and it is not copied "
                   "over its backup when the program ends.  %4")
               .arg(database.kind.toLower(), database.file, database.table, BackupAdvice(database)),
           MessageButtons::OkOnly, "Not a Database of This Program");
}

void ReportBusy(const DatabaseFile& database) {
    MsgBox(QString("The %1 database %2 could not be checked because %3.  Nothing has been changed.")
               .arg(database.kind.toLower(), database.file, FaultText(Fault::Busy)),
           MessageButtons::OkOnly, "Database in Use");
}

// A file found usable is noted as it was before the check: a write meanwhile changes the state.
// True when the user was told that it cannot be used.
bool Conclude(const DatabaseFile& database, const std::optional<QByteArray>& before, Fault fault) {
    switch (fault) {
    case Fault::None:
        if (before) state.SoundDatabaseStates.insert(FileKey(database.file), *before);
        return false;
    case Fault::Busy:
        ReportBusy(database);
        return true;
    case Fault::NotOurs:
        ReportNotOurs(database);
        return true;
    default:
        ReportDamaged(database);
        return true;
    }
}

// Checking a large file takes long enough to be felt, so it runs behind the start window.
constexpr qint64 kCheckedBehindFrom = 1 << 20;  // bytes

struct PendingCheck {
    DatabaseFile database;
    std::optional<QByteArray> before;
    std::future<Fault> verdict;
};

std::vector<PendingCheck>& PendingChecks() {
    static std::vector<PendingCheck> pending;
    return pending;
}

// The checks are taken out before any is told: a message's own event loop may finish checks too.
bool FinishChecks(const std::function<bool(const PendingCheck&)>& chosen) {
    std::vector<PendingCheck>& pending = PendingChecks();
    const auto kept = std::stable_partition(pending.begin(), pending.end(), std::not_fn(chosen));
    std::vector<PendingCheck> taken(std::make_move_iterator(kept), std::make_move_iterator(pending.end()));
    pending.erase(kept, pending.end());
    bool told = false;
    for (PendingCheck& check : taken) told = Conclude(check.database, check.before, check.verdict.get()) || told;
    return told;
}

bool IsDone(const PendingCheck& check) {
    return check.verdict.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

void CheckBehind(const DatabaseFile& database) {
    const auto examine = [database] { return ExamineDatabase(database, database.file); };
    PendingChecks().push_back(
        {database, Database::StateStamp(database.file), std::async(std::launch::async, examine)});
}

}  // namespace

DatabaseFile CasesDatabaseFile() {
    const QString folder = state.FilesLocation + "\\";
    return {"Cases", folder + state.CasesFileName,
            folder + WithoutExtension(state.CasesFileName) + "_Backup" + ".MDB", "Cases", CloseCasesDatabase};
}

DatabaseFile NamesDatabaseFile() {
    const QString folder = state.FilesLocation + "\\";
    return {"Names", folder + "Names.MDB", folder + "Names_Backup.MDB", "Names", CloseNamesDatabase};
}

bool MakeBackup(const DatabaseFile& database, Fault* fault, QString* keptAs) {
    FinishCheckOf(database.file);
    database.closeHandle();
    if (BackupIsCurrent(database)) return true;
    const Inspection seen = Inspect(database, database.file);
    if (seen.fault != Fault::None) return Tell(fault, seen.fault);
    if (seen.mark == kMadeForMissing) {
        if (!HoldsRecords(database.file)) return Tell(fault, Fault::None);
        if (!KeepBackupAside(database, fault, keptAs) || !SetMark(database.file, 0, fault)) return false;
    }
    return Database::CopyDatabase(database.file, database.backup, fault);
}

bool RestoreFromBackup(const DatabaseFile& database, Fault* fault) {
    FinishCheckOf(database.file);
    database.closeHandle();
    if (Database::IsBusy(database.file)) return Tell(fault, Fault::Busy);
    const Fault backupFault = Inspect(database, database.backup).fault;
    if (backupFault != Fault::None) return Tell(fault, backupFault);
    return Database::CopyDatabase(database.backup, database.file, fault);
}

Fault ExamineDatabase(const DatabaseFile& database, const QString& path) {
    return Inspect(database, path, true).fault;
}

void CheckDatabaseFile(const DatabaseFile& database, bool wasMissing) {
    const QString key = FileKey(database.file);
    if (state.CheckedDatabaseFiles.contains(key)) return;
    state.CheckedDatabaseFiles.insert(key);
    if (wasMissing && files::FileExists(database.file)) {
        if (!HoldsRecords(database.backup)) return;
        SetMark(database.file, kMadeForMissing);
        ReportMissing(database);
        return;
    }
    if (!files::FileExists(database.file) && !files::FolderExists(database.file)) return;
    if (QFileInfo(files::HostPath(database.file)).size() > kCheckedBehindFrom) return CheckBehind(database);
    const std::optional<QByteArray> before = Database::StateStamp(database.file);
    Conclude(database, before, ExamineDatabase(database, database.file));
}

bool FinishDatabaseChecks() {
    return FinishChecks([](const PendingCheck&) { return true; });
}

void FinishEndedDatabaseChecks() { FinishChecks(IsDone); }

void WaitForDatabaseChecks() {
    for (const PendingCheck& check : PendingChecks()) check.verdict.wait();
}

bool DatabaseChecksPending() { return !PendingChecks().empty(); }

void FinishCheckOf(const QString& file) {
    if (PendingChecks().empty()) return;  // as after start-up: no path to look up on every opening
    const QString key = FileKey(file);
    FinishChecks([&key](const PendingCheck& check) { return FileKey(check.database.file) == key; });
}

}  // namespace qvr
