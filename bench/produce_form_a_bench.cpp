// One production of court form AOC-CV-627 as the user starts it from the worksheet: the
// confirmation (answered at once), the template loaded, every field numbered and filled from the
// window's controls, the output saved. The viewer is not started.

#include "confirmation_answerer.h"
#include "core/program_state.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "worksheet_a/court_form_a.h"
#include "worksheet/windows/produce_court_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

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

QWidget& Worksheet() {
    static QWidget window;
    static const bool filled = (FillWorksheet(window), true);
    (void)filled;
    return window;
}

void BM_ProduceFormA(benchmark::State& run) {
    QWidget& window = Worksheet();
    const QString output = files::HostPath("C:\\QVRForms\\QVRPDF.PDF");
    for (auto _ : run) ProduceCourtForm(window, CourtFormA());
    if (!QFile::exists(output)) run.SkipWithError("no output was saved");
}
BENCHMARK(BM_ProduceFormA)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qvr

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir drive;
    if (!drive.isValid()) return 1;
    QDir(drive.path()).mkpath("QVRForms");
    const QString form = "/QVRForms/AOC-CV-627_2023.PDF";
    if (!QFile::copy(QString(SHIPPED_DIR) + "/AOC-CV-627_2023.PDF", drive.path() + form)) return 1;
    qvr::files::MapDrive('C', drive.path());
    QDir::setCurrent(drive.path());
    qvr::SetOpenDocumentHandler([](const QString&) { return true; });
    qvr::ConfirmationAnswerer answerer;
    application.installEventFilter(&answerer);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
