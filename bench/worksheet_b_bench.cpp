// Worksheet B as the user meets it: the whole calculation as the window runs it after every
// entry (open the cases table, read the current case, close it, walk the shipped schedule,
// compute), and one production of court form AOC-CV-628 from the window's controls (the
// confirmation answered at once, the template loaded, every field numbered and filled, the output
// saved; the viewer is not started).

#include "worksheet_bench_support.h"
#include "worksheet_b/calculation.h"
#include "worksheet_b/court_form_b.h"

namespace qvr {
namespace {

// Six children, four of them shared, adjustments on both sides, a count of other children.
CaseColumns SharedCase(const char* id, const char* plaintiffIncome, const char* defendantIncome) {
    return {
        {"caseid", id},           {"casedesc", "Doe vs. Doe"}, {"pinc", plaintiffIncome}, {"dinc", defendantIncome},
        {"presp", " 250"},        {"poc", " 1"},               {"padja", " 300"},         {"dadjb", " 150"},
        {"padjc", " 75.5"},       {"name1name", "Jane Roe"},   {"name2name", "John Doe"}, {"chkbox1", " 1"},
        {"child1name", "Ann"},    {"child1nights", "200"},     {"child2name", "Bo"},      {"child2nights", "165"},
        {"child3name", "Cy"},     {"child3nights", "300"},     {"child4name", "Di"},      {"child4nights", "150"},
        {"child5name", "Ed"},     {"child5nights", "60"},      {"child6name", "Flo"},     {"child6nights", "183"},
        {"child1dob", "01/02/2015"},
    };
}

void BM_CalculateWorksheetB_CommonIncomes(benchmark::State& run) {
    BenchCalculation(run, "CO000001", CalculateWorksheetB, &ProgramState::RoundLinesB);
}
void BM_CalculateWorksheetB_TopOfSchedule(benchmark::State& run) {
    BenchCalculation(run, "TO000001", CalculateWorksheetB, &ProgramState::RoundLinesB);
}
BENCHMARK(BM_CalculateWorksheetB_CommonIncomes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalculateWorksheetB_TopOfSchedule)->Unit(benchmark::kMicrosecond);

void BM_ProduceFormB(benchmark::State& run) {
    BenchProduction(run, CourtFormB(), [](QWidget& window) {
        FillFromCalculation(window, CourtFormB(), "CO000001", CalculateWorksheetB, &ProgramState::RoundLinesB);
    });
}
BENCHMARK(BM_ProduceFormB)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qvr

int main(int argc, char** argv) {
    const qvr::BenchDrive drive{{"TABLE24.MDB", "AOC-CV-628_2023.PDF"},
                                {qvr::SharedCase("CO000001", " 3000", " 4000"),
                                 qvr::SharedCase("TO000001", " 19000", " 20000")}};
    return qvr::RunBenchmarksOn(drive, argc, argv);
}
