#pragma once
// The pasted text from which the schedule is rebuilt: one line per 50-dollar income band, the
// income and the six amounts each right-aligned in a field of fixed columns. The whole text is
// checked before any of it is used.

#include <QString>
#include <optional>
#include <vector>

#include "schedule/schedule_table.h"

namespace qvr {

// Field k (0 = Income, 1…6 = Child1…Child6) takes columns 8k+1 to 8k+8, counted from 1. A field
// holds blanks and then whole dollars that end in its last column; at least one blank leads, so
// a line pasted a column off never reads as numbers.
constexpr int kScheduleFieldWidth = 8;
constexpr int kScheduleFieldCount = 7;
constexpr int kScheduleLineWidth = kScheduleFieldWidth * kScheduleFieldCount;
constexpr int kScheduleIncomeStep = 50;

struct ScheduleTextProblem {
    int line = 0;  // from 1; 0 when the text has no schedule lines at all
    QString reason;

    QString Message() const;  // "Line 12: …"
};

// Lines of blanks are skipped (they still count in line numbers); a trailing carriage return is
// ignored. Every other line must hold seven fields in their columns and nothing after column 56,
// and the incomes must rise by 50 from the first line's. A schedule has at least two lines.
struct ParsedScheduleText {
    std::vector<ScheduleLine> lines;             // empty when there is a problem
    std::optional<ScheduleTextProblem> problem;  // the first bad line
};
ParsedScheduleText ParseScheduleText(const QString& text);

}  // namespace qvr
