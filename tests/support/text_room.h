#pragma once
// How much of a text a box shows.

class QLineEdit;
class QString;

namespace qvr::test {

// The width in pixels that the box gives its text, as the box lays it out when painting: its
// contents less its text margins, the blank at each side and the cursor.
int TextRoom(const QLineEdit* box);

// Whether the whole of `text` shows in the box at once, in the box's font.
bool ShowsWhole(const QLineEdit* box, const QString& text);

}  // namespace qvr::test
