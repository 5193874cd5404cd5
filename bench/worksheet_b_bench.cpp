// Worksheet B as the user meets it: the whole calculation as the window runs it after every
// entry (open the cases table, read the current case, close it, walk the shipped schedule,
// compute), and one production of court form AOC-CV-628 from the window's controls (the
// confirmation answered at once, the template loaded, every field numbered and filled, the output
// saved; the viewer is not started).

#include "confirmation_answerer.h"
#include "core/cases_database.h"
#include "core/program_state.h"
#include "core/startup.h"
#include "platform/database.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "worksheet/windows/produce_court_form.h"
#include "worksheet_b/calculation.h"
#include "worksheet_b/court_form_b.h"

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

// Six children, four of them shared, adjustments on both sides, a count of other children.
bool AddCase(Recordset& cases, const char* id, const char* plaintiffIncome, const char* defendantIncome) {
    const Columns columns = {
        {"caseid", id},           {"casedesc", "Doe vs. Doe"}, {"pinc", plaintiffIncome}, {"dinc", defendantIncome},
        {"presp", " 250"},        {"poc", " 1"},               {"padja", " 300"},         {"dadjb", " 150"},
        {"padjc", " 75.5"},       {"name1name", "Jane Roe"},   {"name2name", "John Doe"}, {"chkbox1", " 1"},
        {"child1name", "Ann"},    {"child1nights", "200"},     {"child2name", "Bo"},      {"child2nights", "165"},
        {"child3name", "Cy"},     {"child3nights", "300"},     {"child4name", "Di"},      {"child4nights", "150"},
        {"child5name", "Ed"},     {"child5nights", "60"},      {"child6name", "Flo"},     {"child6nights", "183"},
        {"child1dob", "01/02/2015"},
    };
    if (!cases.AddNew()) return false;
    for (const auto& [column, text] : columns) cases.SetValue(column, QString(text));
    return cases.Update();
}

bool MakeCases() {
    UpdateCasesDatabase();
    std::unique_ptr<Database> db = Database::OpenDatabase(state.CasesDatabasePath);
    std::unique_ptr<Recordset> cases = db ? db->OpenRecordset("Cases") : nullptr;
    return cases && AddCase(*cases, "CO000001", " 3000", " 4000") && AddCase(*cases, "TO000001", " 19000", " 20000");
}

void CalculateCase(benchmark::State& run, const char* caseId) {
    state.CurrentCaseId = caseId;
    for (auto _ : run) benchmark::DoNotOptimize(CalculateCurrentCase(CalculateWorksheetBForRun));
    if (state.CLine4 == 0) run.SkipWithError("the lookup found nothing");
}

void BM_CalculateWorksheetB_CommonIncomes(benchmark::State& run) { CalculateCase(run, "CO000001"); }
void BM_CalculateWorksheetB_TopOfSchedule(benchmark::State& run) { CalculateCase(run, "TO000001"); }
BENCHMARK(BM_CalculateWorksheetB_CommonIncomes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalculateWorksheetB_TopOfSchedule)->Unit(benchmark::kMicrosecond);

// The window's controls as the calculation of the common case fills them.
QWidget& Worksheet() {
    static QWidget window;
    static bool filled = false;
    if (filled) return window;
    filled = true;
    state.CurrentCaseId = "CO000001";
    const std::optional<WorksheetResult> result = CalculateCurrentCase(CalculateWorksheetBForRun);
    for (const FormBlank& blank : CourtFormB().Fields()) {
        if (blank.kind == CellKind::CheckBox) {
            (new QCheckBox(&window))->setObjectName(blank.label);
            continue;
        }
        auto* label = new QLabel(&window);
        label->setObjectName(blank.label);
        if (result && result->captions.count(blank.label)) label->setText(result->captions.at(blank.label));
    }
    return window;
}

void BM_ProduceFormB(benchmark::State& run) {
    QWidget& window = Worksheet();
    const QString output = files::HostPath("C:\\QVRForms\\QVRPDF.PDF");
    for (auto _ : run) ProduceCourtForm(window, CourtFormB());
    if (!QFile::exists(output)) run.SkipWithError("no output was saved");
}
BENCHMARK(BM_ProduceFormB)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qvr

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir drive;
    if (!drive.isValid()) return 1;
    QDir(drive.path()).mkpath("QVRForms");
    for (const QString file : {"/TABLE24.MDB", "/AOC-CV-628_2023.PDF"})
        if (!QFile::copy(QString(SHIPPED_DIR) + file, drive.path() + "/QVRForms" + file)) return 1;
    qvr::files::MapDrive('C', drive.path());
    QDir::setCurrent(drive.path());
    qvr::state.ScheduleDatabasePath = "C:\\QVRForms\\TABLE24.MDB";
    qvr::state.CasesDatabasePath = "C:\\VESK0232.MDB";
    qvr::state.ShowZeros = "Y";
    qvr::state.ShowWarnings = "Y";
    qvr::state.RoundLinesB = "N";
    qvr::SetShadedAreaLimits();
    if (!qvr::MakeCases()) return 1;
    qvr::SetOpenDocumentHandler([](const QString&) { return true; });
    qvr::ConfirmationAnswerer answerer;
    application.installEventFilter(&answerer);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
