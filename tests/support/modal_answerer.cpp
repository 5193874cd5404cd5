#include "support/modal_answerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QWidget>
#include <gtest/gtest.h>

namespace qvr::test {
namespace {

// The answerers alive, innermost last: only the innermost one answers.
std::vector<const ModalAnswerer*>& LiveAnswerers() {
    static std::vector<const ModalAnswerer*> answerers;
    return answerers;
}

}  // namespace

ModalAnswerer::ModalAnswerer() : lastSeen_(QApplication::activeModalWidget()) {
    // A dialog open before this answerer starts is another's question.
    LiveAnswerers().push_back(this);
    connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::Poll);
    timer_.start(5);
}

ModalAnswerer::~ModalAnswerer() { std::erase(LiveAnswerers(), this); }

ModalAnswerer& ModalAnswerer::Then(Action action) {
    actions_.push_back(std::move(action));
    return *this;
}

ModalAnswerer& ModalAnswerer::Click(const QString& caption) {
    return Then([caption](QWidget* dialog) { ClickButton(dialog, caption); });
}

void ModalAnswerer::ClickButton(QWidget* dialog, const QString& caption) {
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        if (button->text().remove('&') == caption && button->isVisible()) {
            button->click();
            return;
        }
    }
    ADD_FAILURE() << "no button \"" << caption.toStdString() << "\" in dialog \""
                  << dialog->windowTitle().toStdString() << "\"";
    dialog->close();
}

void ModalAnswerer::Poll() {
    if (LiveAnswerers().back() != this) return;
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog || dialog == lastSeen_) {
        candidate_ = nullptr;
        return;
    }
    // Act only on a dialog that is still on top at the next look: one that shows for a moment
    // while a dialog over it closes and it closes itself is no new question.
    if (dialog != candidate_) {
        candidate_ = dialog;
        return;
    }
    lastSeen_ = dialog;
    titles_ << dialog->windowTitle();
    auto* box = qobject_cast<QMessageBox*>(dialog);
    texts_ << (box ? box->text() : QString());
    if (actions_.empty()) {
        unexpected_ << dialog->windowTitle();
        dialog->close();
        return;
    }
    Action action = std::move(actions_.front());
    actions_.pop_front();
    ++answered_;
    // Run outside this timer's slot, so that a dialog the action opens is answered too.
    QTimer::singleShot(0, dialog, [action = std::move(action), dialog] { action(dialog); });
}

}  // namespace qvr::test
