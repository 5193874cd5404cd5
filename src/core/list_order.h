#pragma once
// The order of the program's sorted list boxes (the case list and the names lists): alphabetical
// as the list box of the platform sorts, letter case ignored and an accented letter with its base
// letter, so "Ábalos" comes before "Zeller" and "de la Cruz" among the D's.

#include <QString>
#include <QStringList>

namespace qvr {

// The text as the sorting sees it: case folded, accents dropped, ligatures and letters such as
// "ß" or "ø" spelled with their base letters.
QString ListSortKey(const QString& text);

// Sorts the items by their sort keys; items with the same key keep a fixed order among
// themselves (by their text as stored), so a list comes out the same every time.
void SortAsListBox(QStringList& items);

}  // namespace qvr
