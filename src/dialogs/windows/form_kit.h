#pragma once
// What every worksheet dialog shares besides the window kit: a fixed-size modal window whose
// unload step runs once however it closes, and buttons that the Enter key leaves alone.

#include "core/windows/window_kit.h"

#include <QColor>
#include <QDialog>
#include <QString>

namespace qvr {

inline const QColor kFieldBlue{0, 0, 255};

// A modal dialog whose unload handler runs once, whichever way it closes, unless its query keeps
// it open. The Escape key does nothing: these dialogs have no cancel.
class ModalForm : public QDialog {
public:
    ModalForm(const QString& name, int clientWidth, int clientHeight);

    void done(int result) override;

protected:
    // Asked before every close: false keeps the dialog open, with the user told what to correct.
    virtual bool Form_QueryUnload() { return true; }
    virtual void Form_Unload() {}
    void keyPressEvent(QKeyEvent* event) override;

    // Enter belongs to the text boxes: a button is pressed by clicking it or by the space bar.
    QPushButton* AddButton(const QString& name, const QString& caption, Twips place);

private:
    bool unloaded_ = false;
};

// Tells the user what to correct and puts the focus in the box, its text selected.
void AskToCorrect(QLineEdit* box, const QString& message, const QString& title);

// An amount that the worksheet cannot show whole is refused: the user is told, and `box` is
// selected to correct it. True when refused.
bool RefuseTooLarge(double amount, QLineEdit* box);

}  // namespace qvr
