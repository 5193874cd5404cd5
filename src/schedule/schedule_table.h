#pragma once
// Table `Schedule` of the schedule database as the schedule windows see it: every row with its
// texts as stored, the rewriting of one row's amounts, and the replacement of all rows at once.
// Each action opens the database and closes it again, so that the next lookup reads the change.

#include "platform/faults.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace qvr {

// One row of the schedule: whole dollars held as text, exactly as the table holds them.
struct ScheduleLine {
    QString Income;
    std::array<QString, 6> Child;  // Child1 … Child6

    bool operator==(const ScheduleLine&) const = default;
};

// The column names, Income first.
const std::array<QString, 7>& ScheduleColumns();

// The amounts that a row may hold: 1 to kMaxDollarDigits ASCII digits, blanks around them
// allowed; given back without blanks and leading zeros ("0050" -> "50"); nullopt for anything
// else (cents, separators, signs, letters, other scripts' digits).
constexpr int kMaxDollarDigits = 7;
std::optional<QString> WholeDollars(const QString& text);

// Every row in stored order; a Null field reads as "". Nullopt when the database or the table
// cannot be opened (error tells why).
std::optional<std::vector<ScheduleLine>> ReadScheduleTable(const QString& path, QString* error = nullptr);

// Whether the schedule database reads whole and table Schedule holds rows whose incomes and
// amounts are all whole dollars, as the lookups need them; fault tells why not (Busy when another
// workstation holds it, Damaged for a table that is no schedule).
bool IsWholeSchedule(const QString& path, Fault* fault = nullptr);

enum class RowWrite {
    Written,
    Moved,   // the row at that place no longer has the income shown: nothing written
    Failed,  // the database could not be opened or written: nothing written
};
// Writes the six amounts of the row at `index` (from 0, in stored order), provided that row still
// has the income `income`; the income itself never changes, so the stored order stays ascending.
RowWrite WriteScheduleAmounts(const QString& path, int index, const ScheduleLine& line, QString* error = nullptr);

// Replaces every row of the table by `lines`, in one transaction: on any failure the table keeps
// the rows it had. False (with error) on failure.
bool ReplaceScheduleRows(const QString& path, const std::vector<ScheduleLine>& lines, QString* error = nullptr);

}  // namespace qvr
