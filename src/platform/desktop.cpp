#include "platform/desktop.h"

#include "platform/character_limit.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/shell.h"

#include <QApplication>
#include <QEventLoop>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>

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

// The desktop's opener hands the file on and ends at once: 0 when a program took it, 3 when it
// found none, 4 when the program failed. Without a desktop it runs the program it found until
// that closes, so an opener still running after this wait is showing the file.
constexpr int kOpenerAnswerMilliseconds = 5000;

// The windows are painted while the opener is waited for (the dialog that asked for the document
// goes from the screen); what the user does meanwhile waits until then.
bool AnsweredInTime(QProcess& opener) {
    QEventLoop wait;
    QObject::connect(&opener, &QProcess::finished, &wait, &QEventLoop::quit);
    QTimer::singleShot(kOpenerAnswerMilliseconds, &wait, &QEventLoop::quit);
    if (opener.state() != QProcess::NotRunning) wait.exec(QEventLoop::ExcludeUserInputEvents);
    return opener.state() == QProcess::NotRunning;
}

// An opener still running is left to end by itself; it holds no pipe of ours that its program
// could fill.
bool OpenWithDesktop(const QString& windowsPath) {
    if (!files::FileExists(windowsPath)) return false;
    auto* opener = new QProcess(QCoreApplication::instance());
    opener->setStandardInputFile(QProcess::nullDevice());
    opener->setStandardOutputFile(QProcess::nullDevice());
    opener->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(opener, &QProcess::finished, opener, &QObject::deleteLater);
    opener->start("xdg-open", {files::HostPath(windowsPath)});
    if (!opener->waitForStarted()) {
        delete opener;
        return false;
    }
    if (!AnsweredInTime(*opener)) return true;
    return opener->exitStatus() == QProcess::NormalExit && opener->exitCode() == 0;
}

}  // namespace

void InstallDesktopPlatform() {
    SetMessageBoxHandler(ShowMessageBox);
    SetInputBoxHandler(ShowInputBox);
    SetOpenDocumentHandler(OpenWithDesktop);
}

}  // namespace qvr
