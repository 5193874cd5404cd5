#pragma once
// The current case's record as the worksheets reach it: the cases table opened on the current
// case for one action and closed again on every path, and the record's columns as text.

#include <QString>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>

namespace qvr {

class Recordset;

// Column names compare without regard to letter case, as the database's field names do.
struct ColumnNameLess {
    bool operator()(const QString& a, const QString& b) const {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    }
};
// One case record: column name -> text (a Null reads as the empty text).
using CaseRecord = std::map<QString, QString, ColumnNameLess>;

// A column's text; the empty text for a column the record lacks.
QString ColumnText(const CaseRecord& record, const QString& column);
// A column's leading-number value (0 for an empty or non-numeric text).
double ColumnNumber(const CaseRecord& record, const QString& column);

using NumberColumns = std::initializer_list<std::pair<const char*, double*>>;
// Sets each number to its column's leading-number value.
void ReadNumbers(const CaseRecord& record, NumberColumns columns);

// The cases table for one action: opened and positioned on the current case, closed when the
// scope ends. With no current id nothing is found, unless `firstWhenNone` makes the table's
// first case current, as opening a worksheet does.
class CurrentCaseTable {
public:
    explicit CurrentCaseTable(bool firstWhenNone = false);
    ~CurrentCaseTable();
    CurrentCaseTable(const CurrentCaseTable&) = delete;
    CurrentCaseTable& operator=(const CurrentCaseTable&) = delete;

    // Standing on a case record; false also when the program is ending.
    bool Found() const { return found_; }
    CaseRecord Columns() const;
    // Edits the record, assigns and saves it; false, with nothing saved, when the record refuses.
    bool Write(const std::function<void(Recordset&)>& assign);

private:
    bool found_ = false;
};

// Every column of the current case record (with no current id, of the first case, which becomes
// current); nullopt when there is no case to stand on.
std::optional<CaseRecord> ReadCurrentCaseRecord();

}  // namespace qvr
