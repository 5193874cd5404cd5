// What a user waits for in a busy office's library (1, 5,000 and 50,000 cases, the current case
// stored last): one worksheet A recompute as its window runs it, choosing a case in the case
// library, opening worksheet A, opening the case library. Each measure lets the windows lay out
// and paint, as the event loop would before the user sees the result.

#include "app/program_windows.h"
#include "core/cases_database.h"
#include "core/frame.h"
#include "core/program_state.h"
#include "core/startup.h"
#include "core/windows/background.h"
#include "core/windows/case_library.h"
#include "platform/files.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>

namespace qvr {
namespace {

QTemporaryDir& Drive() {
    static QTemporaryDir drive;
    return drive;
}

QString CaseId(int n) { return QString("CA%1").arg(n, 6, 10, QChar('0')); }

// A worksheet's entries in every case, names in no particular order; the rest empty, as after
// the repair walk.
void StoreCases(int count) {
    auto db = Database::OpenDatabase(state.CasesDatabasePath);
    auto records = db->OpenRecordset("Cases");
    const std::pair<const char*, const char*> entries[] = {
        {"county", "Wake"}, {"child1name", "Ann"}, {"child2name", "Bo"}, {"whosecustody", "D"},
        {"pinc", " 2520"},  {"poc", " 1"},         {"dinc", " 3500"},    {"padja", " 100"},
    };
    db->BeginTrans();
    for (int n = 0; n < count; ++n) {
        records->AddNew();
        records->SetValue("casedesc", QString("Case %1 v. Party %2").arg((n * 7919) % count).arg(n));
        records->SetValue("caseid", CaseId(n));
        records->SetValue("casefile", CaseId(n));
        for (const auto& [column, text] : entries) records->SetValue(column, QString(text));
        records->Update();
    }
    db->CommitTrans();
}

// A started program whose data folder holds `count` cases, the last stored one current; the
// library is made once per size and copied in.
void StartWithCases(int count) {
    static std::map<int, QString> made;
    const QString folder = Drive().path() + QString("/Library%1").arg(count);
    state = ProgramState{};
    files::MapDrive('C', Drive().path());
    QDir::setCurrent(Drive().path());
    StartUp();
    if (!made.count(count)) {
        QFile::remove(files::HostPath(state.CasesDatabasePath));
        UpdateCasesDatabase();
        StoreCases(count);
        FixCasesNulls();
        CloseCasesDatabase();
        QDir().mkpath(folder);
        QFile::copy(files::HostPath(state.CasesDatabasePath), folder + "/" + state.CasesFileName);
        made[count] = folder;
    } else {
        QFile::remove(files::HostPath(state.CasesDatabasePath));
        QFile::copy(made[count] + "/" + state.CasesFileName, files::HostPath(state.CasesDatabasePath));
    }
    state.CurrentCaseId = CaseId(count - 1);
    state.CurrentCaseName = "Current case";
}

void Settle() { QCoreApplication::processEvents(); }

void Unload() {
    UnloadAllForms();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Settle();
}

// Opens the window `name` again and again.
void OpenWindow(benchmark::State& run, const char* name) {
    StartWithCases(int(run.range(0)));
    for (auto _ : run) {
        ShowWorkingWindow(name);
        Settle();
        run.PauseTiming();
        Unload();
        run.ResumeTiming();
    }
}

void BM_OpenWorksheetA(benchmark::State& run) { OpenWindow(run, "FormA"); }
void BM_OpenCaseLibrary(benchmark::State& run) { OpenWindow(run, "CaseLibrary"); }

// The rounding button computes the whole worksheet again from the record, and nothing more.
void BM_RecomputeWorksheetA(benchmark::State& run) {
    StartWithCases(int(run.range(0)));
    ShowWorkingWindow("FormA");
    Settle();
    auto* round = LoadedWorkingWindow("FormA")->findChild<QPushButton*>("cmdRound7thru9");
    if (!round) run.SkipWithError("no rounding button");
    for (auto _ : run) {
        if (round) round->click();
        Settle();
    }
    Unload();
}

// Clicks in turn on the two cases stored last.
void BM_ChooseCase(benchmark::State& run) {
    const int count = int(run.range(0));
    StartWithCases(count);
    ShowWorkingWindow("CaseLibrary");
    Settle();
    auto* list = LoadedWorkingWindow("CaseLibrary")->findChild<QListWidget*>("List1");
    std::vector<int> rows;
    for (int row = 0; row < list->count(); ++row) {
        const QString id = list->item(row)->text().right(8);
        if (id == CaseId(count - 1) || id == CaseId(count - 2)) rows.push_back(row);
    }
    if (rows.empty()) run.SkipWithError("the last cases are not listed");
    size_t next = 0;
    for (auto _ : run) {
        if (!rows.empty()) list->setCurrentRow(rows[next++ % rows.size()]);
        Settle();
    }
    Unload();
}

BENCHMARK(BM_RecomputeWorksheetA)->Arg(1)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChooseCase)->Arg(2)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenWorksheetA)->Arg(1)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenCaseLibrary)->Arg(1)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qvr

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (!qvr::Drive().isValid() || !QDir(qvr::Drive().path()).mkpath("QVRForms")) return 1;
    for (const char* name : {"TABLE24.MDB", "Table23.mdb"})
        if (!QFile::copy(QString(SHIPPED_DIR) + "/" + name, qvr::Drive().path() + "/QVRForms/" + name)) return 1;
    qvr::RegisterWorkingWindow("CaseLibrary", qvr::MakeCaseLibrary);
    qvr::RegisterProgramWindows();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    qvr::DiscardMainWindow();
    return 0;
}
