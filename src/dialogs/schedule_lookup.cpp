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

ScheduleRow RowOf(const std::vector<Value>& texts) {
    ScheduleRow row;
    row.Income = Val(texts[0].value_or(QString()));
    for (int n = 0; n < 6; ++n) row.Child[n] = Val(texts[n + 1].value_or(QString()));
    return row;
}

std::optional<Schedule> ReadSchedule(const QString& path) {
    auto database = Database::OpenDatabase(path);
    if (!database) return std::nullopt;
    const auto texts =
        database->ReadRows("Schedule", {"Income", "Child1", "Child2", "Child3", "Child4", "Child5", "Child6"});
    if (!texts) return std::nullopt;
    std::vector<ScheduleRow> rows;
    rows.reserve(texts->size());
    for (const std::vector<Value>& row : *texts) rows.push_back(RowOf(row));
    return Schedule(std::move(rows));
}

}  // namespace

Schedule Schedule::FromDatabase(const QString& path) {
    // Reading and converting the table costs more than a whole calculation otherwise: keep the
    // last one while the file's stamp says nothing was written to it.
    static QByteArray keptStamp;
    static Schedule kept;
    const std::optional<QByteArray> stamp = Database::StateStamp(path);
    if (!stamp) return {};
    if (*stamp == keptStamp) return kept;
    std::optional<Schedule> schedule = ReadSchedule(path);
    if (!schedule) return {};  // not kept: the next lookup tries the file again
    kept = *schedule;
    keptStamp = *stamp;
    return kept;
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
