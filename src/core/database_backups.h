#pragma once
// The cases and names databases in the data folder and their backup copies: quitting refreshes
// the backups, the file utilities put a backup back in place. Neither step ever leaves a
// half-written file or takes away the only good copy: only a database that reads whole is
// copied, and the copy replaces its target only once it is complete.

#include <QString>

namespace qvr {

struct DatabaseFile {
    QString kind;    // "Cases" or "Names", as the file utilities' buttons name it
    QString file;    // the database in the data folder
    QString backup;  // its backup beside it
    void (*closeHandle)();  // closes the program's handle on the database before its file is copied
};

// FilesLocation\VESK0232.MDB and FilesLocation\VESK0232_Backup.MDB (after CasesFileName).
DatabaseFile CasesDatabaseFile();
// FilesLocation\Names.MDB and FilesLocation\Names_Backup.MDB.
DatabaseFile NamesDatabaseFile();

// Closes the database's handle and replaces the backup by a copy of the database. The old backup
// stays as it was when the database is missing or damaged, when it cannot be copied or the backup
// cannot be replaced (read-only), and when start-up kept the backup for this run. A backup that is
// already a copy of the database as start-up found it whole, unchanged since, is left as it is.
bool MakeBackup(const DatabaseFile& database);
// Closes the database's handle and replaces the database by a copy of its backup, which stays in
// place. When the backup is damaged or anything fails, the database stays as it was.
bool RestoreFromBackup(const DatabaseFile& database);

// Start-up's look at a database that it has just created or upgraded, once in a run for each
// file. One that cannot be read is reported. One that was missing while its backup holds records
// is reported, and that backup is not replaced for the rest of the run, so that the empty new
// database never takes the place of the records.
void CheckDatabaseFile(const DatabaseFile& database, bool wasMissing);

}  // namespace qvr
