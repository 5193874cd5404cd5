#pragma once
// The names database (the parties that can be chosen as plaintiff or defendant) and the
// selected-name block of the program state through which a chosen name record is handed on.

namespace qvr {

// Creates the file at state.NamesDatabasePath with table Names when it is missing and adds every
// column that it lacks. Silent; the names database is closed on return.
void UpdateNamesDatabase();

// Opens state.NamesDatabase and state.NamesRecordset on table Names, replacing both handles, and
// gives an empty table its example record. Silent: when the file cannot be opened both are null.
void OpenNamesTable();

// Opens the table and turns every Null column but listname into the empty text (notes: one
// blank). Leaves the database open with the recordset on its first record.
void FixNamesNulls();

// Copies the current record of state.NamesRecordset into the selected-name block; a Null stays
// Null, and a column that cannot be read leaves its variable as it was.
void LoadNameFields();

// Sets every variable of the selected-name block to the empty text.
void ClearNameFields();

}  // namespace qvr
