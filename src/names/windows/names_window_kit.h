#pragma once
// What the names windows share: layout in twips, fonts and colours, the focus highlight of their
// text boxes, the limit of a box to its column, and the messages about a write that failed.

#include "names/name_records.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace qvr {

inline const QColor kLightYellow{0xFF, 0xFF, 0xC0};  // &H00C0FFFF&

QFont MakeFont(const QString& family, double points, bool bold = false);
void SetTwipsGeometry(QWidget* widget, int left, int top, int width, int height);
void SetBackground(QWidget* widget, const QColor& color);
// A text box's own colour (the part the text is written on).
void SetBoxColor(QWidget* box, const QColor& color);

// Gives a dialog a fixed client size and puts it in the middle of the screen.
void CentreOnScreen(QDialog* dialog, int widthTwips, int heightTwips);

QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, const QFont& font);
QPushButton* AddButton(QWidget* parent, const QString& name, const QString& caption);

// The box turns light yellow while it has the focus and white when it loses it.
void HighlightFocus(QWidget* box);
// Typing or pasting beyond `characters` is refused; 0 or less: no limit.
void LimitCharacters(QLineEdit* box, int characters);

// How the user is told that a value was not written.
void ReportNameMissing();
void ReportWriteFailed();
// Tells the user about any result but Written; true when it was written.
bool Written(WriteResult result, const std::optional<TooLong>& tooLong);

// What a column of a name record is called on screen.
QString ColumnCaption(const QString& column);

}  // namespace qvr
