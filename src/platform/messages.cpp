#include "platform/messages.h"

namespace qvr {
namespace {

MessageBoxHandler& messageBoxHandler() {
    static MessageBoxHandler handler;
    return handler;
}

InputBoxHandler& inputBoxHandler() {
    static InputBoxHandler handler;
    return handler;
}

}  // namespace

int MsgBox(const QString& text, MessageButtons buttons, const QString& title) {
    if (messageBoxHandler()) return messageBoxHandler()(text, buttons, title);
    return buttons == MessageButtons::YesNo ? vbNo : vbOK;  // nobody to ask: never a silent yes
}

std::optional<QString> InputBox(const QString& prompt, const QString& title, const QString& defaultText,
                                int maxCharacters) {
    if (inputBoxHandler()) return inputBoxHandler()(prompt, title, defaultText, maxCharacters);
    return std::nullopt;
}

void SetMessageBoxHandler(MessageBoxHandler handler) { messageBoxHandler() = std::move(handler); }
void SetInputBoxHandler(InputBoxHandler handler) { inputBoxHandler() = std::move(handler); }

}  // namespace qvr
