#pragma once
// Puts the real dialogs and the desktop behind the message, prompt and shell seams.

namespace qvr {

void InstallDesktopPlatform();

}  // namespace qvr
