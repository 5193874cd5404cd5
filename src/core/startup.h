#pragma once
// Start-up: the program-wide start values, the databases, the schedule check. The windows'
// entry point `Main` runs it before it shows the main window.

namespace qvr {

// The start-up that needs no window: the start values, the settings, names and cases databases,
// the schedule check and the shaded-area bounds. When the schedule is missing it stops after
// the check, with the program ended.
void StartUp();

// Forms the names and cases database paths from FilesLocation and creates or upgrades both; tells
// the user, once in a run, of either found damaged, or missing while its backup holds records.
void SetDatabasePaths();

// Makes sure a schedule database that reads whole is in place: restores a missing or damaged one
// from its spare copy, or tells the user and ends the program.
void CheckSchedule();

// The six shaded-area bounds.
void SetShadedAreaLimits();

}  // namespace qvr
