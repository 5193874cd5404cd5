// Start-up up to the shaded-area bounds on a fixed folder that already holds every database.

#include "core/program_state.h"
#include "core/startup.h"
#include "platform/files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void StartUpOnExistingFolder(benchmark::State& bench) {
    QTemporaryDir drive;
    QDir().mkpath(drive.path() + "/QVRForms");
    for (const char* name : {"TABLE24.MDB", "Table23.mdb"})
        QFile::copy(QString(SHIPPED_DIR) + "/" + name, drive.path() + "/QVRForms/" + name);
    qvr::files::MapDrive('C', drive.path());
    QDir::setCurrent(drive.path());
    qvr::StartUp();  // the first start makes the databases; the measured ones find them

    for (auto _ : bench) {
        qvr::state = qvr::ProgramState{};
        qvr::StartUp();
    }
    qvr::state = qvr::ProgramState{};
}
BENCHMARK(StartUpOnExistingFolder)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
