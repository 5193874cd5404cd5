#include "platform/desktop.h"

#include "platform/files.h"
#include "platform/messages.h"
#include "platform/shell.h"

#include <QApplication>
#include <QDesktopServices>
#include <QInputDialog>
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

std::optional<QString> ShowInputBox(const QString& prompt, const QString& title, const QString& defaultText) {
    bool accepted = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), title, prompt, QLineEdit::Normal,
                                               defaultText, &accepted);
    if (!accepted) return std::nullopt;
    return text;
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
