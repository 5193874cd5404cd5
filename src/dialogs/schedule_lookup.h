#pragma once
// The Schedule of Basic Child Support Obligations: reading table `Schedule` of the schedule
// database and finding the basic obligation for an income and a number of children, with
// straight-line interpolation inside each 50-dollar income band.
//
// The walks over an in-memory schedule are pure; `LookupSchedule` and
// `LookupOtherChildrenCredit` read the schedule database at `state.ScheduleDatabasePath` anew at
// every call, so that an edit of the schedule shows at the next lookup.

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace qvr {

// One row of table `Schedule`, its texts read by their leading number.
struct ScheduleRow {
    double Income = 0;             // lower bound of the row's 50-dollar band
    std::array<double, 6> Child{};  // Child1 … Child6: obligation for one to six children
};
using Schedule = std::vector<ScheduleRow>;  // in the table's stored order

// Every row of table `Schedule` of the database at `path`; nullopt when the database or the
// table cannot be opened.
std::optional<Schedule> ReadSchedule(const QString& path);

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
ScheduleWalk WalkSchedule(const Schedule& schedule, double income, double children);
// The other-children credit's walk: the first row with Income <= income < Income + 50.
ScheduleWalk WalkScheduleForCredit(const Schedule& schedule, double income, double children);

// The worksheets' lookup on an in-memory schedule: 0 when the income or the number of children
// is not positive or when the walk finds nothing; not rounded.
double ScheduleAmount(const Schedule& schedule, double income, double children);

// The program-wide lookup: reads `LookupIncome` and `LookupChildren`, writes `LookupResult` and
// the four row values. An unreadable schedule gives 0.
void LookupSchedule();

// The other-children credit for a party's monthly income and number of other children;
// nullopt when there is no credit (no children, no band, no next row, unreadable schedule).
// Overwrites `LookupIncome` and the four row values when it walks the schedule.
std::optional<double> LookupOtherChildrenCredit(double income, double children);

}  // namespace qvr
