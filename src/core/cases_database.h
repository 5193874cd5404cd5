#pragma once
// The cases database: its file and schema, and the routines through which every window reaches
// the case record. Each action opens the table, positions it on the current case, reads or
// writes, and closes the database again:
//
//     OpenCasesTable(); if (ProgramEndRequested()) return;
//     FindCurrentCase();
//     state.CasesRecordset->Edit(); state.CasesRecordset->SetValue("county", …);
//     state.CasesRecordset->Update();
//     CloseCasesDatabase();

#include "platform/database.h"

#include <QString>
#include <vector>

namespace qvr {

// Creates the file at state.CasesDatabasePath with its tables when it is missing and adds every
// column that it lacks. Silent; the cases database is closed on return in every case.
void UpdateCasesDatabase();

// Opens state.CasesDatabase and state.CasesRecordset on table Cases, replacing both handles.
// When either cannot be opened, tells the user and ends the program.
void OpenCasesTable();

// Positions state.CasesRecordset on the record whose caseid is state.CurrentCaseId; with no
// current id, on the first record, whose caseid becomes the current id. When no record matches
// there is no current record, so a following write fails.
void FindCurrentCase();

// Opens the table and turns every Null column but casedesc into the empty text. Leaves the
// database open with the recordset on its first record; callers find the current case again.
void FixCasesNulls();

// Closes state.CasesRecordset and state.CasesDatabase.
void CloseCasesDatabase();

// Characters a column of table Cases holds, as the schema declares it.
int CasesColumnWidth(const QString& column);

// Shared with the names database.

struct ColumnDef {
    const char* name;
    const char* declaredType;  // as written in "ALTER TABLE … ADD COLUMN name type;"
};

// Adds every column after the first (which comes with the table) that `table` lacks, in whatever
// case the table spells the columns it has; one the engine refuses is skipped.
void AddMissingColumns(Database& db, const QString& table, const std::vector<ColumnDef>& columns);

// Stores the empty text (a memo: one blank) in each Null column but the first, in every record of
// the table at once: one statement, so a failure leaves the table as it was.
void RepairNullColumns(Database& db, const QString& table);

}  // namespace qvr
