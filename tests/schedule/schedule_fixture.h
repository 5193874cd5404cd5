#pragma once
// The schedule as shipped and as stored, read without the code under test, and the schedule
// written out as the import window takes it.

#include <QString>

#include "schedule/schedule_table.h"

class QWidget;
#include <ostream>
#include <vector>

namespace qvr {
// Lets test failures show a row as its texts.
void PrintTo(const ScheduleLine& line, std::ostream* out);
}  // namespace qvr

namespace qvr::test {

// The rows of data/schedule_2023.csv, from which the shipped database is made.
std::vector<ScheduleLine> ShippedSchedule();
// The rows of table Schedule at state.ScheduleDatabasePath, in stored order, read with a plain
// recordset walk.
std::vector<ScheduleLine> StoredSchedule();

// One line of the import text: each value right-aligned in its 8 columns.
QString FixedColumnLine(const ScheduleLine& line);
QString FixedColumnText(const std::vector<ScheduleLine>& lines);
// A line with the income and all six amounts given.
ScheduleLine Line(const QString& income, const QString& amount);

// With QVR_SHOTS set to a folder, saves the window there as a picture to look at.
void SaveShot(QWidget* window, const QString& name);

}  // namespace qvr::test
