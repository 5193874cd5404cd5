#include "dialogs/windows/form_kit.h"

#include "core/frame.h"
#include "core/values.h"
#include "platform/messages.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace qvr {

ModalForm::ModalForm(const QString& name, int clientWidth, int clientHeight) {
    setObjectName(name);
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(Pixels(clientWidth), Pixels(clientHeight));
}

void ModalForm::done(int result) {
    if (!unloaded_) {
        if (!Form_QueryUnload()) return;
        unloaded_ = true;
        Form_Unload();
    }
    QDialog::done(result);
}

void ModalForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

QPushButton* ModalForm::AddButton(const QString& name, const QString& caption, Twips place) {
    QPushButton* button = qvr::AddButton(this, name, caption, place);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

void AskToCorrect(QLineEdit* box, const QString& message, const QString& title) {
    MsgBox(message, MessageButtons::OkOnly, title);
    box->activateWindow();
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}

bool RefuseTooLarge(double amount, QLineEdit* box) {
    if (AmountFits(amount)) return false;
    AskToCorrect(box,
                 "This amount is too large for the worksheet and the court form, which show amounts up to "
                 "9,999,999.99.  Please enter a smaller amount.",
                 "Amount Too Large");
    return true;
}

}  // namespace qvr
