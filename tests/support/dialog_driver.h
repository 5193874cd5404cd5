#pragma once
// Drives the real worksheet dialogs as a user would: opened modally, typed into, left with the
// Tab key, closed by their buttons, the Enter key or the close box.

#include "support/modal_answerer.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>
#include <gtest/gtest.h>

namespace qvr::test {

using UserActions = std::function<void(QWidget* dialog)>;

// Wraps what the user does in a dialog so that it starts once the dialog is the active window.
ModalAnswerer::Action AsUser(UserActions actions);

// Shows the dialog modally and answers it, and any message box it opens, from `answerer`.
template <typename Dialog>
void Open(ModalAnswerer& answerer) {
    Dialog dialog;
    dialog.exec();
    EXPECT_TRUE(answerer.Unexpected().isEmpty()) << "unexpected: " << answerer.Unexpected().join(", ").toStdString();
}

template <typename Dialog>
void Open(UserActions actions) {
    ModalAnswerer answerer;
    answerer.Then(AsUser(std::move(actions)));
    Open<Dialog>(answerer);
}

// Runs a step of the user's that opens message boxes over the dialog, answering them by
// clicking `buttons` in turn; returns the texts of the messages.
QStringList AnswerMessages(const QStringList& buttons, const std::function<void()>& step);

QWidget* Control(QWidget* dialog, const QString& name);
// Clicks into the box, selects its text and types over it.
void Type(QWidget* dialog, const QString& box, const QString& text);
// Presses Tab in the focused control, so that it is left.
void Leave(QWidget* dialog);
void PressEnter(QWidget* dialog);
void Click(QWidget* dialog, const QString& control);
// Presses the button's access key with Alt (Alt+O for "&Ok") and returns once the button acted.
void PressAccessKey(QWidget* dialog, const QString& button);
void CloseBox(QWidget* dialog);
// Clicks "&Ok" (Command1); a dialog that stays open fails the test and is hidden, never waited for.
void ClickOkToClose(QWidget* dialog);

// The ways of closing a worksheet dialog that store what it holds. Clicking "&Ok" (Command1)
// leaves the box being typed in; Alt+O and the close box do not.
struct StoringClose {
    const char* name;
    void (*close)(QWidget* dialog);
    bool leavesTheBox;
};
extern const std::vector<StoringClose> kStoringCloses;

// The text of a text box, label, check box or the current item of a combo box.
QString TextOf(QWidget* dialog, const QString& control);
bool IsChecked(QWidget* dialog, const QString& checkBox);
// The name of the control that has the focus in the dialog, or gets it when the dialog is active again.
QString FocusedName(QWidget* dialog);

}  // namespace qvr::test
