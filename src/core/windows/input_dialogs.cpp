#include "core/windows/input_dialogs.h"

#include "core/frame.h"
#include "core/program_state.h"
#include "core/values.h"
#include "core/windows/window_kit.h"
#include "platform/messages.h"

#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTime>

namespace qvr {
namespace {

// A maximum length of 0 means no limit, as it does for the platform's text boxes.
int TextLimit(int maxLength) { return maxLength > 0 ? maxLength : 32767; }

QString WithColon(const QString& prompt) { return prompt.trimmed().endsWith(':') ? prompt : prompt + ":"; }

QString AmountPattern() { return state.DialogFormat == "No Comma" ? "##########0.00" : "###,###,##0.00"; }

}  // namespace

PromptDialog::PromptDialog(const QString& name, const QString& acceptCaption, QWidget* parent)
    : QDialog(parent),
      Label1(AddLabel(this, "Label1", QString(), {270, 240, 5580, 915}, MakeFont("Arial", 9.75))),
      Text1(AddTextBox(this, "Text1", {285, 1470, 5610, 360}, MakeFont("MS Sans Serif", 9.75, true))) {
    setObjectName(name);
    CentreOnScreen(this, 6195, 3150);
    SetBackground(this, kLightYellow);
    Command1 = AddButton("Command1", acceptCaption, 1770, 1215);
    cmdCancel = AddButton("cmdCancel", "&Cancel", 3195, 1215);
    // Enter in Text1 reaches the default button, so it accepts exactly as the button does.
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &PromptDialog::cmdCancel_Click);
    Text1->setFocus();
}

QPushButton* PromptDialog::AddButton(const QString& name, const QString& caption, int left, int width) {
    return qvr::AddButton(this, name, caption, {left, 2235, width, 390});
}

void PromptDialog::ShowExchange(const QString& title, const QString& prompt, const QString& value, int maxLength) {
    setWindowTitle(title);
    Label1->setText(prompt);
    Text1->setMaxLength(TextLimit(maxLength));
    Text1->setText(value);
    SelectTrimmedText(Text1);
}

void PromptDialog::cmdCancel_Click() { reject(); }

GetShort::GetShort(QWidget* parent) : PromptDialog("GetShort", "&Ok", parent) {
    ShowExchange(state.DialogTitle, state.DialogPrompt, state.DialogValue, state.DialogMaxLength);
}

void GetShort::Command1_Click() {
    state.DialogValue = Text1->text();
    accept();
}

RenameCase::RenameCase(QWidget* parent) : PromptDialog("RenameCase", "&Done", parent) {
    Text1->setFont(MakeFont("Arial", 12));
    ShowExchange("Add New Case",
                 "Enter the NEW name for the case in the space below.  We suggest that you enter your client's "
                 "lastname, following by his or her firstname.",
                 state.RenameValue, 0);
}

void RenameCase::Command1_Click() {
    state.RenameValue = Text1->text();
    accept();
}

GetAmt::GetAmt(QWidget* parent) : PromptDialog("GetAmt", "&Ok", parent) {
    ShowExchange(state.DialogTitle, state.DialogPrompt, state.DialogValue, 0);
}

void GetAmt::Command1_Click() {
    const QString text = Text1->text();
    if (text.trimmed().isEmpty()) {
        state.DialogValue = "";
    } else if (IsNumeric(text)) {
        state.DialogValue = Format(text, AmountPattern());
    } else {
        MsgBox("Not a valid Amount!", MessageButtons::OkOnly, "Amount");
        Text1->clear();
        return;
    }
    accept();
}

GetDate::GetDate(QWidget* parent) : PromptDialog("GetDate", "&Ok", parent) {
    SetTwipsGeometry(Text1, {285, 1470, 2400, 360});
    AddLabel(this, "Label2", "MM/DD/YYYY", {2820, 1515, 2400, 300}, MakeFont("Arial", 9.75));
    Command1->move(Pixels(1050), Command1->y());
    cmdCancel->move(Pixels(2400), cmdCancel->y());
    connect(AddButton("cmdToday", "&Today's Date", 3750, 1575), &QPushButton::clicked, this,
            &GetDate::cmdToday_Click);
    ShowExchange(state.DialogTitle, state.DialogPrompt, state.DialogValue, 0);
}

void GetDate::Command1_Click() {
    const QString text = Text1->text();
    if (const std::optional<QDate> date = ParseDate(text)) {
        state.DialogValue = FormatDate(*date);
    } else if (text.trimmed().isEmpty() || text == "MM/DD/YYYY") {
        state.DialogValue = text;
    } else {
        MsgBox("You must enter a date using the Format MM/DD/YYYY!", MessageButtons::OkOnly, "Date Verification");
        Text1->clear();
        return;
    }
    accept();
}

void GetDate::cmdToday_Click() { Text1->setText(FormatDate(QDate::currentDate())); }

GetTime::GetTime(QWidget* parent) : PromptDialog("GetTime", "&Ok", parent) {
    SetTwipsGeometry(Text1, {285, 1470, 2400, 360});
    AddLabel(this, "Label2", "HH:MM", {2820, 1515, 2400, 300}, MakeFont("Arial", 9.75));
    Command1->move(Pixels(1050), Command1->y());
    cmdCancel->move(Pixels(2400), cmdCancel->y());
    connect(AddButton("cmdCurrentTime", "&Current Time", 3750, 1575), &QPushButton::clicked, this,
            &GetTime::cmdCurrentTime_Click);
    ShowExchange(state.DialogTitle, WithColon(state.DialogPrompt), state.DialogValue, state.DialogMaxLength);
}

void GetTime::Command1_Click() {
    state.DialogValue = Text1->text();
    accept();
}

void GetTime::cmdCurrentTime_Click() { Text1->setText(QTime::currentTime().toString("HH:mm")); }

GetLong::GetLong(QWidget* parent) : QDialog(parent), Text1(new QPlainTextEdit(this)) {
    setObjectName("GetLong");
    CentreOnScreen(this, 8580, 4245);
    SetBackground(this, kLightYellow);
    setWindowTitle(state.DialogTitle);
    AddLabel(this, "Label1", WithColon(state.DialogPrompt), {285, 240, 8010, 495}, MakeFont("Arial", 9.75));
    Text1->setObjectName("Text1");
    Text1->setFont(MakeFont("MS Sans Serif", 9.75, true));
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SetTwipsGeometry(Text1, {285, 825, 8010, 2640});
    // Lines are kept with carriage return and line feed, as every other text of the program.
    Text1->setPlainText(QString(state.DialogValue).replace("\r\n", "\n"));
    QPushButton* ok = AddButton(this, "Command1", "&Ok", {3682, 3660, 1215, 390});
    ok->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    Text1->setFocus();
}

void GetLong::done(int result) {
    state.DialogValue = Text1->toPlainText().replace("\n", "\r\n");
    QDialog::done(result);
}

producingformbox::producingformbox(QWidget* parent) : QDialog(parent) {
    setObjectName("producingformbox");
    setWindowTitle("Produce Form");
    CentreOnScreen(this, 11130, 6015);
    SetBackground(this, Qt::white);
    const QFont notice = MakeFont("MS Sans Serif", 12, true);
    AddLabel(this, "Label2", "Producing Form... Please Read!", {360, 240, 10440, 495}, MakeFont("Arial", 18, true))
        ->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    AddLabel(this, "Label1",
             "This program merges the data you have entered about your case with the actual PDF form made available "
             "by the Administrative Office of the Courts.  You will need Adobe's free Acrobat Reader (or compatible) "
             "software program installed on this computer in order to display the populated PDF form.",
             {360, 840, 10440, 1560}, notice);
    AddLabel(this, "Label3",
             "It may take 15-30 seconds to create the PDF form, based on the speed of your computer.  Once it is "
             "displayed on your computer's screen, it may be printed.  When you are finished, please be sure to "
             "CLOSE the PDF form.",
             {360, 2520, 10440, 1020}, notice);
    QLabel* discard = AddLabel(this, "Label4",
                               "Keep in mind that any changes you make on the PDF Form itself will be discarded when "
                               "it is closed.  To make permanent changes to the database, return to this program, "
                               "make whatever changes are needed, then produce the PDF Form again.",
                               {360, 3660, 10440, 1350}, notice);
    SetColor(discard, QPalette::WindowText, Qt::red);
    QPushButton* produce = AddButton(this, "Command1", "&Produce Form Now", {3585, 5085, 2400, 495});
    QPushButton* cancel = AddButton(this, "Command2", "&Cancel", {6315, 5085, 1215, 495});
    connect(produce, &QPushButton::clicked, this, &producingformbox::Command1_Click);
    connect(cancel, &QPushButton::clicked, this, &producingformbox::Command2_Click);
    produce->setFocus();
}

void producingformbox::Command1_Click() {
    state.ProduceAnswer = "Y";
    accept();
}

void producingformbox::Command2_Click() {
    state.ProduceAnswer = "N";
    reject();
}

}  // namespace qvr
