#pragma once
// What the worksheets' benchmarks share: a drive C: of their own with the shipped files and the
// cases, the calculation as the window runs it, and a production from the confirmation to the
// saved file.

#include "worksheet/court_form_layout.h"
#include "worksheet/worksheet_result.h"

#include <QStringList>
#include <QWidget>
#include <benchmark/benchmark.h>

#include <functional>
#include <utility>
#include <vector>

namespace qvr {

using CaseColumns = std::vector<std::pair<const char*, const char*>>;

struct BenchDrive {
    QStringList shippedFiles;        // copied into C:\QVRForms
    std::vector<CaseColumns> cases;  // added to the cases database; none: the database is not made
};

// Runs the program's benchmarks on `drive` under an offscreen application, the production's
// confirmation answered at once and the viewer not started; zeros and warnings shown, lines not
// rounded. 1 when the drive cannot be made.
int RunBenchmarksOn(const BenchDrive& drive, int argc, char** argv);

// The whole calculation of the case as the window runs it after every entry.
void BenchCalculation(benchmark::State& run, const char* caseId, const WorksheetCalculation& calculate,
                      QString ProgramState::*roundLines);

// Fills the window's controls for `form` as the calculation of the case fills them.
void FillFromCalculation(QWidget& window, const CourtFormLayout& form, const char* caseId,
                         const WorksheetCalculation& calculate, QString ProgramState::*roundLines);

using FillWindow = std::function<void(QWidget& window)>;

// One production of `form` from the window's controls, from the confirmation to the saved file;
// the window is filled by `fill` once.
void BenchProduction(benchmark::State& run, const CourtFormLayout& form, const FillWindow& fill);

}  // namespace qvr
