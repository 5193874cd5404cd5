#pragma once
// The order of the program's sorted list boxes (the case list and the names lists): alphabetical
// as the list box of the platform sorts, letter case ignored and an accented letter with its base
// letter, so "Ábalos" comes before "Zeller" and "de la Cruz" among the D's.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace qvr {

// The text as the sorting sees it: case folded, accents dropped, ligatures and letters such as
// "ß" or "ø" spelled with their base letters.
QString ListSortKey(const QString& text);

// Sorts the items by their sort keys; items with the same key keep a fixed order among
// themselves (by their text as stored), so a list comes out the same every time.
void SortAsListBox(QStringList& items);

// Whether item `a` comes before item `b` in that order.
bool ListsBefore(const QString& a, const QString& b);

// The first characters of a sort key packed into numbers: two items whose heads differ are in
// the order of their heads, so a long list is sorted without a whole key for every item.
using SortKeyHead = std::array<quint64, 4>;
constexpr qsizetype kSortKeyHeadLength = 16;

// The head of the key of an item that begins with `start`, where the head's length of plain ASCII
// tells it; nullopt otherwise.
std::optional<SortKeyHead> AsciiSortKeyHead(QStringView start);
// The head of the item's key.
SortKeyHead ListSortKeyHead(const QString& item);

}  // namespace qvr
