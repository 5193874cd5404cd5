// One whole worksheet A calculation as the window runs it after every entry: open the cases
// table, read the current case, close it, walk the shipped schedule for the two lookups, compute.
// A lookup reads the schedule up to its band, so the cost grows with the incomes: a common case,
// and one near the top of the schedule.

#include "worksheet_a/calculation.h"
#include "worksheet_bench_support.h"

namespace qvr {
namespace {

// A plaintiff obligor with other children and adjustments, so that both lookups run.
CaseColumns SoleCase(const char* id, const char* plaintiffIncome, const char* defendantIncome) {
    return {
        {"caseid", id},          {"child1name", "Ann"},      {"child2name", "Bo"},  {"whosecustody", "D"},
        {"pinc", plaintiffIncome}, {"poc", " 1"},            {"dinc", defendantIncome},
        {"padja", " 100"},       {"dadjb", " 60"},           {"chkbox1", " 1"},
    };
}

void BM_CalculateCurrentCase_CommonIncomes(benchmark::State& run) {
    BenchCalculation(run, "CO000001", CalculateWorksheetA, &ProgramState::RoundLinesA);
}
void BM_CalculateCurrentCase_TopOfSchedule(benchmark::State& run) {
    BenchCalculation(run, "TO000001", CalculateWorksheetA, &ProgramState::RoundLinesA);
}
BENCHMARK(BM_CalculateCurrentCase_CommonIncomes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalculateCurrentCase_TopOfSchedule)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qvr

int main(int argc, char** argv) {
    const qvr::BenchDrive drive{{"TABLE24.MDB"},
                                {qvr::SoleCase("CO000001", " 2520", " 3500"),
                                 qvr::SoleCase("TO000001", " 19000", " 20000")}};
    return qvr::RunBenchmarksOn(drive, argc, argv);
}
