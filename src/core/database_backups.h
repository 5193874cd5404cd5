#pragma once
// The cases and names databases in the data folder and their backup copies: quitting refreshes
// the backups, the file utilities put a backup back in place. Neither step ever leaves a
// half-written file or takes away the only good copy: a copy goes to a temporary file first and
// replaces its target by rename only once it is complete.

#include <QString>

namespace qvr {

struct DatabaseFile {
    QString file;    // the database in the data folder
    QString backup;  // its backup beside it
    void (*closeHandle)();  // closes the program's handle on the database before its file is copied
};

// FilesLocation\VESK0232.MDB and FilesLocation\VESK0232_Backup.MDB (after CasesFileName).
DatabaseFile CasesDatabaseFile();
// FilesLocation\Names.MDB and FilesLocation\Names_Backup.MDB.
DatabaseFile NamesDatabaseFile();

// Closes the database's handle and replaces the backup by a copy of the database. When the database is missing or cannot be
// copied, or the backup cannot be replaced (read-only), the old backup stays as it was.
bool MakeBackup(const DatabaseFile& database);
// Closes the database's handle and replaces the database by a copy of its backup, which stays
// in place. When anything fails the
// database stays as it was.
bool RestoreFromBackup(const DatabaseFile& database);

}  // namespace qvr
