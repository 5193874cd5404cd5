// Opening the case library on a data folder that holds 5,000 cases: the load rebuilds the
// databases' columns, repairs Null columns, lists and sorts every case and selects the current one.

#include "core/cases_database.h"
#include "core/frame.h"
#include "core/program_state.h"
#include "core/settings_database.h"
#include "core/startup.h"
#include "core/windows/background.h"
#include "core/windows/case_library.h"
#include "platform/files.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kCases = 5000;

void StoreCases(int count) {
    auto db = qvr::Database::OpenDatabase(qvr::state.CasesDatabasePath);
    auto records = db->OpenRecordset("Cases");
    db->BeginTrans();
    for (int n = 0; n < count; ++n) {
        const QString id = QString("CA%1").arg(n, 6, 10, QChar('0'));
        records->AddNew();
        records->SetValue("casedesc", QString("Case %1 v. Party %2").arg((n * 7919) % count).arg(n));
        records->SetValue("caseid", id);
        records->SetValue("casefile", id);
        records->SetValue("county", QString("Wake"));
        records->Update();
    }
    db->CommitTrans();
}

void BM_OpenCaseLibrary(benchmark::State& bench) {
    QTemporaryDir drive;
    QDir().mkpath(drive.path() + "/QVRForms");
    qvr::files::MapDrive('C', drive.path());
    QDir::setCurrent(drive.path());
    qvr::SetStartValues();
    qvr::UpdateMainDatabase();
    qvr::ReadMainRecord();
    qvr::SetDatabasePaths();
    StoreCases(kCases);
    qvr::RegisterWorkingWindow("CaseLibrary", qvr::MakeCaseLibrary);
    qvr::state.CurrentCaseId = "CA002500";

    for (auto _ : bench) {
        qvr::ShowWorkingWindow("CaseLibrary");
        bench.PauseTiming();
        qvr::UnloadAllForms();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        bench.ResumeTiming();
    }
    qvr::DiscardMainWindow();
    qvr::state = qvr::ProgramState{};
    qvr::files::ResetDriveMapping();
}
BENCHMARK(BM_OpenCaseLibrary)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
