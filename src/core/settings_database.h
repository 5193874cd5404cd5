#pragma once
// The settings database: one record that remembers the data folder of this workstation.

namespace qvr {

// Creates the settings database when it is missing and adds every column it lacks.
void UpdateMainDatabase();
// Opens table Main, creates its single record when the table is empty, and reads FilesLocation.
// Leaves the database open.
void ReadMainRecord();
// Stores FilesLocation in the record; false when it could not be stored (the new folder then
// holds only until the program ends).
bool SaveFilesLocation();

}  // namespace qvr
