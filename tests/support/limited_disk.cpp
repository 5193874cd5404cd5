#include "support/limited_disk.h"

#include <QFile>
#include <csignal>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace qvr::test {
namespace {

void FillTheDisk() {
    std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of ending the process
    const rlimit limit{4096, 4096};
    setrlimit(RLIMIT_FSIZE, &limit);
}

// The child is a single thread, so it may take a mount namespace of its own.
bool MountReadOnly(const char* folder) {
    return unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           mount(folder, folder, nullptr, MS_BIND, nullptr) == 0 &&
           mount(nullptr, folder, nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
}

}  // namespace

bool InAChild(Limit limit, const QString& hostFolder, const std::function<bool()>& action) {
    const QByteArray folder = QFile::encodeName(hostFolder);
    const pid_t child = fork();
    if (child == 0) {
        if (limit == Limit::FullDisk) FillTheDisk();
        const bool byPermissions = limit == Limit::ReadOnlyFolder && !MountReadOnly(folder.constData());
        if (byPermissions) chmod(folder.constData(), 0555);
        const bool done = action();
        if (byPermissions) chmod(folder.constData(), 0755);
        _exit(done ? 0 : 1);
    }
    int status = -1;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace qvr::test
