// Damaged, missing, foreign, busy and unwritable files: the user is told what was found and why,
// and the program never ends up with fewer good copies of the cases and names than it began with.

#include "app/program_windows.h"
#include "core/cases_database.h"
#include "core/database_backups.h"
#include "core/program_state.h"
#include "core/startup.h"
#include "core/windows/background.h"
#include "support/frame_fixture.h"
#include "core/windows/hidden_utilities.h"
#include "core/windows/program.h"
#include "dialogs/schedule_lookup.h"
#include "platform/database.h"
#include "support/limited_disk.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <random>

namespace qvr::test {
namespace {

enum class Damage {
    Empty, HeaderOnly, CutInHalf, GarbagePages, Folder, Missing, None, OtherDatabase, Held, NoWholeAmounts
};
const char* const kDamageNames[] = {"Empty",   "HeaderOnly", "CutInHalf",     "GarbagePages", "Folder",
                                    "Missing", "",           "OtherDatabase", "Held",         "NoWholeAmounts"};
enum class Moment {
    StartAndQuit, Restore, FullDiskQuit, FullDiskRestore, TwoRuns, TwoRunsWithNewRecords, QuitWithTheDiskFull,
    QuitInAReadOnlyFolder
};
const char* const kMomentNames[] = {"AtStartAndQuit",       "AtRestore",  "OnAFullDiskAtQuit",
                                    "OnAFullDiskAtRestore", "InTwoRuns",  "InTwoRunsWithNewRecords",
                                    "AtQuitWithTheDiskFull", "AtQuitInAReadOnlyFolder"};

struct Fault {
    QString file;  // in the fixed folder, which is the data folder
    Damage damage;
    Moment moment;
    QStringList messages;  // titles of the message boxes the user sees
    QString keptAs;        // where the damaged bytes must still be, if anywhere
    QString says = {};     // what the messages tell of the cause
    QString keptFrom = {};  // whose first bytes must be at keptAs, if not the damaged file's
};

std::vector<Fault> Faults() {
    const QStringList toldAtStart{"Damaged Database", "Quit", "Backups"};
    std::vector<Fault> faults;
    for (Damage damage : {Damage::Empty, Damage::HeaderOnly, Damage::CutInHalf, Damage::GarbagePages}) {
        for (const char* file : {"VESK0232.MDB", "Names.mdb"})
            faults.push_back({file, damage, Moment::StartAndQuit, toldAtStart, file});
        faults.push_back({"WYTH2024.MDB", damage, Moment::StartAndQuit, {"Damaged Settings", "Quit"}, "WYTH2024_Damaged.MDB"});
        faults.push_back({"TABLE24.MDB", damage, Moment::StartAndQuit, {"Quit"}, {}});
        faults.push_back({"VESK0232_Backup.MDB", damage, Moment::Restore, {"Restore CASES Database File"}, "VESK0232_Backup.MDB"});
        faults.push_back({"Names_Backup.MDB", damage, Moment::Restore, {"Restore Names Database File"}, "Names_Backup.MDB"});
    }
    for (const char* file : {"VESK0232.MDB", "Names.mdb"}) {
        faults.push_back({file, Damage::Folder, Moment::StartAndQuit, toldAtStart, {}});
        faults.push_back({file, Damage::Missing, Moment::StartAndQuit, {"Missing Database", "Quit"}, {}});
    }
    faults.push_back({"WYTH2024.MDB", Damage::Folder, Moment::StartAndQuit, {"Damaged Settings", "Quit"}, {}});
    faults.push_back({"Names_Backup.MDB", Damage::None, Moment::FullDiskQuit, {}, {}});
    faults.push_back({"Names.mdb", Damage::None, Moment::FullDiskRestore, {}, {}});
    const QString busy = "another workstation is using the file";
    for (const char* file : {"VESK0232.MDB", "Names.mdb"}) {
        const QString backup = QString(file).section('.', 0, 0) + "_Backup.MDB";
        const QString kept = QString(file).section('.', 0, 0) + "_Backup_Before_Missing.MDB";
        faults.push_back({file, Damage::Missing, Moment::TwoRuns, {"Missing Database", "Quit", "Quit"}, {}});
        faults.push_back({file, Damage::Missing, Moment::TwoRunsWithNewRecords,
                          {"Missing Database", "Quit", "Quit", "Backups"}, kept, kept, backup});
        faults.push_back({file, Damage::OtherDatabase, Moment::StartAndQuit,
                          {"Not a Database of This Program", "Quit", "Backups"}, file, "not one of this program's"});
        faults.push_back({backup, Damage::OtherDatabase, Moment::Restore,
                          {file[0] == 'N' ? "Restore Names Database File" : "Restore CASES Database File"}, backup,
                          "not one of this program's"});
        faults.push_back({file, Damage::Held, Moment::StartAndQuit, {"Database in Use", "Quit"}, file, busy});
    }
    faults.push_back({"VESK0232.MDB", Damage::Held, Moment::Restore,
                      {"Restore CASES Database File", "Restore CASES Database File"}, "VESK0232.MDB", busy});
    faults.push_back({"WYTH2024.MDB", Damage::Held, Moment::StartAndQuit, {"Settings in Use", "Quit"},
                      "WYTH2024.MDB", "another program"});
    faults.push_back({"TABLE24.MDB", Damage::Held, Moment::StartAndQuit, {"Schedule in Use", "Quit"}, "TABLE24.MDB",
                      "another workstation"});
    faults.push_back({"TABLE24.MDB", Damage::NoWholeAmounts, Moment::StartAndQuit, {"Quit"}, {}});
    faults.push_back({"VESK0232_Backup.MDB", Damage::None, Moment::QuitWithTheDiskFull, {"Quit", "Backups"},
                      "VESK0232_Backup.MDB", "the disk is full"});
    faults.push_back({"Names_Backup.MDB", Damage::None, Moment::QuitInAReadOnlyFolder, {"Quit", "Backups"},
                      "Names_Backup.MDB", "read-only"});
    return faults;
}

// A good copy holds the record that the test adds: file, table, key column, key.
const std::array<const char*, 4> kCopies[] = {{"VESK0232.MDB", "Cases", "caseid", "SM000001"},
                                              {"VESK0232_Backup.MDB", "Cases", "caseid", "SM000001"},
                                              {"VESK0232_Backup_Before_Missing.MDB", "Cases", "caseid", "SM000001"},
                                              {"Names.mdb", "Names", "keynumber", "S1234567"},
                                              {"Names_Backup.MDB", "Names", "keynumber", "S1234567"},
                                              {"Names_Backup_Before_Missing.MDB", "Names", "keynumber", "S1234567"}};
const char* const kOtherDatabase[][2] = {{"VESK0232.MDB", "Names.mdb"}, {"VESK0232_Backup.MDB", "Names_Backup.MDB"}};

bool Holds(const QString& file, const char* table, const char* column, const char* key) {
    const auto database = Database::OpenDatabase("C:\\QVRForms\\" + file);
    const auto rows = database ? database->ReadRows(table, {column}) : std::nullopt;
    return rows && std::count(rows->begin(), rows->end(), std::vector<Value>{QString(key)}) == 1;
}

bool Add(const char* file, const char* table, const char* column, const QString& key) {
    const auto database = Database::OpenDatabase("C:\\QVRForms\\" + QString(file));
    const auto added = database ? database->OpenRecordset(table) : nullptr;
    return added && added->AddNew() && added->SetValue(column, key) && added->Update();
}

QString OtherDatabase(const QString& file) {
    for (const auto& [cases, names] : kOtherDatabase) {
        if (file.compare(cases, Qt::CaseInsensitive) == 0) return names;
        if (file.compare(names, Qt::CaseInsensitive) == 0) return cases;
    }
    return {};
}

// Another workstation in the middle of a write: the file is locked and its journal lies beside it.
std::unique_ptr<Database> Hold(const QString& file) {
    auto holder = Database::OpenDatabase("C:\\QVRForms\\" + file);
    EXPECT_TRUE(holder && holder->Execute("BEGIN EXCLUSIVE") && holder->SetMark(7));
    return holder;
}

class FileFault : public FrameTest, public ::testing::WithParamInterface<Fault> {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        RegisterProgramWindows();
        StartProgram();
        busyWait = Database::SetBusyWait(100);
        for (const auto& [file, table, column, key] : {kCopies[0], kCopies[3]})
            ASSERT_TRUE(Add(file, table, column, key));
        for (int i : {0, 3}) ASSERT_TRUE(QFile::copy(HostFile(kCopies[i][0]), HostFile(kCopies[i + 1][0])));
    }

    void TearDown() override {
        Database::SetBusyWait(busyWait);
        FrameTest::TearDown();
    }

    QString HostFile(const QString& name) const { return Host("C:\\QVRForms\\" + name); }

    static int GoodCopies() {
        return int(std::count_if(std::begin(kCopies), std::end(kCopies),
                                 [](const auto& copy) { return Holds(copy[0], copy[1], copy[2], copy[3]); }));
    }

    // Damages the file and gives the bytes left in its place.
    QByteArray Inflict(Damage damage, const QString& file) const {
        const QString path = HostFile(file);
        const QByteArray whole = ReadHostFile(path);
        QByteArray damaged;
        std::mt19937 random(7);
        switch (damage) {
        case Damage::None:
        case Damage::Held:
            return whole;
        case Damage::OtherDatabase:
            damaged = ReadHostFile(HostFile(OtherDatabase(file)));
            break;
        case Damage::NoWholeAmounts:
            EXPECT_TRUE(Database::OpenDatabase("C:\\QVRForms\\" + file)
                            ->Execute("UPDATE Schedule SET Child1 = '$' || Child1, Child2 = Child2 || '.5'"));
            return ReadHostFile(path);
        case Damage::HeaderOnly:
            damaged = whole.left(100);
            break;
        case Damage::CutInHalf:
            damaged = whole.left(whole.size() / 2);
            break;
        case Damage::GarbagePages:  // all but the first page, whose header tells the page size
            for (damaged = whole.left((uchar(whole[16]) << 8) | uchar(whole[17])); damaged.size() < whole.size();)
                damaged += char(random());
            break;
        default:
            break;
        }
        QFile::remove(path);
        if (damage == Damage::Folder) QDir().mkpath(path);
        if (damage != Damage::Folder && damage != Damage::Missing) WriteHostFile(path, damaged);
        return damaged;
    }

    void StartAndQuit(const std::function<void()>& afterStart = [] {}) {
        state = ProgramState{};
        StartUp();
        afterStart();
        SetDatabasePaths();  // again, as the case library does: nothing is told twice
        EXPECT_EQ(state.FilesLocation, "C:\\QVRForms");
        EXPECT_TRUE(Holds("TABLE24.MDB", "Schedule", "Income", "0"));
        state.LookupIncome = 3000;
        state.LookupChildren = 1;
        LookupSchedule();
        EXPECT_GT(state.LookupResult, 0);
        MenuItem("menuQuitthisprogram")->trigger();
    }

    void Restore(const QString& backup) {
        HiddenUtilities utilities(&MainWindow());
        utilities.findChild<QPushButton*>(backup.startsWith("Names") ? "cmdRestoreNames" : "cmdRestoreCases")->click();
        EXPECT_EQ(programEnds, 0);
    }

    void TwoRuns(const QString& file, bool withNewRecords) {
        StartAndQuit();
        const auto& [copy, table, column, key] = kCopies[file.startsWith("Names") ? 3 : 0];
        if (withNewRecords) {
            EXPECT_TRUE(Add(copy, table, column, "N0000001"));
        }
        StartAndQuit();
    }

    int busyWait = 0;
};

TEST_P(FileFault, IsToldAndLeavesNoFewerGoodCopies) {
    const Fault& fault = GetParam();
    const QByteArray kept = fault.keptFrom.isEmpty() ? QByteArray() : ReadHostFile(HostFile(fault.keptFrom));
    const QByteArray damaged = Inflict(fault.damage, fault.file);
    std::unique_ptr<Database> holder = fault.damage == Damage::Held ? Hold(fault.file) : nullptr;
    const auto release = [&] {
        if (!holder) return;
        EXPECT_TRUE(QFile::exists(HostFile(fault.file) + "-journal"));  // nothing of the other writer is touched
        holder.reset();
    };
    const int goodCopies = GoodCopies();
    ModalAnswerer answerer;
    for (int i = 0; i < 3; ++i)  // Yes to every question
        answerer.Then([](QWidget* box) {
            const bool asks = static_cast<QMessageBox*>(box)->button(QMessageBox::Yes) != nullptr;
            ModalAnswerer::ClickButton(box, asks ? "Yes" : "OK");
        });

    const auto told = [&] {
        return answerer.Titles() == fault.messages && answerer.Texts().join(' ').contains(fault.says);
    };
    if (fault.moment == Moment::StartAndQuit) StartAndQuit(release);
    if (fault.moment == Moment::Restore) Restore(fault.file);
    if (fault.moment == Moment::Restore) release();
    if (fault.moment == Moment::TwoRuns || fault.moment == Moment::TwoRunsWithNewRecords)
        TwoRuns(fault.file, fault.moment == Moment::TwoRunsWithNewRecords);
    const auto backUp = [] { return MakeBackup(NamesDatabaseFile()); };
    const auto restore = [] { return RestoreFromBackup(NamesDatabaseFile()); };
    const auto quit = [&] { return MenuItem("menuQuitthisprogram")->trigger(), told(); };
    const QString folder = driveC + "/QVRForms";
    if (fault.moment == Moment::FullDiskQuit || fault.moment == Moment::FullDiskRestore) {
        EXPECT_FALSE(InAChild(Limit::FullDisk, folder, fault.moment == Moment::FullDiskQuit ? backUp : restore));
    }
    if (fault.moment == Moment::QuitWithTheDiskFull || fault.moment == Moment::QuitInAReadOnlyFolder) {
        // The child tells what it saw through its exit status.
        EXPECT_TRUE(InAChild(fault.moment == Moment::QuitWithTheDiskFull ? Limit::FullDisk : Limit::ReadOnlyFolder,
                             folder, quit));
    } else {
        EXPECT_TRUE(told()) << answerer.Titles().join(", ").toStdString() << ": "
                            << answerer.Texts().join(" ").toStdString();
    }
    EXPECT_GE(GoodCopies(), goodCopies);
    if (!fault.keptAs.isEmpty()) {
        EXPECT_EQ(ReadHostFile(HostFile(fault.keptAs)), fault.keptFrom.isEmpty() ? damaged : kept);
    }
    EXPECT_EQ(QDir(driveC + "/QVRForms").entryList({"*.tmp*"}), QStringList{});
}

INSTANTIATE_TEST_SUITE_P(Files, FileFault, ::testing::ValuesIn(Faults()), [](const auto& info) {
    const Fault& fault = info.param;
    return QString(fault.file).replace('.', '_').toStdString() + kDamageNames[int(fault.damage)] +
           kMomentNames[int(fault.moment)];
});

// A cases file over a megabyte is checked behind the start window, which shows at once. What the
// check finds is told when it ends, or at the user's first step, before the file is used.
enum class FirstStep { Wait, ClickPicture, PressEsc, OpenTheTable, Quit };

struct CheckedBehind {
    const char* name;
    bool damaged;
    FirstStep step;
    QStringList told;
    QStringList shownAfter;  // the working windows shown after the step
};

class LargeCasesFile : public FrameTest, public ::testing::WithParamInterface<CheckedBehind> {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        RegisterProgramWindows();
        StartProgram();
        const auto cases = Database::OpenDatabase("C:\\QVRForms\\VESK0232.MDB");
        ASSERT_TRUE(cases->Execute("WITH RECURSIVE k(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM k WHERE n < 6000) "
                                   "INSERT INTO Cases (caseid, casedesc) "
                                   "SELECT printf('CA%06d', n), printf('%250d', n) FROM k"));
    }

    void TearDown() override {
        ModalAnswerer answerer;  // a failed row leaves no check behind for the next
        answerer.Click("OK");
        FinishDatabaseChecks();
        FrameTest::TearDown();
    }

    static void Step(FirstStep step) {
        auto* splash = SubWindow("Splash")->widget();
        switch (step) {
        case FirstStep::Wait:
            for (int i = 0; i < 500 && DatabaseChecksPending(); ++i) QTest::qWait(10);
            break;
        case FirstStep::ClickPicture:
            QTest::mouseClick(splash->findChild<QLabel*>("Image1"), Qt::LeftButton);
            break;
        case FirstStep::PressEsc:
            QTest::keyClick(splash, Qt::Key_Escape);
            break;
        case FirstStep::OpenTheTable:
            OpenCasesTable();
            CloseCasesDatabase();
            break;
        case FirstStep::Quit:
            MenuItem("menuQuitthisprogram")->trigger();
            break;
        }
    }
};

TEST_P(LargeCasesFile, IsToldOfBeforeItIsUsed) {
    const CheckedBehind& row = GetParam();
    const QString file = driveC + "/QVRForms/VESK0232.MDB", backup = driveC + "/QVRForms/VESK0232_Backup.MDB";
    QFile::remove(backup);
    ASSERT_TRUE(QFile::copy(file, backup));
    QByteArray bytes = ReadHostFile(file);
    ASSERT_GT(bytes.size(), 1 << 20);
    constexpr int kPageSize = 4096;
    if (row.damaged) bytes.replace(bytes.size() / 2 / kPageSize * kPageSize, kPageSize, QByteArray(kPageSize, 'x'));
    WriteHostFile(file, bytes);
    const QByteArray backedUp = ReadHostFile(backup);

    ModalAnswerer answerer;
    for (int i = 0; i < 3; ++i)  // Yes to the quit, Continue in the file utilities, OK to the rest
        answerer.Then([](QWidget* box) {
            const auto* message = qobject_cast<QMessageBox*>(box);
            ModalAnswerer::ClickButton(box, !message ? "Continue" : message->button(QMessageBox::Yes) ? "Yes" : "OK");
        });
    UnloadAllForms();
    DiscardMainWindow();
    state = ProgramState{};
    Main();
    EXPECT_TRUE(DatabaseChecksPending());
    EXPECT_EQ(ShownWindows(), QStringList{"Splash"});

    Step(row.step);

    EXPECT_EQ(answerer.Titles(), row.told);
    EXPECT_FALSE(DatabaseChecksPending());
    if (row.step != FirstStep::Quit) EXPECT_EQ(ShownWindows(), row.shownAfter);
    EXPECT_EQ(ReadHostFile(backup), backedUp);
}

const CheckedBehind kCheckedBehind[] = {
    {"DamagedToldWhenChecked", true, FirstStep::Wait, {"Damaged Database"}, {"Splash"}},
    {"DamagedToldAtAClickThatThenStays", true, FirstStep::ClickPicture, {"Damaged Database"}, {"Splash"}},
    {"DamagedToldBeforeTheFileUtilities", true, FirstStep::PressEsc, {"Damaged Database", "File Utilities"},
     {"CaseLibrary"}},
    {"DamagedToldBeforeTheTableOpens", true, FirstStep::OpenTheTable, {"Damaged Database"}, {"Splash"}},
    {"DamagedToldAtQuitAndNotBackedUp", true, FirstStep::Quit, {"Quit", "Damaged Database", "Backups"}, {}},
    {"SoundLeadsOnToTheLibrary", false, FirstStep::ClickPicture, {}, {"CaseLibrary"}},
    {"SoundQuitsWithoutAWord", false, FirstStep::Quit, {"Quit"}, {}},
};

INSTANTIATE_TEST_SUITE_P(Files, LargeCasesFile, ::testing::ValuesIn(kCheckedBehind),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qvr::test
