#pragma once
// Answers the modal dialogs and message boxes that the code under test opens, as a user would:
// one queued action per dialog, in the order they appear. A dialog that finds no action left is
// recorded as unexpected and closed, so a test never hangs. An action may open further dialogs:
// they are answered by the next actions. While a second answerer lives, it alone answers.

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>

class QWidget;

namespace qvr::test {

class ModalAnswerer : public QObject {
public:
    ModalAnswerer();
    ~ModalAnswerer() override;

    using Action = std::function<void(QWidget* dialog)>;
    ModalAnswerer& Then(Action action);
    // Clicks the dialog's button whose caption, without "&", is `caption`.
    ModalAnswerer& Click(const QString& caption);

    int Answered() const { return answered_; }
    QStringList Titles() const { return titles_; }  // window titles of every dialog seen
    QStringList Texts() const { return texts_; }    // message-box texts (empty for other dialogs)
    QStringList Unexpected() const { return unexpected_; }

    static void ClickButton(QWidget* dialog, const QString& caption);

private:
    void Poll();

    QTimer timer_;
    std::deque<Action> actions_;
    QPointer<QWidget> lastSeen_;
    QPointer<QWidget> candidate_;
    int answered_ = 0;
    QStringList titles_;
    QStringList texts_;
    QStringList unexpected_;
};

}  // namespace qvr::test
