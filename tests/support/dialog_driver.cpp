#include "support/dialog_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace qvr::test {

ModalAnswerer::Action AsUser(UserActions actions) {
    return [actions = std::move(actions)](QWidget* dialog) {
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
        actions(dialog);
    };
}

QStringList AnswerMessages(const QStringList& buttons, const std::function<void()>& step) {
    // Its own answerer: the dialog's answerer is busy with the dialog while the step runs.
    ModalAnswerer answerer;
    for (const QString& button : buttons) answerer.Click(button);
    step();
    EXPECT_TRUE(answerer.Unexpected().isEmpty());
    return answerer.Texts();
}

QWidget* Control(QWidget* dialog, const QString& name) {
    auto* control = dialog->findChild<QWidget*>(name);
    if (!control) ADD_FAILURE() << "no control " << name.toStdString();
    return control;
}

void Type(QWidget* dialog, const QString& box, const QString& text) {
    auto* edit = qobject_cast<QLineEdit*>(Control(dialog, box));
    ASSERT_NE(edit, nullptr);
    // Clicking into a box brings its window to the front, as it does for a user.
    edit->window()->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(edit->window()));
    QTest::mouseClick(edit, Qt::LeftButton);
    ASSERT_TRUE(edit->hasFocus()) << box.toStdString();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F) {
            QTest::keyClick(edit, c.toLatin1());
        } else {
            // What an input method hands over for a character that has no key of its own.
            QInputMethodEvent commit;
            commit.setCommitString(c);
            QApplication::sendEvent(edit, &commit);
        }
    }
}

void Leave(QWidget* dialog) {
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    ASSERT_EQ(focused->window(), dialog);
    QTest::keyClick(focused, Qt::Key_Tab);
}

void PressEnter(QWidget* dialog) {
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    ASSERT_EQ(focused->window(), dialog);
    QTest::keyClick(focused, Qt::Key_Return);
}

void Click(QWidget* dialog, const QString& control) {
    QWidget* widget = Control(dialog, control);
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
}

void PressAccessKey(QWidget* dialog, const QString& button) {
    auto* pressed = qobject_cast<QAbstractButton*>(Control(dialog, button));
    ASSERT_NE(pressed, nullptr);
    const int amp = pressed->text().indexOf('&');
    ASSERT_GE(amp, 0) << button.toStdString() << " has no access key";
    // The key clicks the button a moment later; the spy hears it after the button's own handler.
    QSignalSpy clicked(pressed, &QAbstractButton::clicked);
    QTest::keyClick(QApplication::focusWidget(), pressed->text().at(amp + 1).toLower().toLatin1(), Qt::AltModifier);
    EXPECT_TRUE(!clicked.isEmpty() || clicked.wait()) << "the access key did not press " << button.toStdString();
}

void CloseBox(QWidget* dialog) { dialog->close(); }

void ClickOkToClose(QWidget* dialog) {
    Click(dialog, "Command1");
    if (!dialog->isVisible()) return;
    ADD_FAILURE() << "the dialog stayed open";
    dialog->hide();
}

const std::vector<StoringClose> kStoringCloses = {
    {"Ok", [](QWidget* dialog) { Click(dialog, "Command1"); }, true},
    {"Alt+O", [](QWidget* dialog) { PressAccessKey(dialog, "Command1"); }, false},
    {"close box", CloseBox, false},
};

QString TextOf(QWidget* dialog, const QString& control) {
    QWidget* widget = Control(dialog, control);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
    if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->currentText();
    ADD_FAILURE() << control.toStdString() << " has no text";
    return {};
}

bool IsChecked(QWidget* dialog, const QString& checkBox) {
    auto* box = qobject_cast<QAbstractButton*>(Control(dialog, checkBox));
    if (!box) ADD_FAILURE() << checkBox.toStdString() << " is no check box";
    return box && box->isChecked();
}

QString FocusedName(QWidget* dialog) {
    const QWidget* focused = dialog->focusWidget();
    return focused ? focused->objectName() : QString();
}

}  // namespace qvr::test
