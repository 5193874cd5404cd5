#pragma once
// The program's entry point, once the application object and the desktop platform exist.

namespace qvr {

// Start-up, then the main window with its caption and the start window inside it. Registers the
// working windows of the core; the rest of the program registers its own.
void Main();

}  // namespace qvr
