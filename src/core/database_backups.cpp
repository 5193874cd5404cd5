#include "core/database_backups.h"

#include "core/cases_database.h"
#include "core/program_state.h"
#include "platform/files.h"

namespace qvr {
namespace {

// The copy lands beside the target, on the same drive, so that the rename is one step.
bool ReplaceByCopy(const QString& source, const QString& target) {
    const QString temporary = target + ".tmp";
    if (files::CopyFile(source, temporary) && files::RenameFile(temporary, target)) return true;
    files::DeleteFile(temporary);
    return false;
}

void CloseNamesDatabase() {
    state.NamesRecordset.reset();
    state.NamesDatabase.reset();
}

QString WithoutExtension(QString fileName) {
    fileName.chop(4);
    return fileName;
}

}  // namespace

DatabaseFile CasesDatabaseFile() {
    const QString folder = state.FilesLocation + "\\";
    return {folder + state.CasesFileName, folder + WithoutExtension(state.CasesFileName) + "_Backup" + ".MDB",
            CloseCasesDatabase};
}

DatabaseFile NamesDatabaseFile() {
    const QString folder = state.FilesLocation + "\\";
    return {folder + "Names.MDB", folder + "Names_Backup.MDB", CloseNamesDatabase};
}

bool MakeBackup(const DatabaseFile& database) {
    database.closeHandle();
    return ReplaceByCopy(database.file, database.backup);
}

bool RestoreFromBackup(const DatabaseFile& database) {
    database.closeHandle();
    return ReplaceByCopy(database.backup, database.file);
}

}  // namespace qvr
