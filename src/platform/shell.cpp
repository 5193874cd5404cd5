#include "platform/shell.h"

namespace qvr {
namespace {

std::function<bool(const QString&)>& openHandler() {
    static std::function<bool(const QString&)> handler;
    return handler;
}

}  // namespace

bool OpenDocument(const QString& windowsPath) {
    return openHandler() ? openHandler()(windowsPath) : false;
}

void SetOpenDocumentHandler(std::function<bool(const QString& windowsPath)> handler) {
    openHandler() = std::move(handler);
}

}  // namespace qvr
