#include "platform/shell.h"

#include "platform/files.h"
#include "platform/messages.h"

#include <QDir>

namespace qvr {
namespace {

std::function<bool(const QString&)>& openHandler() {
    static std::function<bool(const QString&)> handler;
    return handler;
}

// Where the user finds the file on this computer.
QString ShownLocation(const QString& windowsPath) {
    const QString hostPath = files::HostPath(windowsPath);
    return hostPath.isEmpty() ? windowsPath : QDir::toNativeSeparators(hostPath);
}

}  // namespace

bool OpenDocument(const QString& windowsPath) {
    return openHandler() ? openHandler()(windowsPath) : false;
}

void SetOpenDocumentHandler(std::function<bool(const QString& windowsPath)> handler) {
    openHandler() = std::move(handler);
}

bool OpenDocumentOrTellWhere(const QString& windowsPath, const QString& title) {
    if (OpenDocument(windowsPath)) return true;
    MsgBox("No program could be started to show this document.  It is saved as:\r\n\r\n" +
               ShownLocation(windowsPath) + "\r\n\r\nOpen it with a PDF viewer to read or print it.",
           MessageButtons::OkOnly, title);
    return false;
}

}  // namespace qvr
