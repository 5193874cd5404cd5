#include "worksheet_bench_support.h"

#include "confirmation_answerer.h"
#include "core/cases_database.h"
#include "core/program_state.h"
#include "core/startup.h"
#include "platform/database.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "worksheet/windows/produce_court_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

#include <map>
#include <memory>

namespace qvr {
namespace {

bool AddCase(Recordset& cases, const CaseColumns& columns) {
    if (!cases.AddNew()) return false;
    for (const auto& [column, text] : columns) cases.SetValue(column, QString(text));
    return cases.Update();
}

bool MakeCases(const std::vector<CaseColumns>& records) {
    UpdateCasesDatabase();
    std::unique_ptr<Database> db = Database::OpenDatabase(state.CasesDatabasePath);
    std::unique_ptr<Recordset> cases = db ? db->OpenRecordset("Cases") : nullptr;
    if (!cases) return false;
    for (const CaseColumns& record : records)
        if (!AddCase(*cases, record)) return false;
    return true;
}

bool MakeDrive(const QTemporaryDir& folder, const BenchDrive& drive) {
    if (!folder.isValid()) return false;
    QDir(folder.path()).mkpath("QVRForms");
    for (const QString& shipped : drive.shippedFiles)
        if (!QFile::copy(QString(SHIPPED_DIR) + "/" + shipped, folder.path() + "/QVRForms/" + shipped)) return false;
    files::MapDrive('C', folder.path());
    QDir::setCurrent(folder.path());
    if (drive.cases.empty()) return true;
    state.ScheduleDatabasePath = "C:\\QVRForms\\TABLE24.MDB";
    state.CasesDatabasePath = "C:\\VESK0232.MDB";
    state.ShowZeros = "Y";
    state.ShowWarnings = "Y";
    state.RoundLinesA = "N";
    state.RoundLinesB = "N";
    state.RoundLinesC = "N";
    SetShadedAreaLimits();
    return MakeCases(drive.cases);
}

}  // namespace

int RunBenchmarksOn(const BenchDrive& drive, int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir folder;
    if (!MakeDrive(folder, drive)) return 1;
    SetOpenDocumentHandler([](const QString&) { return true; });
    ConfirmationAnswerer answerer;
    application.installEventFilter(&answerer);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

void BenchCalculation(benchmark::State& run, const char* caseId, const WorksheetCalculation& calculate,
                      QString ProgramState::*roundLines) {
    state.CurrentCaseId = caseId;
    for (auto _ : run) benchmark::DoNotOptimize(CalculateCurrentCase(calculate, roundLines));
    if (state.CLine4 == 0) run.SkipWithError("the lookup found nothing");
}

void FillFromCalculation(QWidget& window, const CourtFormLayout& form, const char* caseId,
                         const WorksheetCalculation& calculate, QString ProgramState::*roundLines) {
    state.CurrentCaseId = caseId;
    const std::optional<WorksheetResult> result = CalculateCurrentCase(calculate, roundLines);
    for (const FormBlank& blank : form.Fields()) {
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
}

void BenchProduction(benchmark::State& run, const CourtFormLayout& form, const FillWindow& fill) {
    // The benchmark library calls a benchmark more than once; the window is filled the first time.
    static std::map<const CourtFormLayout*, std::unique_ptr<QWidget>> windows;
    std::unique_ptr<QWidget>& window = windows[&form];
    if (!window) {
        window = std::make_unique<QWidget>();
        fill(*window);
    }
    const QString output = files::HostPath("C:\\QVRForms\\QVRPDF.PDF");
    for (auto _ : run) ProduceCourtForm(*window, form);
    if (!QFile::exists(output)) run.SkipWithError("no output was saved");
}

}  // namespace qvr
