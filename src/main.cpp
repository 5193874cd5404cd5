#include "app/program_windows.h"
#include "core/windows/program.h"
#include "platform/desktop.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    qvr::InstallDesktopPlatform();
    qvr::RegisterProgramWindows();
    qvr::Main();
    return application.exec();
}
