#pragma once
// Answers the production's confirmation at once, so that a benchmark of a production measures
// the production and not a user.

#include <QEvent>
#include <QObject>
#include <QPushButton>
#include <QTimer>

namespace qvr {

// Clicks "&Produce Form Now" as soon as the confirmation shows; install it on the application.
class ConfirmationAnswerer : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->objectName() == "producingformbox") {
            auto* produce = watched->findChild<QPushButton*>("Command1");
            QTimer::singleShot(0, produce, &QPushButton::click);
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace qvr
