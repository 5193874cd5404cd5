#pragma once
// Reading and writing name records of table Names on an open recordset (state.NamesRecordset
// after OpenNamesTable). Values are checked against their columns before anything is written,
// so that a value that does not fit is refused whole instead of failing half-way.

#include "names/name_forms.h"
#include "platform/database.h"

#include <QSet>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

namespace qvr {

using ColumnValues = std::vector<std::pair<QString, QString>>;  // column, value

// Positions the recordset on the first record whose keynumber is `key` (blanks around either do
// not count). False, with no current record, when the key is empty or no record holds it.
bool FindNameRecord(Recordset& names, const QString& key);

// Every key the table holds, trimmed.
QSet<QString> StoredNameKeys(Recordset& names);

// A value longer than its column: the column, what it holds and what the value has.
struct TooLong {
    QString column;
    int width = 0;
    int length = 0;
};
// The first value that its column cannot hold (a column the table lacks holds nothing).
std::optional<TooLong> FirstTooLong(const Recordset& names, const ColumnValues& values);

enum class WriteResult {
    Written,
    TooLong,      // nothing written
    NameMissing,  // no record holds the key (deleted on another workstation)
    Failed,       // the database refused the write
};

// Writes one column of the record with `key`. A part of a person's name (first, middle, last
// name, suffix) also writes the sort, listed and last-first forms made anew from the parts, as
// a new name gets them, when the record has a last name; a firm's forms stay as they are.
WriteResult WriteNameField(Recordset& names, const QString& key, const QString& column, const QString& value,
                           std::optional<TooLong>* tooLong = nullptr);

// Adds a record holding `values` and the empty text in every other column.
WriteResult AddNameRecord(Recordset& names, const ColumnValues& values, std::optional<TooLong>* tooLong = nullptr);

// Deletes the first record with `key`.
WriteResult DeleteNameRecord(Recordset& names, const QString& key);

// A new party as the add-name dialog takes it: a firm by its name, or a person by the parts.
struct NewName {
    bool firm = false;
    QString firmName;
    PersonName person;
};

// True when the new name can be saved: a firm with a firm name, a person with a last name.
bool CanSave(const NewName& name);

// The columns of the record for a new name, the key aside: the name parts (trimmed) and the
// sort, display and last-first forms.
ColumnValues NewNameColumns(const NewName& name);

// Adds the record for a saveable name under a new key that the table does not hold, and gives
// that key.
WriteResult AddNewNameRecord(Recordset& names, const NewName& name, QString* key,
                             std::optional<TooLong>* tooLong = nullptr);

// Repairs the Nulls of the names table (FixNamesNulls), then copies the record with `key` into
// the selected-name block. False, with the block unchanged, when no record holds the key.
bool LoadChosenName(const QString& key);

}  // namespace qvr
