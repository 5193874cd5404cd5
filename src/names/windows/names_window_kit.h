#pragma once
// What the names windows share besides the window kit: their lists of names, the focus
// highlight of their text boxes and the messages about a write that failed.

#include "core/windows/window_kit.h"
#include "names/name_list.h"
#include "names/name_records.h"

#include <QString>
#include <optional>

class QListWidget;
class QWidget;

namespace qvr {

// Adds the names of state.NamesRecordset (none when the table could not be opened) to the
// emptied list and selects the row of `key`, or else the row nearest to `fallbackRow`; returns
// the row selected, -1 when nothing is listed.
int FillNameList(QListWidget* list, NameListing listing, const QString& key, int fallbackRow = 0);

// The box turns light yellow while it has the focus and white when it loses it.
void HighlightFocus(QWidget* box);

// How the user is told that a value was not written.
void ReportNameMissing();
void ReportWriteFailed();
// Tells the user about any result but Written; true when it was written.
bool Written(WriteResult result, const std::optional<TooLong>& tooLong);

// What a column of a name record is called on screen.
QString ColumnCaption(const QString& column);

}  // namespace qvr
