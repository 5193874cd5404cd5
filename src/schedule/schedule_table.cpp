#include "schedule/schedule_table.h"

#include <algorithm>
#include <memory>

#include "platform/database.h"

namespace qvr {
namespace {

constexpr const char* kTable = "Schedule";

void Report(QString* error, const QString& text) {
    if (error) *error = text;
}

bool IsAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

bool IsWholeDollars(QStringView text) {
    const QStringView digits = text.trimmed();
    return !digits.isEmpty() && digits.size() <= kMaxDollarDigits &&
           std::all_of(digits.begin(), digits.end(), IsAsciiDigit);
}

void ReportFault(QString* error, Fault fault) {
    Report(error, QString("The schedule database cannot be used because %1.").arg(FaultText(fault)));
}

std::unique_ptr<Database> OpenSchedule(const QString& path, QString* error) {
    QString why;
    Fault fault = Fault::None;
    std::unique_ptr<Database> database = Database::OpenDatabase(path, &why, &fault);
    if (!database) Report(error, why);
    if (fault == Fault::Busy) ReportFault(error, fault);
    return database;
}

std::unique_ptr<Recordset> OpenTable(Database& database, QString* error) {
    std::unique_ptr<Recordset> table = database.OpenRecordset(kTable);
    if (!table) Report(error, QString("The schedule database has no table %1.").arg(kTable));
    return table;
}

// A table that lacks a column cannot take a whole row.
bool HasEveryColumn(const Recordset& table, QString* error) {
    for (const QString& column : ScheduleColumns()) {
        if (table.FieldIndex(column) >= 0) continue;
        Report(error, QString("Table %1 has no column %2.").arg(kTable, column));
        return false;
    }
    return true;
}

ScheduleLine ReadLine(const Recordset& table) {
    const auto& columns = ScheduleColumns();
    ScheduleLine line;
    line.Income = table.GetValue(columns[0]).value_or(QString());
    for (std::size_t n = 0; n < line.Child.size(); ++n)
        line.Child[n] = table.GetValue(columns[n + 1]).value_or(QString());
    return line;
}

bool SetAmounts(Recordset& table, const ScheduleLine& line) {
    const auto& columns = ScheduleColumns();
    for (std::size_t n = 0; n < line.Child.size(); ++n)
        if (!table.SetValue(columns[n + 1], line.Child[n])) return false;
    return true;
}

bool MoveTo(Recordset& table, int index) {
    if (index < 0 || !table.MoveFirst()) return false;
    for (int i = 0; i < index; ++i)
        if (!table.MoveNext()) return false;
    return table.HasCurrent();
}

bool AddLines(Recordset& table, const std::vector<ScheduleLine>& lines) {
    for (const ScheduleLine& line : lines) {
        if (!table.AddNew() || !table.SetValue(ScheduleColumns()[0], line.Income) || !SetAmounts(table, line) ||
            !table.Update())
            return false;
    }
    return true;
}

}  // namespace

const std::array<QString, 7>& ScheduleColumns() {
    static const std::array<QString, 7> columns{"Income", "Child1", "Child2", "Child3", "Child4", "Child5", "Child6"};
    return columns;
}

std::optional<QString> WholeDollars(const QString& text) {
    if (!IsWholeDollars(text)) return std::nullopt;
    return QString::number(text.trimmed().toLongLong());
}

std::optional<std::vector<ScheduleLine>> ReadScheduleTable(const QString& path, QString* error) {
    std::unique_ptr<Database> database = OpenSchedule(path, error);
    if (!database) return std::nullopt;
    std::unique_ptr<Recordset> table = OpenTable(*database, error);
    if (!table) return std::nullopt;
    std::vector<ScheduleLine> lines;
    if (!table->MoveFirst() && table->RecordCount() != 0) {
        Report(error, database->LastError());
        return std::nullopt;
    }
    while (table->HasCurrent()) {
        lines.push_back(ReadLine(*table));
        if (!table->MoveNext()) {
            Report(error, database->LastError());
            return std::nullopt;
        }
    }
    return lines;
}

// Read in one pass: start-up runs this on every start.
bool IsWholeSchedule(const QString& path, Fault* fault) {
    const std::unique_ptr<Database> database = Database::OpenDatabase(path, nullptr, fault);
    if (!database || !database->ReadsWhole(fault)) return false;
    const QStringList columns(ScheduleColumns().begin(), ScheduleColumns().end());
    bool whole = true;
    long rows = 0;
    const auto isWhole = [](const std::optional<QStringView>& text) { return text && IsWholeDollars(*text); };
    const bool read = database->ReadTexts(kTable, columns, [&](const Database::TextViews& row) {
        ++rows;
        whole = whole && std::all_of(row.begin(), row.end(), isWhole);
    });
    return (read && rows > 0 && whole) || Tell(fault, Fault::Damaged);
}

RowWrite WriteScheduleAmounts(const QString& path, int index, const ScheduleLine& line, QString* error) {
    std::unique_ptr<Database> database = OpenSchedule(path, error);
    if (!database) return RowWrite::Failed;
    std::unique_ptr<Recordset> table = OpenTable(*database, error);
    if (!table || !HasEveryColumn(*table, error)) return RowWrite::Failed;
    if (!MoveTo(*table, index) || table->GetValue(ScheduleColumns()[0]).value_or(QString()) != line.Income)
        return RowWrite::Moved;
    if (table->Edit() && SetAmounts(*table, line) && table->Update()) return RowWrite::Written;
    ReportFault(error, database->LastFault());
    return RowWrite::Failed;
}

bool ReplaceScheduleRows(const QString& path, const std::vector<ScheduleLine>& lines, QString* error) {
    std::unique_ptr<Database> database = OpenSchedule(path, error);
    if (!database) return false;
    std::unique_ptr<Recordset> table = OpenTable(*database, error);
    if (!table || !HasEveryColumn(*table, error)) return false;
    if (!database->BeginTrans()) {
        ReportFault(error, database->LastFault());
        return false;
    }
    if (database->Execute(QString("DELETE FROM %1").arg(kTable)) && AddLines(*table, lines) && database->CommitTrans())
        return true;
    ReportFault(error, database->LastFault());
    database->Rollback();
    return false;
}

}  // namespace qvr
