#include "core/windows/program.h"

#include "core/frame.h"
#include "core/program_state.h"
#include "core/startup.h"
#include "core/windows/background.h"
#include "core/windows/case_library.h"
#include "core/windows/location.h"
#include "core/windows/splash.h"
#include "platform/program_end.h"

#include <QCoreApplication>

namespace qvr {
namespace {

void RegisterCoreWindows() {
    RegisterWorkingWindow("Splash", [] { return new Splash; });
    RegisterWorkingWindow("Location", [] { return new Location; });
    RegisterWorkingWindow("CaseLibrary", MakeCaseLibrary);
}

}  // namespace

void Main() {
    RegisterCoreWindows();
    StartUp();
    if (ProgramEndRequested()) return;
    // Message boxes without a title of their own show the program's title.
    QCoreApplication::setApplicationName(state.ProgramShortTitle);
    MainWindow().setWindowTitle(state.ProgramShortTitle);
    ShowWorkingWindow("Splash");
}

}  // namespace qvr
