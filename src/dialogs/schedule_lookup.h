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

// The rows of the schedule in the table's stored order.
class Schedule {
public:
    Schedule() = default;  // no rows
    explicit Schedule(std::vector<ScheduleRow> rows)
        : rows_(std::make_shared<const std::vector<ScheduleRow>>(std::move(rows))) {}
    // The whole table as the file holds it now; a database that cannot be opened, or that has
    // no table `Schedule`, reads as a schedule without rows. The rows read last are kept and
    // used again for as long as the file has not changed.
    static Schedule FromDatabase(const QString& path);

    // Row `index` (from 0); nullptr past the last row.
    const ScheduleRow* Row(std::size_t index) const {
        return rows_ && index < rows_->size() ? &(*rows_)[index] : nullptr;
    }

private:
    std::shared_ptr<const std::vector<ScheduleRow>> rows_;
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
