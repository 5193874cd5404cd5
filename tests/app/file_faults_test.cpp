// Damaged, missing and unwritable files: the user is told what was found, and the program never
// ends up with fewer good copies of the cases and names than it began with.

#include "app/program_windows.h"
#include "core/database_backups.h"
#include "core/program_state.h"
#include "core/startup.h"
#include "core/windows/background.h"
#include "support/frame_fixture.h"
#include "core/windows/hidden_utilities.h"
#include "platform/database.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <csignal>
#include <random>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace qvr::test {
namespace {

enum class Damage { Empty, HeaderOnly, CutInHalf, GarbagePages, Folder, Missing, None };
const char* const kDamageNames[] = {"Empty", "HeaderOnly", "CutInHalf", "GarbagePages", "Folder", "Missing", ""};
enum class Moment { StartAndQuit, Restore, FullDiskQuit, FullDiskRestore };
const char* const kMomentNames[] = {"AtStartAndQuit", "AtRestore", "OnAFullDiskAtQuit", "OnAFullDiskAtRestore"};

struct Fault {
    QString file;  // in the fixed folder, which is the data folder
    Damage damage;
    Moment moment;
    QStringList messages;  // titles of the message boxes the user sees
    QString keptAs;        // where the damaged bytes must still be, if anywhere
};

std::vector<Fault> Faults() {
    const QStringList toldAtStart{"Damaged Database", "Quit"};
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
    return faults;
}

// A good copy holds the record that the test adds: file, table, key column, key.
const std::array<const char*, 4> kCopies[] = {{"VESK0232.MDB", "Cases", "caseid", "SM000001"},
                                              {"VESK0232_Backup.MDB", "Cases", "caseid", "SM000001"},
                                              {"Names.mdb", "Names", "keynumber", "S1234567"},
                                              {"Names_Backup.MDB", "Names", "keynumber", "S1234567"}};

bool Holds(const QString& file, const char* table, const char* column, const char* key) {
    const auto database = Database::OpenDatabase("C:\\QVRForms\\" + file);
    const auto rows = database ? database->ReadRows(table, {column}) : std::nullopt;
    return rows && std::count(rows->begin(), rows->end(), std::vector<Value>{QString(key)}) == 1;
}

// Runs `write` in a child process whose files cannot grow past 4096 bytes, as on a full disk.
bool OnAFullDisk(const std::function<bool()>& write) {
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of ending the process
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(write() ? 0 : 1);
    }
    int status = -1;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class FileFault : public FrameTest, public ::testing::WithParamInterface<Fault> {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        RegisterProgramWindows();
        StartProgram();
        for (const auto& [file, table, column, key] : {kCopies[0], kCopies[2]}) {
            const auto database = Database::OpenDatabase(DataFile(file));
            const auto added = database->OpenRecordset(table);
            ASSERT_TRUE(added->AddNew() && added->SetValue(column, QString(key)) && added->Update());
        }
        for (int i : {0, 2}) ASSERT_TRUE(QFile::copy(HostFile(kCopies[i][0]), HostFile(kCopies[i + 1][0])));
    }

    QString HostFile(const QString& name) const { return Host("C:\\QVRForms\\" + name); }

    static int GoodCopies() {
        return int(std::count_if(std::begin(kCopies), std::end(kCopies),
                                 [](const auto& copy) { return Holds(copy[0], copy[1], copy[2], copy[3]); }));
    }

    // Damages the file and gives the bytes left in its place.
    static QByteArray Inflict(Damage damage, const QString& path) {
        const QByteArray whole = ReadHostFile(path);
        QByteArray damaged;
        std::mt19937 random(7);
        switch (damage) {
        case Damage::None:
            return whole;
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

    void StartAndQuit() {
        state = ProgramState{};
        StartUp();
        SetDatabasePaths();  // again, as the case library does: nothing is told twice
        EXPECT_EQ(state.FilesLocation, "C:\\QVRForms");
        EXPECT_TRUE(Holds("TABLE24.MDB", "Schedule", "Income", "0"));
        MenuItem("menuQuitthisprogram")->trigger();
    }

    void Restore(const QString& backup) {
        HiddenUtilities utilities(&MainWindow());
        utilities.findChild<QPushButton*>(backup.startsWith("Names") ? "cmdRestoreNames" : "cmdRestoreCases")->click();
        EXPECT_EQ(programEnds, 0);
    }
};

TEST_P(FileFault, IsToldAndLeavesNoFewerGoodCopies) {
    const Fault& fault = GetParam();
    const QByteArray damaged = Inflict(fault.damage, HostFile(fault.file));
    const int goodCopies = GoodCopies();
    ModalAnswerer answerer;
    for (int i = 0; i < 3; ++i)  // Yes to every question
        answerer.Then([](QWidget* box) {
            const bool asks = static_cast<QMessageBox*>(box)->button(QMessageBox::Yes) != nullptr;
            ModalAnswerer::ClickButton(box, asks ? "Yes" : "OK");
        });

    if (fault.moment == Moment::StartAndQuit) StartAndQuit();
    if (fault.moment == Moment::Restore) Restore(fault.file);
    const auto backUp = [] { return MakeBackup(NamesDatabaseFile()); };
    const auto restore = [] { return RestoreFromBackup(NamesDatabaseFile()); };
    if (fault.moment == Moment::FullDiskQuit || fault.moment == Moment::FullDiskRestore) {
        EXPECT_FALSE(OnAFullDisk(fault.moment == Moment::FullDiskQuit ? backUp : restore));
    }

    EXPECT_EQ(answerer.Titles(), fault.messages);
    EXPECT_GE(GoodCopies(), goodCopies);
    if (!fault.keptAs.isEmpty()) {
        EXPECT_EQ(ReadHostFile(HostFile(fault.keptAs)), damaged);
    }
    EXPECT_EQ(QDir(driveC + "/QVRForms").entryList({"*.tmp*"}), QStringList{});
}

INSTANTIATE_TEST_SUITE_P(Files, FileFault, ::testing::ValuesIn(Faults()), [](const auto& info) {
    const Fault& fault = info.param;
    return QString(fault.file).replace('.', '_').toStdString() + kDamageNames[int(fault.damage)] +
           kMomentNames[int(fault.moment)];
});

}  // namespace
}  // namespace qvr::test
