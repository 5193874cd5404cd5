// One whole worksheet A calculation as the window runs it after every entry: open the cases
// table, read the current case, close it, walk the shipped schedule for the two lookups, compute.
// A lookup reads the schedule up to its band, so the cost grows with the incomes: a common case,
// and one near the top of the schedule.

#include "core/cases_database.h"
#include "core/program_state.h"
#include "core/startup.h"
#include "platform/database.h"
#include "platform/files.h"
#include "worksheet_a/calculation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace qvr {
namespace {

using Columns = std::initializer_list<std::pair<const char*, const char*>>;

// A plaintiff obligor with other children and adjustments, so that both lookups run.
bool AddCase(Recordset& cases, const char* id, const char* plaintiffIncome, const char* defendantIncome) {
    const Columns columns = {
        {"caseid", id},          {"child1name", "Ann"},      {"child2name", "Bo"},  {"whosecustody", "D"},
        {"pinc", plaintiffIncome}, {"poc", " 1"},            {"dinc", defendantIncome},
        {"padja", " 100"},       {"dadjb", " 60"},           {"chkbox1", " 1"},
    };
    if (!cases.AddNew()) return false;
    for (const auto& [column, text] : columns) cases.SetValue(column, QString(text));
    return cases.Update();
}

bool MakeCases() {
    UpdateCasesDatabase();
    std::unique_ptr<Database> db = Database::OpenDatabase(state.CasesDatabasePath);
    std::unique_ptr<Recordset> cases = db ? db->OpenRecordset("Cases") : nullptr;
    return cases && AddCase(*cases, "CO000001", " 2520", " 3500") && AddCase(*cases, "TO000001", " 19000", " 20000");
}

void CalculateCase(benchmark::State& run, const char* caseId) {
    state.CurrentCaseId = caseId;
    for (auto _ : run) benchmark::DoNotOptimize(CalculateCurrentCase(CalculateWorksheetAForRun));
    if (state.CLine4 == 0) run.SkipWithError("the lookups found nothing");
}

void BM_CalculateCurrentCase_CommonIncomes(benchmark::State& run) { CalculateCase(run, "CO000001"); }
void BM_CalculateCurrentCase_TopOfSchedule(benchmark::State& run) { CalculateCase(run, "TO000001"); }
BENCHMARK(BM_CalculateCurrentCase_CommonIncomes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalculateCurrentCase_TopOfSchedule)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qvr

int main(int argc, char** argv) {
    QTemporaryDir drive;
    if (!drive.isValid()) return 1;
    QDir(drive.path()).mkpath("QVRForms");
    if (!QFile::copy(QString(SHIPPED_DIR) + "/TABLE24.MDB", drive.path() + "/QVRForms/TABLE24.MDB")) return 1;
    qvr::files::MapDrive('C', drive.path());
    qvr::state.ScheduleDatabasePath = "C:\\QVRForms\\TABLE24.MDB";
    qvr::state.CasesDatabasePath = "C:\\VESK0232.MDB";
    qvr::state.ShowZeros = "Y";
    qvr::state.ShowWarnings = "Y";
    qvr::state.RoundLinesA = "N";
    qvr::SetShadedAreaLimits();
    if (!qvr::MakeCases()) return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
