#pragma once
// The small modal dialogs that ask the user for one value. A caller sets the dialog variables of
// `state` (DialogTitle, DialogPrompt, DialogValue, DialogMaxLength, DialogFormat, RenameValue,
// ProduceAnswer), shows the dialog with exec(), and reads the answer back from `state` once the
// dialog has closed itself. Every dialog opens centred on the screen.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace qvr {

// The one-line prompt that the family shares: the prompt `Label1`, the answer `Text1`, the
// accepting button `Command1` (Enter in `Text1` does the same) and `cmdCancel`, which closes and
// leaves the exchange as the caller set it.
class PromptDialog : public QDialog {
    Q_OBJECT
protected:
    PromptDialog(const QString& name, const QString& acceptCaption, QWidget* parent);

    // Fills the controls at load: caption, prompt, initial text (typing replaces it).
    void ShowExchange(const QString& title, const QString& prompt, const QString& value, int maxLength);
    virtual void Command1_Click() = 0;
    void cmdCancel_Click();
    QPushButton* AddButton(const QString& name, const QString& caption, int left, int width);

    QLabel* Label1;
    QLineEdit* Text1;
    QPushButton* Command1;
    QPushButton* cmdCancel;
};

// One line of text, e.g. a case name; DialogValue receives the text exactly as typed.
class GetShort : public PromptDialog {
    Q_OBJECT
public:
    explicit GetShort(QWidget* parent = nullptr);

private:
    void Command1_Click() override;
};

// A new case name through RenameValue; no window opens it.
class RenameCase : public PromptDialog {
    Q_OBJECT
public:
    explicit RenameCase(QWidget* parent = nullptr);

private:
    void Command1_Click() override;
};

// An amount; DialogValue receives it formatted with two decimals (thousands separators unless
// DialogFormat is "No Comma"), or the empty text. No window opens it.
class GetAmt : public PromptDialog {
    Q_OBJECT
public:
    explicit GetAmt(QWidget* parent = nullptr);

private:
    void Command1_Click() override;
};

// A date; DialogValue receives it as MM/DD/YYYY. No window opens it.
class GetDate : public PromptDialog {
    Q_OBJECT
public:
    explicit GetDate(QWidget* parent = nullptr);

private:
    void Command1_Click() override;
    void cmdToday_Click();
};

// A time of day, taken as typed. No window opens it.
class GetTime : public PromptDialog {
    Q_OBJECT
public:
    explicit GetTime(QWidget* parent = nullptr);

private:
    void Command1_Click() override;
    void cmdCurrentTime_Click();
};

// Several lines of text; DialogValue receives them however the dialog is closed. No window
// opens it.
class GetLong : public QDialog {
    Q_OBJECT
public:
    explicit GetLong(QWidget* parent = nullptr);

    void done(int result) override;

private:
    QPlainTextEdit* Text1;
};

// The confirmation before a court form is produced: ProduceAnswer becomes "Y" by
// "&Produce Form Now" and "N" by "&Cancel"; any other closing leaves it as the caller set it.
class producingformbox : public QDialog {
    Q_OBJECT
public:
    explicit producingformbox(QWidget* parent = nullptr);

private:
    void Command1_Click();
    void Command2_Click();
};

}  // namespace qvr
