// One production of court form AOC-CV-627 as the user starts it from the worksheet: the
// confirmation (answered at once), the template loaded, every field numbered and filled from the
// window's controls, the output saved. The viewer is not started.

#include "worksheet_a/court_form_a.h"
#include "worksheet_bench_support.h"

#include <QCheckBox>
#include <QLabel>

namespace qvr {
namespace {

// The worksheet window's controls with a full case: every text and child filled, and the
// worksheet lines (fields 24 to 51) showing amounts with thousands separators.
void FillWorksheet(QWidget& window) {
    int field = 0;
    for (const FormBlank& blank : CourtFormA().Fields()) {
        ++field;
        if (blank.kind == CellKind::CheckBox) {
            (new QCheckBox(&window))->setObjectName(blank.label);
            continue;
        }
        auto* label = new QLabel(&window);
        label->setObjectName(blank.label);
        const bool line = field >= 24 && field <= 51;
        label->setText(line ? QString("%1,234.56 ").arg(field) : blank.label);
    }
}

void BM_ProduceFormA(benchmark::State& run) { BenchProduction(run, CourtFormA(), FillWorksheet); }
BENCHMARK(BM_ProduceFormA)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qvr

int main(int argc, char** argv) { return qvr::RunBenchmarksOn({{"AOC-CV-627_2023.PDF"}, {}}, argc, argv); }
