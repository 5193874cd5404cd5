#include "schedule/schedule_text.h"

#include <QStringList>
#include <algorithm>

namespace qvr {
namespace {

bool IsAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

QString ColumnRange(int field) {
    return QString("columns %1-%2").arg(field * kScheduleFieldWidth + 1).arg((field + 1) * kScheduleFieldWidth);
}

// Blanks, then digits up to the field's last column.
std::optional<QString> RightAlignedDollars(QStringView field) {
    qsizetype blanks = 0;
    while (blanks < field.size() && field[blanks] == u' ') ++blanks;
    const QStringView digits = field.sliced(blanks);
    if (blanks == 0 || digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), IsAsciiDigit))
        return std::nullopt;
    return WholeDollars(digits.toString());
}

// The line's seven fields, or the reason why it has none.
struct LineFields {
    ScheduleLine line;
    QString problem;
};

LineFields ReadFields(QStringView text) {
    LineFields result;
    if (text.size() < kScheduleLineWidth) {
        result.problem =
            QString("it is too short: the income and the six amounts need columns 1-%1.").arg(kScheduleLineWidth);
        return result;
    }
    for (int field = 0; field < kScheduleFieldCount; ++field) {
        const std::optional<QString> dollars =
            RightAlignedDollars(text.sliced(field * kScheduleFieldWidth, kScheduleFieldWidth));
        if (!dollars) {
            result.problem = QString("%1 in %2 is not whole dollars (up to %3 digits) set to the right of its columns.")
                                 .arg(ScheduleColumns()[field], ColumnRange(field))
                                 .arg(kMaxDollarDigits);
            return result;
        }
        (field == 0 ? result.line.Income : result.line.Child[field - 1]) = *dollars;
    }
    if (!text.sliced(kScheduleLineWidth).trimmed().isEmpty())
        result.problem = QString("there is more text after column %1.").arg(kScheduleLineWidth);
    return result;
}

ParsedScheduleText Problem(int line, const QString& reason) { return {{}, ScheduleTextProblem{line, reason}}; }

}  // namespace

QString ScheduleTextProblem::Message() const {
    return line > 0 ? QString("Line %1: %2").arg(line).arg(reason) : reason;
}

ParsedScheduleText ParseScheduleText(const QString& text) {
    ParsedScheduleText parsed;
    const QStringList lines = text.split(u'\n');
    long long firstIncome = 0;
    int previousLine = 0;
    for (qsizetype index = 0; index < lines.size(); ++index) {
        QStringView line = lines[index];
        if (line.endsWith(u'\r')) line.chop(1);
        if (line.trimmed().isEmpty()) continue;
        const int number = static_cast<int>(index + 1);
        LineFields fields = ReadFields(line);
        if (!fields.problem.isEmpty()) return Problem(number, fields.problem);
        const long long income = fields.line.Income.toLongLong();
        if (parsed.lines.empty()) firstIncome = income;
        const long long expected = firstIncome + kScheduleIncomeStep * static_cast<long long>(parsed.lines.size());
        if (income != expected)
            return Problem(number, QString("the income must be %1, %2 more than the income on line %3.")
                                       .arg(expected)
                                       .arg(kScheduleIncomeStep)
                                       .arg(previousLine));
        parsed.lines.push_back(std::move(fields.line));
        previousLine = number;
    }
    if (parsed.lines.empty()) return Problem(0, "There are no schedule lines in the text.");
    // A lookup interpolates to the line after its band, so one line alone would give every lookup 0.
    if (parsed.lines.size() == 1)
        return Problem(0, "The text holds one schedule line; the schedule needs at least two.");
    return parsed;
}

}  // namespace qvr
