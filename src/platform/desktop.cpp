#include "platform/desktop.h"

#include "platform/character_limit.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/shell.h"

#include <QApplication>
#include <QDesktopServices>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QUrl>

namespace qvr {
namespace {

int ShowMessageBox(const QString& text, MessageButtons buttons, const QString& title) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);  // texts carry names users typed
    box.setText(text);
    if (buttons == MessageButtons::YesNo) {
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int answer = box.exec();
    if (buttons == MessageButtons::OkOnly) return vbOK;
    return answer == QMessageBox::Yes ? vbYes : vbNo;
}

std::optional<QString> ShowInputBox(const QString& prompt, const QString& title, const QString& defaultText,
                                    int maxCharacters) {
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    LimitCharacters(dialog.findChild<QLineEdit*>(), maxCharacters);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
}

// The desktop's opener answers only whether it could be started, so a file that is not there is
// caught here.
bool OpenWithDesktop(const QString& windowsPath) {
    if (!files::FileExists(windowsPath)) return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(files::HostPath(windowsPath)));
}

}  // namespace

void InstallDesktopPlatform() {
    SetMessageBoxHandler(ShowMessageBox);
    SetInputBoxHandler(ShowInputBox);
    SetOpenDocumentHandler(OpenWithDesktop);
}

}  // namespace qvr
