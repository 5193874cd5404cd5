#pragma once
// Message boxes and the one-line input prompt. The windows install the real dialogs; code that
// needs no widgets asks through here, so logic tests can answer without a screen.

#include <QString>
#include <functional>
#include <optional>

namespace qvr {

enum class MessageButtons { OkOnly, YesNo };

// Answers as the platform numbers them; callers compare with vbYes.
constexpr int vbOK = 1;
constexpr int vbYes = 6;
constexpr int vbNo = 7;

int MsgBox(const QString& text, MessageButtons buttons, const QString& title);
// The one-line prompt: the typed text, or nullopt when cancelled. Its box takes at most
// `maxCharacters` characters (0: no limit).
std::optional<QString> InputBox(const QString& prompt, const QString& title, const QString& defaultText,
                                int maxCharacters = 0);

using MessageBoxHandler = std::function<int(const QString& text, MessageButtons, const QString& title)>;
using InputBoxHandler = std::function<std::optional<QString>(const QString& prompt, const QString& title,
                                                             const QString& defaultText, int maxCharacters)>;

void SetMessageBoxHandler(MessageBoxHandler handler);
void SetInputBoxHandler(InputBoxHandler handler);

}  // namespace qvr
