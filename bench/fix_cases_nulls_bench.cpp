// The repair walk over a cases table of 5,000 records: once where every record still holds Null
// columns (a file just upgraded), once where nothing is left to repair (every later walk).

#include "core/cases_database.h"
#include "core/program_state.h"
#include "platform/database.h"
#include "platform/files.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace qvr {
namespace {

constexpr int kCases = 5000;
const QString kTemplatePath = "C:\\Template.MDB";
const QString kCasesPath = "C:\\VESK0232.MDB";

// Records with their id and description only: every other column is Null.
void MakeTemplate() {
    state.CasesDatabasePath = kTemplatePath;
    UpdateCasesDatabase();
    auto db = Database::OpenDatabase(kTemplatePath);
    auto records = db->OpenRecordset("Cases");
    db->BeginTrans();
    for (int i = 0; i < kCases; ++i) {
        records->AddNew();
        records->SetValue("casedesc", QString("Case %1").arg(i));
        records->SetValue("caseid", QString("CA%1").arg(i, 6, 10, QChar('0')));
        records->Update();
    }
    db->CommitTrans();
    state.CasesDatabasePath = kCasesPath;
}

void BM_FixCasesNulls_EveryRecordHasNulls(benchmark::State& run) {
    for (auto _ : run) {
        run.PauseTiming();
        files::CopyFile(kTemplatePath, kCasesPath);
        run.ResumeTiming();
        FixCasesNulls();
        CloseCasesDatabase();
    }
}

void BM_FixCasesNulls_AlreadyRepaired(benchmark::State& run) {
    files::CopyFile(kTemplatePath, kCasesPath);
    FixCasesNulls();
    CloseCasesDatabase();
    for (auto _ : run) {
        FixCasesNulls();
        CloseCasesDatabase();
    }
}

BENCHMARK(BM_FixCasesNulls_EveryRecordHasNulls)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FixCasesNulls_AlreadyRepaired)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qvr

int main(int argc, char** argv) {
    QTemporaryDir drive;
    if (!drive.isValid()) return 1;
    qvr::files::MapDrive('C', drive.path());
    qvr::MakeTemplate();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
