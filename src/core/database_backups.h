#pragma once
// The cases and names databases in the data folder and their backup copies: quitting refreshes
// the backups, the file utilities put a backup back in place. Neither step ever leaves a
// half-written file or takes away the only good copy: only a database that reads whole is
// copied, and the copy replaces its target only once it is complete.

#include "platform/faults.h"

#include <QString>

namespace qvr {

struct DatabaseFile {
    QString kind;    // "Cases" or "Names", as the file utilities' buttons name it
    QString file;    // the database in the data folder
    QString backup;  // its backup beside it
    QString table;   // the table the program reads: a database without it is not ours
    void (*closeHandle)();  // closes the program's handle on the database before its file is copied
};

// FilesLocation\VESK0232.MDB and FilesLocation\VESK0232_Backup.MDB (after CasesFileName).
DatabaseFile CasesDatabaseFile();
// FilesLocation\Names.MDB and FilesLocation\Names_Backup.MDB.
DatabaseFile NamesDatabaseFile();

// Closes the database's handle and replaces the backup by a copy of the database. The old backup
// stays as it was when the database is missing, damaged, busy or not ours, and when it cannot be
// copied or the backup cannot be replaced; fault then tells why. A database that start-up made in
// place of a missing one keeps the backup as it is while it holds no records (fault None); once it
// holds some, the backup is first kept beside it under a name of its own (keptAs), never deleted.
// A backup that is already a copy of the database as start-up found it sound, unchanged since, is
// left as it is.
bool MakeBackup(const DatabaseFile& database, Fault* fault = nullptr, QString* keptAs = nullptr);
// Closes the database's handle and replaces the database by a copy of its backup, which stays in
// place. When the backup is damaged or not ours, the database is busy, or anything fails, the
// database stays as it was and fault tells why.
bool RestoreFromBackup(const DatabaseFile& database, Fault* fault = nullptr);

// Why a database file cannot be used: missing, damaged, busy, or not ours (Fault::None when it can).
Fault ExamineDatabase(const DatabaseFile& database, const QString& path);

// Start-up's look at a database that it has just created or upgraded, once in a run for each
// file. One that cannot be used is reported, a busy one as busy. One that was missing while its
// backup holds records is reported, and the new database is marked, so that it never takes the
// place of that backup, in this run or a later one. A file over a megabyte is checked on a thread
// of its own, behind the start window: what it finds is told once the check has ended, or at the
// first use of the file, which waits for it.
void CheckDatabaseFile(const DatabaseFile& database, bool wasMissing);

// Waits for every check still running and tells what each found; true when anything was told.
bool FinishDatabaseChecks();
// Tells what the checks that have ended found, without waiting for the others.
void FinishEndedDatabaseChecks();
// True while a check runs or what it found is still to be told.
bool DatabaseChecksPending();
// Waits for every check to end, and tells nothing yet.
void WaitForDatabaseChecks();
// Waits for the check of this file, if one runs, and tells what it found. Every opening of the
// cases or names database, its backup and its restore come through here first.
void FinishCheckOf(const QString& file);

}  // namespace qvr
