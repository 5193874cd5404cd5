#pragma once
// The items of the names lists: the sort form of a name padded to a fixed width, its key after
// it out of sight, sorted by their text.

#include "platform/database.h"

#include <QString>
#include <QStringList>

namespace qvr {

constexpr int kListNameWidth = 100;

// `firmname` padded on the right with blanks to exactly 100 characters (a longer one cut), then
// `keynumber` as stored.
QString NameListItem(const Value& firmname, const Value& keynumber);
// The key that an item carries, trimmed of blanks; empty for an empty item.
QString ListItemKey(const QString& item);

enum class NameListing {
    EveryKeyedRecord,  // every record with a key, also one whose firmname is empty
    NamedAndKeyed,     // only records with both a firmname and a key
};

// One item per listed record of the table, in the list boxes' order of their text.
// Leaves the recordset at its end.
QStringList SortedNameList(Recordset& names, NameListing listing);

// The row of the item that carries `key`, or -1.
int RowOfKey(const QStringList& items, const QString& key);

}  // namespace qvr
