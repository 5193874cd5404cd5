// Worksheet C as the user meets it: one whole calculation as the window runs it after every
// entry (the cases table opened on the current case and closed, the schedule walked once for
// line 4, every line and caption computed), and one production of court form AOC-CV-629 from
// what the window shows (confirmation answered at once, template loaded, every field numbered
// and filled, output saved; the viewer is not started).

#include "confirmation_answerer.h"
#include "core/cases_database.h"
#include "core/program_state.h"
#include "core/startup.h"
#include "platform/database.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "worksheet/windows/produce_court_form.h"
#include "worksheet_c/calculation_c.h"
#include "worksheet_c/court_form_c.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace qvr {
namespace {

using Columns = std::initializer_list<std::pair<const char*, const char*>>;

// Six children split four and two, incomes near the middle of the schedule, every expense.
bool AddSplitCase(Recordset& cases) {
    const Columns columns = {
        {"caseid", "SP000001"}, {"casedesc", "Split vs. Split"}, {"name1name", "Jane Roe"},
        {"name2name", "John Doe"}, {"child1name", "Ann"}, {"child1dob", "01/02/2012"},
        {"child2name", "Bo"}, {"child2cust", "D"}, {"child3name", "Cy"}, {"child4name", "Di"},
        {"child4cust", "D"}, {"child5name", "Ed"}, {"child6name", "Flo"},
        {"pinc", " 6250.5"}, {"ppre", " 120"}, {"presp", " 300"}, {"poc", " 1"}, {"dinc", " 8400"},
        {"padja", " 400"}, {"padjb", " 85.25"}, {"dadjb", " 120"}, {"dadjc", " 75"}, {"chkbox1", " 1"},
    };
    if (!cases.AddNew()) return false;
    for (const auto& [column, text] : columns) cases.SetValue(column, QString(text));
    return cases.Update();
}

bool MakeCase() {
    UpdateCasesDatabase();
    std::unique_ptr<Database> db = Database::OpenDatabase(state.CasesDatabasePath);
    std::unique_ptr<Recordset> cases = db ? db->OpenRecordset("Cases") : nullptr;
    if (!cases || !AddSplitCase(*cases)) return false;
    state.CurrentCaseId = "SP000001";
    return true;
}

void BM_CalculateWorksheetC(benchmark::State& run) {
    for (auto _ : run) benchmark::DoNotOptimize(CalculateCurrentCase(CalculateWorksheetCForRun));
    if (state.CLine4 == 0) run.SkipWithError("the lookup found nothing");
}
BENCHMARK(BM_CalculateWorksheetC)->Unit(benchmark::kMicrosecond);

// The window's controls as the calculation of the case fills them.
QWidget& Worksheet() {
    static QWidget window;
    static const bool filled = [] {
        const std::optional<WorksheetResult> result = CalculateCurrentCase(CalculateWorksheetCForRun);
        for (const FormBlank& blank : CourtFormC().blanks) {
            if (blank.kind == CellKind::CheckBox) {
                auto* box = new QCheckBox(&window);
                box->setObjectName(blank.label);
                box->setChecked(result && result->checkBoxes[size_t(blank.label.right(1).toInt() - 1)] == 1);
                continue;
            }
            auto* label = new QLabel(&window);
            label->setObjectName(blank.label);
            if (result && result->captions.contains(blank.label)) label->setText(result->captions.at(blank.label));
        }
        return true;
    }();
    (void)filled;
    return window;
}

void BM_ProduceFormC(benchmark::State& run) {
    QWidget& window = Worksheet();
    const QString output = files::HostPath("C:\\QVRForms\\QVRPDF.PDF");
    for (auto _ : run) ProduceCourtForm(window, CourtFormC());
    if (!QFile::exists(output)) run.SkipWithError("no output was saved");
}
BENCHMARK(BM_ProduceFormC)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qvr

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir drive;
    if (!drive.isValid()) return 1;
    QDir(drive.path()).mkpath("QVRForms");
    for (const char* shipped : {"TABLE24.MDB", "AOC-CV-629_2023.PDF"}) {
        if (!QFile::copy(QString(SHIPPED_DIR) + "/" + shipped, drive.path() + "/QVRForms/" + shipped)) return 1;
    }
    qvr::files::MapDrive('C', drive.path());
    QDir::setCurrent(drive.path());
    qvr::state.ScheduleDatabasePath = "C:\\QVRForms\\TABLE24.MDB";
    qvr::state.CasesDatabasePath = "C:\\VESK0232.MDB";
    qvr::state.ShowZeros = "Y";
    qvr::state.ShowWarnings = "Y";
    qvr::state.RoundLinesC = "N";
    qvr::SetShadedAreaLimits();
    if (!qvr::MakeCase()) return 1;
    qvr::SetOpenDocumentHandler([](const QString&) { return true; });
    qvr::ConfirmationAnswerer answerer;
    application.installEventFilter(&answerer);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
