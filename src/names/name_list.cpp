#include "names/name_list.h"

#include "core/list_order.h"

namespace qvr {
namespace {

bool Blank(const Value& value) { return !value || value->trimmed().isEmpty(); }

bool Listed(const Value& firmname, const Value& keynumber, NameListing listing) {
    if (Blank(keynumber)) return false;
    return listing == NameListing::EveryKeyedRecord || !Blank(firmname);
}

// The name cut or padded to the width; a character cut in half at the end becomes a blank.
QString PaddedName(const QString& name) {
    QString padded = name.leftJustified(kListNameWidth, ' ', true);
    if (padded.back().isHighSurrogate()) padded.back() = ' ';
    return padded;
}

}  // namespace

QString NameListItem(const Value& firmname, const Value& keynumber) {
    return PaddedName(firmname.value_or("")) + keynumber.value_or("");
}

QString ListItemKey(const QString& item) { return item.mid(kListNameWidth).trimmed(); }

QStringList SortedNameList(Recordset& names, NameListing listing) {
    QStringList items;
    for (bool more = names.MoveFirst(); more && !names.IsEOF(); more = names.MoveNext()) {
        const Value firmname = names.GetValue("firmname");
        const Value keynumber = names.GetValue("keynumber");
        if (Listed(firmname, keynumber, listing)) items << NameListItem(firmname, keynumber);
    }
    SortAsListBox(items);
    return items;
}

int RowOfKey(const QStringList& items, const QString& key) {
    const QString wanted = key.trimmed();
    if (wanted.isEmpty()) return -1;
    for (int row = 0; row < items.size(); ++row)
        if (ListItemKey(items[row]) == wanted) return row;
    return -1;
}

}  // namespace qvr
