#pragma once
// What every worksheet dialog shares: a fixed-size modal window laid out in twips, controls
// named as the program calls them, a lost-focus hook, and the unload step that runs once
// however the dialog closes.

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QString>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qvr {

// A control's place on its window: left, top, width and height in twips.
struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

inline const QColor kLightYellow{255, 255, 192};
inline const QColor kFieldBlue{0, 0, 255};
inline const QColor kRed{255, 0, 0};

QFont ArialFont(double points, bool bold = false);

// A modal dialog whose unload handler runs once, whichever way it closes. The Escape key does
// nothing: these dialogs have no cancel.
class ModalForm : public QDialog {
public:
    ModalForm(const QString& name, int clientWidth, int clientHeight);

    void done(int result) override;

protected:
    virtual void Form_Unload() {}
    void keyPressEvent(QKeyEvent* event) override;
    void SetBackground(const QColor& color);

    QLabel* AddLabel(const QString& name, const QString& text, Twips place, const QFont& font);
    QLineEdit* AddTextBox(const QString& name, Twips place, const QFont& font);
    QPushButton* AddButton(const QString& name, const QString& caption, Twips place);
    QComboBox* AddComboBox(const QString& name, Twips place, const QFont& font);
    QCheckBox* AddCheckBox(const QString& name, const QString& caption, Twips place, const QFont& font);

private:
    bool unloaded_ = false;
};

void Place(QWidget* control, Twips place);
void SetTextColors(QWidget* control, const QColor& text, const QColor& background);

// Runs `handler` each time the control loses the focus to another control of its window; a
// focus lost to another window or to a popup does not count.
void OnLostFocus(QWidget* control, std::function<void()> handler);

// Selects from the first character over the length of the text trimmed of blanks.
void SelectTrimmedText(QLineEdit* box);

// A value handed back as a currency amount: rounded to four decimals, no thousands separator,
// no leading blank ("433", "41.6667", "0").
QString CurrencyText(double value);

// The amount of a text given as an amount: the whole amount when the text reads as a number
// (thousands separators accepted), else the number it begins with.
double AmountOf(const QString& text);

}  // namespace qvr
