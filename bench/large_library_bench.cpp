// What a user waits for in a busy office's library (1, 50,000 and 500,000 cases of 33 filled
// columns, the current case stored last): starting the program to its first window, with the
// cases file cached and with it dropped from the page cache as at the first start of the day,
// and to the end of the check of that file behind the first window;
// quitting with its backups, the files unchanged since the backup or changed; the case library's
// opening, adding, renaming and deleting a case, and leaving it; one worksheet A recompute,
// choosing a case, opening worksheet A; and the peak memory of a whole session. Each measure
// lets the windows lay out and paint, as the event loop would before the user sees the result.

#include "app/program_windows.h"
#include "core/cases_database.h"
#include "core/database_backups.h"
#include "core/frame.h"
#include "core/program_state.h"
#include "core/startup.h"
#include "core/windows/background.h"
#include "core/windows/case_library.h"
#include "core/windows/program.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/program_end.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <map>
#include <sys/resource.h>
#include <unistd.h>

namespace qvr {
namespace {

QString& DrivePath() {
    static QString path;
    return path;
}

QString CaseId(int n) { return QString("CA%1").arg(n, 6, 10, QChar('0')); }

// The 33 filled columns of every case; the others hold the empty text, as after the repair.
const std::pair<const char*, const char*> kFilled[] = {
    {"casedesc", "'Case ' || ((n * 7919) % :count) || ' v. Party ' || n"},
    {"caseid", "printf('CA%06d', n)"},
    {"caseopen", "'03/14/2025'"},
    {"courtfile", "printf('25 CVD %06d', n)"},
    {"county", "'Wake'"},
    {"casefile", "printf('CA%06d', n)"},
    {"casecode", "'A'"},
    {"ivdfile", "printf('IVD%07d', n)"},
    {"uresa", "'N'"},
    {"SetFormEditable", "'N'"},
    {"name1number", "printf('P%07d', n)"},
    {"name1field", "'Plaintiff'"},
    {"name1name", "'Jane Q. Plaintiff ' || n"},
    {"name2number", "printf('D%07d', n)"},
    {"name2field", "'Defendant'"},
    {"name2name", "'John R. Defendant ' || n"},
    {"child1name", "'Ann'"},
    {"child1dob", "'01/02/2015'"},
    {"child1cust", "'P'"},
    {"child1nights", "'240'"},
    {"child2name", "'Bo'"},
    {"child2dob", "'05/06/2018'"},
    {"child2cust", "'P'"},
    {"child2nights", "'240'"},
    {"pinc", "' 2520'"},
    {"ppre", "' 120'"},
    {"poc", "' 1'"},
    {"dinc", "' 3500'"},
    {"dpre", "' 80'"},
    {"doc", "' 0'"},
    {"whosecustody", "'D'"},
    {"obligor", "'D'"},
    {"preparedby", "'Clerk of Court'"},
};

// Every case in one statement: the table made by the program, the rows made by the engine.
void StoreCases(int count) {
    auto db = Database::OpenDatabase(state.CasesDatabasePath);
    QStringList columns, values;
    for (const FieldInfo& field : db->Fields("Cases")) {
        QString value = "''";
        for (const auto& [column, expression] : kFilled)
            if (field.name == column) value = QString(expression).replace(":count", QString::number(count));
        columns << '"' + field.name + '"';
        values << value;
    }
    const bool stored = db->Execute(
        QString("WITH RECURSIVE k(n) AS (SELECT 0 UNION ALL SELECT n + 1 FROM k WHERE n + 1 < %1) "
                "INSERT INTO Cases (%2) SELECT %3 FROM k")
            .arg(count)
            .arg(columns.join(", "), values.join(", ")));
    if (!stored) qFatal("%s", qPrintable(db->LastError()));
}

QString HostFile(const QString& path) { return files::HostPath(path); }

// A data folder whose cases file holds `count` cases and whose backups are copies of its files,
// as the last quit left them; the library is made once per size and copied in.
void PrepareFolder(int count) {
    static std::map<int, QString> made;
    const QString folder = DrivePath() + QString("/Library%1").arg(count);
    state = ProgramState{};
    files::MapDrive('C', DrivePath());
    QDir::setCurrent(DrivePath());
    StartUp();
    FinishDatabaseChecks();
    const DatabaseFile cases = CasesDatabaseFile();
    if (!made.count(count)) {
        QFile::remove(HostFile(cases.file));
        UpdateCasesDatabase();
        StoreCases(count);
        QDir().mkpath(folder);
        QFile::copy(HostFile(cases.file), folder + "/" + state.CasesFileName);
        made[count] = folder;
    } else {
        QFile::remove(HostFile(cases.file));
        QFile::copy(made[count] + "/" + state.CasesFileName, HostFile(cases.file));
    }
    for (const DatabaseFile& database : {cases, NamesDatabaseFile()}) {
        QFile::remove(HostFile(database.backup));
        QFile::copy(HostFile(database.file), HostFile(database.backup));
    }
}

void MakeCurrent(int count) {
    state.CurrentCaseId = CaseId(count - 1);
    state.CurrentCaseName = "Current case";
}

// A started program whose data folder holds `count` cases, the last stored one current.
void StartWithCases(int count) {
    PrepareFolder(count);
    state = ProgramState{};
    StartUp();
    FinishDatabaseChecks();
    MakeCurrent(count);
}

void Settle() { QCoreApplication::processEvents(); }

void Unload() {
    UnloadAllForms();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Settle();
}

// Written to disk and dropped from the page cache, as after a night.
void DropFromPageCache(const QString& path) {
    const int file = open(QFile::encodeName(HostFile(path)).constData(), O_RDONLY);
    if (file < 0) return;
    fsync(file);
    posix_fadvise(file, 0, 0, POSIX_FADV_DONTNEED);
    close(file);
}

// The program's own start, as Main runs it, to its first window shown.
void StartToFirstWindow(int count) {
    state = ProgramState{};
    Main();
    MakeCurrent(count);
    Settle();
}

enum class Until { FirstWindow, FileChecked };

void Start(benchmark::State& run, bool dropped, Until until = Until::FirstWindow) {
    const int count = int(run.range(0));
    PrepareFolder(count);
    for (auto _ : run) {
        run.PauseTiming();
        FinishDatabaseChecks();
        Unload();
        DiscardMainWindow();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (dropped) DropFromPageCache(CasesDatabaseFile().file);
        run.ResumeTiming();
        StartToFirstWindow(count);
        if (until == Until::FileChecked) FinishDatabaseChecks();
    }
    FinishDatabaseChecks();
    Unload();
    DiscardMainWindow();
}

void BM_FirstStartOfTheDay(benchmark::State& run) { Start(run, true); }
void BM_FirstStartToTheCheckedFile(benchmark::State& run) { Start(run, true, Until::FileChecked); }
void BM_StartCached(benchmark::State& run) { Start(run, false); }

// One case's county written, as a worksheet would.
void ChangeACase() {
    OpenCasesTable();
    FindCurrentCase();
    state.CasesRecordset->Edit();
    state.CasesRecordset->SetValue("county", state.CasesRecordset->GetValue("county") == "Wake" ? "Dare" : "Wake");
    state.CasesRecordset->Update();
    CloseCasesDatabase();
}

// The quit after the user's Yes: the windows unloaded, both backups made.
void Quit(benchmark::State& run, bool changed) {
    const int count = int(run.range(0));
    StartWithCases(count);
    for (auto _ : run) {
        run.PauseTiming();
        state = ProgramState{};
        StartUp();
        FinishDatabaseChecks();
        MakeCurrent(count);
        if (changed) ChangeACase();
        run.ResumeTiming();
        UnloadAllForms();
        MakeBackup(CasesDatabaseFile());
        MakeBackup(NamesDatabaseFile());
    }
}

void BM_QuitUnchanged(benchmark::State& run) { Quit(run, false); }
void BM_QuitChanged(benchmark::State& run) { Quit(run, true); }

// Opens the window `name` again and again.
void OpenWindow(benchmark::State& run, const char* name) {
    StartWithCases(int(run.range(0)));
    for (auto _ : run) {
        ShowWorkingWindow(name);
        Settle();
        run.PauseTiming();
        Unload();
        run.ResumeTiming();
    }
}

void BM_OpenWorksheetA(benchmark::State& run) { OpenWindow(run, "FormA"); }
void BM_OpenCaseLibrary(benchmark::State& run) { OpenWindow(run, "CaseLibrary"); }

void BM_LeaveCaseLibrary(benchmark::State& run) {
    StartWithCases(int(run.range(0)));
    for (auto _ : run) {
        run.PauseTiming();
        ShowWorkingWindow("CaseLibrary");
        Settle();
        run.ResumeTiming();
        Unload();
    }
}

// Types a name into the case library's name prompt as a user would.
class LibraryAnswerer : public QObject {
public:
    QString typed;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->objectName() == "GetShort") {
            auto* dialog = static_cast<QWidget*>(watched);
            dialog->findChild<QLineEdit*>("Text1")->setText(typed);
            QTimer::singleShot(0, dialog->findChild<QPushButton*>("Command1"), &QPushButton::click);
        }
        return QObject::eventFilter(watched, event);
    }
};

// Clicks the library's button, typing `names` in turn where a name is asked for.
void ClickInLibrary(benchmark::State& run, const char* button, const QStringList& names) {
    StartWithCases(int(run.range(0)));
    ShowWorkingWindow("CaseLibrary");
    Settle();
    auto* click = LoadedWorkingWindow("CaseLibrary")->findChild<QPushButton*>(button);
    LibraryAnswerer answerer;
    qApp->installEventFilter(&answerer);
    SetMessageBoxHandler([](const QString&, MessageButtons, const QString&) { return vbYes; });
    qsizetype next = 0;
    for (auto _ : run) {
        answerer.typed = names[next++ % names.size()];
        click->click();
        Settle();
    }
    qApp->removeEventFilter(&answerer);
    SetMessageBoxHandler({});
    Unload();
}

void BM_AddCase(benchmark::State& run) { ClickInLibrary(run, "cmdAddNewCase", {"Miller v. Miller"}); }
void BM_RenameCase(benchmark::State& run) { ClickInLibrary(run, "cmdRenameCase", {"Adams v. Adams", "Young v. Young"}); }
void BM_DeleteCase(benchmark::State& run) { ClickInLibrary(run, "cmdDeleteCase", {QString()}); }

// The rounding button computes the whole worksheet again from the record, and nothing more.
void BM_RecomputeWorksheetA(benchmark::State& run) {
    StartWithCases(int(run.range(0)));
    ShowWorkingWindow("FormA");
    Settle();
    auto* round = LoadedWorkingWindow("FormA")->findChild<QPushButton*>("cmdRound7thru9");
    if (!round) run.SkipWithError("no rounding button");
    for (auto _ : run) {
        if (round) round->click();
        Settle();
    }
    Unload();
}

// Clicks in turn on the two cases stored last.
void BM_ChooseCase(benchmark::State& run) {
    const int count = int(run.range(0));
    StartWithCases(count);
    ShowWorkingWindow("CaseLibrary");
    Settle();
    auto* list = LoadedWorkingWindow("CaseLibrary")->findChild<QAbstractItemView*>("List1");
    const QAbstractItemModel* items = list->model();
    std::vector<int> rows;
    for (int row = 0; row < items->rowCount(); ++row) {
        const QString id = items->index(row, 0).data().toString().right(8);
        if (id == CaseId(count - 1) || id == CaseId(count - 2)) rows.push_back(row);
    }
    if (rows.empty()) run.SkipWithError("the last cases are not listed");
    size_t next = 0;
    for (auto _ : run) {
        if (!rows.empty()) list->setCurrentIndex(items->index(rows[next++ % rows.size()], 0));
        Settle();
    }
    Unload();
}

// A whole session in a process of its own: start, the case library, a case added, worksheet A
// and back, quit. Reports the peak resident memory.
void BM_SessionPeakMemory(benchmark::State& run) {
    const int count = int(run.range(0));
    PrepareFolder(count);
    double megabytes = 0;
    for (auto _ : run) {
        QProcess session;
        session.start(QCoreApplication::applicationFilePath(), {"--whole-session", QString::number(count), DrivePath()});
        session.waitForFinished(-1);
        megabytes = session.readAllStandardOutput().trimmed().toDouble() / 1024.0;
    }
    run.counters["peak_MB"] = megabytes;
}

int RunSession(int count, const QString& drive) {
    DrivePath() = drive;
    files::MapDrive('C', drive);
    QDir::setCurrent(drive);
    SetProgramEndHandler([] {});
    StartToFirstWindow(count);
    ShowWorkingWindow("CaseLibrary");
    Settle();
    LibraryAnswerer answerer;
    answerer.typed = "Miller v. Miller";
    qApp->installEventFilter(&answerer);
    LoadedWorkingWindow("CaseLibrary")->findChild<QPushButton*>("cmdAddNewCase")->click();
    Settle();
    qApp->removeEventFilter(&answerer);
    Unload();
    ShowWorkingWindow("FormA");
    Settle();
    Unload();
    ShowWorkingWindow("CaseLibrary");
    Settle();
    Unload();
    MakeBackup(CasesDatabaseFile());
    MakeBackup(NamesDatabaseFile());
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    printf("%ld\n", usage.ru_maxrss);
    return 0;
}

void Sizes(benchmark::internal::Benchmark* bench) {
    bench->Arg(1)->Arg(50000)->Arg(500000)->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_FirstStartOfTheDay)->Apply(Sizes);
BENCHMARK(BM_FirstStartToTheCheckedFile)->Apply(Sizes);
BENCHMARK(BM_StartCached)->Apply(Sizes);
BENCHMARK(BM_QuitUnchanged)->Apply(Sizes)->Iterations(10);  // each one starts the program untimed
BENCHMARK(BM_QuitChanged)->Apply(Sizes)->Iterations(10);
BENCHMARK(BM_OpenCaseLibrary)->Apply(Sizes);
BENCHMARK(BM_AddCase)->Apply(Sizes);
BENCHMARK(BM_RenameCase)->Apply(Sizes);
BENCHMARK(BM_DeleteCase)->Apply(Sizes);
BENCHMARK(BM_LeaveCaseLibrary)->Apply(Sizes);
BENCHMARK(BM_SessionPeakMemory)->Apply(Sizes)->Iterations(1);
BENCHMARK(BM_RecomputeWorksheetA)->Apply(Sizes);
BENCHMARK(BM_ChooseCase)->Apply(Sizes);
BENCHMARK(BM_OpenWorksheetA)->Apply(Sizes);

}  // namespace
}  // namespace qvr

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qvr::RegisterWorkingWindow("CaseLibrary", qvr::MakeCaseLibrary);
    qvr::RegisterProgramWindows();
    if (argc == 4 && QString(argv[1]) == "--whole-session") return qvr::RunSession(QString(argv[2]).toInt(), argv[3]);
    QTemporaryDir drive;
    qvr::DrivePath() = drive.path();
    if (!drive.isValid() || !QDir(drive.path()).mkpath("QVRForms")) return 1;
    for (const char* name : {"TABLE24.MDB", "Table23.mdb"})
        if (!QFile::copy(QString(SHIPPED_DIR) + "/" + name, drive.path() + "/QVRForms/" + name)) return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    qvr::DiscardMainWindow();
    return 0;
}
