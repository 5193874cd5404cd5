#pragma once
// Start-up: the program-wide start values, the databases, the schedule check.

namespace qvr {

// The program's entry point after the application object exists; runs once.
void Main();

// Forms the names and cases database paths from FilesLocation and creates or upgrades both.
void SetDatabasePaths();

// Makes sure the schedule database exists: restores it from its spare copy, or tells the user
// and ends the program.
void CheckSchedule();

// The six shaded-area bounds.
void SetShadedAreaLimits();

}  // namespace qvr
