#include "core/startup.h"
#include "platform/desktop.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    qvr::InstallDesktopPlatform();
    qvr::Main();
    return 0;
}
