#pragma once
// The start window: the program's picture, title, maker and version, and the way on to the case
// library. Until the case library has been opened in this run, Esc opens the file utilities.

#include <QTimer>
#include <QWidget>

class QLabel;

namespace qvr {

class Splash : public QWidget {
    Q_OBJECT
public:
    Splash();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QLabel* AddLabel(const QString& name, const QString& text, int pointSize, bool bold);
    // Waits for the checks of the files still running; true when the user was told something.
    bool FinishStartChecks();
    void TellEndedChecks();
    // A click on the picture, its title, its maker or the instruction below it.
    void Image1_Click();

    QTimer checks_;
};

}  // namespace qvr
