#pragma once
// The Schedule of Basic Child Support Obligations: table `Schedule` of the schedule database and
// the basic obligation for an income and a number of children, with straight-line interpolation
// inside each 50-dollar income band.
//
// `LookupSchedule` and `LookupOtherChildrenCredit` open the schedule database at
// `state.ScheduleDatabasePath` anew at every call, so that an edit of the schedule shows at the
// next lookup.

#include "platform/database.h"

#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace qvr {

// One row of table `Schedule`, its texts read by their leading number.
struct ScheduleRow {
    double Income = 0;              // lower bound of the row's 50-dollar band
    std::array<double, 6> Child{};  // Child1 … Child6: obligation for one to six children
};

// The rows of the schedule in the table's stored order: given whole, or read from the schedule
// database as the walks reach them, each row once. A walk stops at the band it finds, so a
// lookup reads only the rows up to that band. Read from the database, it holds the file open
// and read-locked until its last row is read or it is destroyed: keep one for one calculation.
class Schedule {
public:
    Schedule() = default;  // no rows
    explicit Schedule(std::vector<ScheduleRow> rows) : rows_(std::move(rows)) {}
    Schedule(Schedule&&) = default;
    Schedule& operator=(Schedule&&) = default;
    ~Schedule() { Close(); }
    // The database is opened at the first row asked for; one that cannot be opened, or that has
    // no table `Schedule`, reads as a schedule without rows.
    static Schedule FromDatabase(const QString& path);

    // Row `index` (from 0); nullptr past the last row.
    const ScheduleRow* Row(std::size_t index);

private:
    bool ReadNextRow();
    void OpenTable();
    void Close();

    QString unopenedPath_;
    std::unique_ptr<Database> database_;
    std::unique_ptr<Recordset> table_;  // after database_, so that it closes first
    bool inTransaction_ = false;
    std::array<int, 7> fields_{};       // Income, Child1 … Child6
    std::vector<ScheduleRow> rows_;
};

// What one walk over the schedule found: the band's row and the row after it, and the
// interpolated amount.
struct ScheduleWalk {
    double LowerRowIncome = 0;
    double LowerRowAmount = 0;
    double UpperRowIncome = 0;
    double UpperRowAmount = 0;
    std::optional<double> Amount;  // nullopt when no band holds the income or its row is the last
};

// The worksheets' walk: the first row with Income <= income <= Income + 50.
ScheduleWalk WalkSchedule(Schedule& schedule, double income, double children);
// The other-children credit's walk: the first row with Income <= income < Income + 50.
ScheduleWalk WalkScheduleForCredit(Schedule& schedule, double income, double children);

// The worksheets' lookup: 0 when the income or the number of children is not positive or when
// the walk finds nothing; not rounded.
double ScheduleAmount(Schedule& schedule, double income, double children);

// The program-wide lookup: reads `LookupIncome` and `LookupChildren`, writes `LookupResult` and
// the four row values. An unreadable schedule gives 0.
void LookupSchedule();

// The other-children credit for a party's monthly income and number of other children;
// nullopt when there is no credit (no children, no band, no next row, unreadable schedule).
// Overwrites `LookupIncome` and the four row values when it walks the schedule.
std::optional<double> LookupOtherChildrenCredit(double income, double children);

}  // namespace qvr
