// Worksheet C as the user meets it: one whole calculation as the window runs it after every
// entry (the cases table opened on the current case and closed, the schedule walked once for
// line 4, every line and caption computed), and one production of court form AOC-CV-629 from
// what the window shows (confirmation answered at once, template loaded, every field numbered
// and filled, output saved; the viewer is not started).

#include "worksheet_bench_support.h"
#include "worksheet_c/calculation_c.h"
#include "worksheet_c/court_form_c.h"

namespace qvr {
namespace {

// Six children split four and two, incomes near the middle of the schedule, every expense.
const CaseColumns kSplitCase = {
    {"caseid", "SP000001"}, {"casedesc", "Split vs. Split"}, {"name1name", "Jane Roe"},
    {"name2name", "John Doe"}, {"child1name", "Ann"}, {"child1dob", "01/02/2012"},
    {"child2name", "Bo"}, {"child2cust", "D"}, {"child3name", "Cy"}, {"child4name", "Di"},
    {"child4cust", "D"}, {"child5name", "Ed"}, {"child6name", "Flo"},
    {"pinc", " 6250.5"}, {"ppre", " 120"}, {"presp", " 300"}, {"poc", " 1"}, {"dinc", " 8400"},
    {"padja", " 400"}, {"padjb", " 85.25"}, {"dadjb", " 120"}, {"dadjc", " 75"}, {"chkbox1", " 1"},
};

void BM_CalculateWorksheetC(benchmark::State& run) { BenchCalculation(run, "SP000001", CalculateWorksheetC, &ProgramState::RoundLinesC); }
BENCHMARK(BM_CalculateWorksheetC)->Unit(benchmark::kMicrosecond);

void BM_ProduceFormC(benchmark::State& run) {
    BenchProduction(run, CourtFormC(), [](QWidget& window) {
        FillFromCalculation(window, CourtFormC(), "SP000001", CalculateWorksheetC, &ProgramState::RoundLinesC);
    });
}
BENCHMARK(BM_ProduceFormC)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qvr

int main(int argc, char** argv) {
    return qvr::RunBenchmarksOn({{"TABLE24.MDB", "AOC-CV-629_2023.PDF"}, {qvr::kSplitCase}}, argc, argv);
}
