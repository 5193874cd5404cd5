#pragma once
// What every window shares: controls laid out in twips, fonts and colours, named labels, buttons
// and boxes, fixed-size dialogs in the middle of the screen, and the lost-focus hook.

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <functional>

class QCheckBox;
class QComboBox;
class QDialog;
class QFocusEvent;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QPushButton;
class QRadioButton;
class QWidget;

namespace qvr {

// A control's place on its window: left, top, width and height in twips.
struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

void SetTwipsGeometry(QWidget* widget, Twips place);

QFont MakeFont(const QString& family, double points, bool bold = false);

inline const QColor kLightYellow{0xFF, 0xFF, 0xC0};  // &H00C0FFFF&
inline const QColor kLightGrey{0xE0, 0xE0, 0xE0};    // &H00E0E0E0&
inline const QColor kNavy{0x00, 0x00, 0x80};         // &H00800000&

void SetColor(QWidget* widget, QPalette::ColorRole role, const QColor& color);
// The widget's own area filled with the colour.
void SetBackground(QWidget* widget, const QColor& color);
// A text box's own colour (the part the text is written on); a disabled box keeps the style's look.
void SetBoxColor(QWidget* box, const QColor& color);
// The text and everything behind it, whatever kind of control it is.
void SetTextColors(QWidget* control, const QColor& text, const QColor& background);

// Gives a dialog a fixed client size and puts it in the middle of the screen.
void CentreOnScreen(QDialog* dialog, int widthTwips, int heightTwips);

// Labels show their text as it is (it may be what the user typed), wrapped, from the top left.
QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, const QFont& font);
QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, Twips place, const QFont& font);
QPushButton* AddButton(QWidget* parent, const QString& name, const QString& caption);
QPushButton* AddButton(QWidget* parent, const QString& name, const QString& caption, Twips place);
QLineEdit* AddTextBox(QWidget* parent, const QString& name, Twips place, const QFont& font);
QComboBox* AddComboBox(QWidget* parent, const QString& name, Twips place, const QFont& font);
// A list box whose long items run on out of sight rather than being cut short with an ellipsis.
QListWidget* AddListBox(QWidget* parent, const QString& name, Twips place, const QFont& font);
// The same over a model of the caller's.
QListView* AddListView(QWidget* parent, const QString& name, Twips place, const QFont& font);
QCheckBox* AddCheckBox(QWidget* parent, const QString& name, const QString& caption, Twips place, const QFont& font);
QRadioButton* AddOptionButton(QWidget* parent, const QString& name, const QString& caption, Twips place,
                              const QFont& font);

// Whether the focus went to another control of the program: the window losing the focus to
// another window, a message box or a popup does not count.
bool LeftForAnotherControl(const QFocusEvent* event);
// Runs `handler` each time the control loses the focus to another control of its window, while
// the window is shown.
void OnLostFocus(QWidget* control, std::function<void()> handler);

// Selects from the first character over the length of the text trimmed of blanks.
void SelectTrimmedText(QLineEdit* box);

}  // namespace qvr
