#include "dialogs/schedule_lookup.h"

#include "core/program_state.h"
#include "core/values.h"

#include <cmath>
#include <utility>

namespace qvr {

namespace {

constexpr double kBandWidth = 50;

// Index into ScheduleRow::Child for a number of children: more than six use the sixth; a count
// that is not a whole number from 1 to 6 selects no column.
std::optional<int> ChildColumn(double children) {
    if (children > 6) return 5;
    if (children >= 1 && children == std::floor(children)) return static_cast<int>(children) - 1;
    return std::nullopt;
}

double AmountIn(const ScheduleRow& row, std::optional<int> column) {
    return column ? row.Child[*column] : 0;
}

template <typename InBand>
ScheduleWalk Walk(Schedule& schedule, double income, double children, InBand inBand) {
    ScheduleWalk walk;
    const std::optional<int> column = ChildColumn(children);
    for (std::size_t i = 0; const ScheduleRow* row = schedule.Row(i); ++i) {
        if (!inBand(row->Income, income)) continue;
        walk.LowerRowIncome = row->Income;
        walk.LowerRowAmount = AmountIn(*row, column);
        const ScheduleRow* next = schedule.Row(i + 1);
        if (!next) return walk;
        walk.UpperRowIncome = next->Income;
        walk.UpperRowAmount = AmountIn(*next, column);
        walk.Amount = walk.LowerRowAmount + (income - walk.LowerRowIncome) *
                                                (walk.UpperRowAmount - walk.LowerRowAmount) / kBandWidth;
        return walk;
    }
    return walk;
}

void KeepRowValues(const ScheduleWalk& walk) {
    state.LowerRowIncome = walk.LowerRowIncome;
    state.LowerRowAmount = walk.LowerRowAmount;
    state.UpperRowIncome = walk.UpperRowIncome;
    state.UpperRowAmount = walk.UpperRowAmount;
}

double FieldNumber(const Recordset& table, int index) {
    return index < 0 ? 0 : Val(table.GetValue(index).value_or(QString()));
}

}  // namespace

Schedule Schedule::FromDatabase(const QString& path) {
    Schedule schedule;
    schedule.unopenedPath_ = path;
    return schedule;
}

const ScheduleRow* Schedule::Row(std::size_t index) {
    while (index >= rows_.size() && ReadNextRow()) {
    }
    return index < rows_.size() ? &rows_[index] : nullptr;
}

bool Schedule::ReadNextRow() {
    if (!unopenedPath_.isEmpty()) OpenTable();
    if (!table_ || table_->IsEOF()) {
        Close();
        return false;
    }
    ScheduleRow row;
    row.Income = FieldNumber(*table_, fields_[0]);
    for (int n = 0; n < 6; ++n) row.Child[n] = FieldNumber(*table_, fields_[n + 1]);
    rows_.push_back(row);
    if (!table_->MoveNext()) Close();
    return true;
}

void Schedule::OpenTable() {
    database_ = Database::OpenDatabase(std::exchange(unopenedPath_, QString()));
    if (database_) table_ = database_->OpenRecordset("Schedule");
    if (!table_) return Close();
    fields_[0] = table_->FieldIndex("Income");
    for (int n = 1; n <= 6; ++n) fields_[n] = table_->FieldIndex("Child" + QString::number(n));
    // One read transaction for the rows of this schedule: they come from one state of the table,
    // and the file is locked once rather than once a row.
    inTransaction_ = database_->BeginReadTrans();
    table_->MoveFirst();
}

void Schedule::Close() {
    if (std::exchange(inTransaction_, false) && database_) database_->CommitTrans();
    table_.reset();
    database_.reset();
}

ScheduleWalk WalkSchedule(Schedule& schedule, double income, double children) {
    return Walk(schedule, income, children,
                [](double lower, double value) { return lower <= value && value <= lower + kBandWidth; });
}

ScheduleWalk WalkScheduleForCredit(Schedule& schedule, double income, double children) {
    return Walk(schedule, income, children,
                [](double lower, double value) { return lower <= value && value < lower + kBandWidth; });
}

double ScheduleAmount(Schedule& schedule, double income, double children) {
    if (children <= 0 || income <= 0) return 0;
    return WalkSchedule(schedule, income, children).Amount.value_or(0);
}

void LookupSchedule() {
    state.LookupResult = 0;
    if (state.LookupChildren <= 0 || state.LookupIncome <= 0) return;
    Schedule schedule = Schedule::FromDatabase(state.ScheduleDatabasePath);
    const ScheduleWalk walk = WalkSchedule(schedule, state.LookupIncome, state.LookupChildren);
    KeepRowValues(walk);
    state.LookupResult = walk.Amount.value_or(0);
}

std::optional<double> LookupOtherChildrenCredit(double income, double children) {
    if (children <= 0) return std::nullopt;
    state.LookupIncome = income;
    Schedule schedule = Schedule::FromDatabase(state.ScheduleDatabasePath);
    const ScheduleWalk walk = WalkScheduleForCredit(schedule, income, children);
    KeepRowValues(walk);
    return walk.Amount;
}

}  // namespace qvr
