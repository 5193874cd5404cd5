#pragma once
// The settings database: one record that remembers the data folder of this workstation.

namespace qvr {

// Creates the settings database when it is missing and adds every column it lacks. One that
// cannot be read is set aside under another name, the user is told, and a fresh one is made.
void UpdateMainDatabase();
// Opens table Main, creates its single record when the table is empty, and reads FilesLocation.
// Leaves the database open. When the table cannot be read, FilesLocation stays as it was, or is
// the fixed folder when it was empty.
void ReadMainRecord();
// Stores FilesLocation in the record; false when it could not be stored (the new folder then
// holds only until the program ends).
bool SaveFilesLocation();

}  // namespace qvr
