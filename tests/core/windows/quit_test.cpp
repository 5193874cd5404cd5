#include "support/frame_fixture.h"

#include "core/cases_database.h"
#include "core/database_backups.h"
#include "core/program_state.h"
#include "core/startup.h"
#include "core/windows/background.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace qvr::test {
namespace {

const QString kQuestion = "Are you sure you want to Quit this Program?";

class QuitTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        StartProgram();
        dataFolder = driveC + "/QVRForms/";
    }

    QByteArray Bytes(const QString& name) const { return ReadHostFile(dataFolder + name); }
    QStringList TemporaryFiles() const { return QDir(dataFolder).entryList({"*.tmp"}, QDir::Files); }

    QString dataFolder;
};

enum class QuitBy { Menu, CloseBox };

class QuitWithYes : public QuitTest, public ::testing::WithParamInterface<QuitBy> {
protected:
    void Quit() {
        if (GetParam() == QuitBy::Menu)
            MenuItem("menuQuitthisprogram")->trigger();
        else
            EXPECT_TRUE(MainWindow().close());
    }
};

TEST_P(QuitWithYes, ReplacesTheBackupsByCopiesOfBothDatabasesAndEnds) {
    WriteHostFile(dataFolder + "VESK0232_Backup.MDB", "old cases");
    WriteHostFile(dataFolder + "Names_Backup.MDB", "old names");
    OpenCasesTable();  // a handle left open is closed before the copy
    ModalAnswerer answerer;
    answerer.Click("Yes");

    Quit();

    EXPECT_EQ(answerer.Titles(), QStringList{"Quit"});
    EXPECT_EQ(answerer.Texts(), QStringList{kQuestion});
    EXPECT_EQ(Bytes("VESK0232_Backup.MDB"), Bytes("VESK0232.MDB"));
    EXPECT_EQ(Bytes("Names_Backup.MDB"), Bytes("Names.mdb"));
    EXPECT_FALSE(Bytes("VESK0232.MDB").isEmpty());
    EXPECT_EQ(state.CasesDatabase, nullptr);
    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(TemporaryFiles(), QStringList{});
}

INSTANTIATE_TEST_SUITE_P(Ways, QuitWithYes, ::testing::Values(QuitBy::Menu, QuitBy::CloseBox),
                         [](const auto& info) { return info.param == QuitBy::Menu ? "Menu" : "CloseBox"; });

TEST_F(QuitTest, NoAfterTheCloseBoxKeepsEverythingOpen) {
    ModalAnswerer answerer;
    answerer.Click("No");

    EXPECT_FALSE(MainWindow().close());

    EXPECT_EQ(answerer.Titles(), QStringList{"Quit"});
    EXPECT_TRUE(MainWindow().isVisible());
    EXPECT_EQ(ShownWindows(), QStringList{"Splash"});
    EXPECT_EQ(programEnds, 0);
    EXPECT_FALSE(QFile::exists(dataFolder + "VESK0232_Backup.MDB"));
}

TEST_F(QuitTest, NoFromTheMenuDoesNothing) {
    ModalAnswerer answerer;
    answerer.Click("No");

    MenuItem("menuQuitthisprogram")->trigger();

    EXPECT_EQ(answerer.Answered(), 1);
    EXPECT_EQ(programEnds, 0);
    EXPECT_FALSE(QFile::exists(dataFolder + "Names_Backup.MDB"));
}

// A backup is only ever replaced by a good copy: without a names database the old backup is
// the only copy there is.
TEST_F(QuitTest, MissingNamesDatabaseKeepsItsOldBackup) {
    ASSERT_TRUE(QFile::remove(dataFolder + "Names.mdb"));
    WriteHostFile(dataFolder + "Names_Backup.MDB", "the only copy");
    ModalAnswerer answerer;
    answerer.Click("Yes");

    MenuItem("menuQuitthisprogram")->trigger();

    EXPECT_EQ(Bytes("Names_Backup.MDB"), "the only copy");
    EXPECT_EQ(Bytes("VESK0232_Backup.MDB"), Bytes("VESK0232.MDB"));
    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(TemporaryFiles(), QStringList{});
}

TEST_F(QuitTest, ReadOnlyBackupStaysAsItWasAndTheProgramStillEnds) {
    WriteHostFile(dataFolder + "VESK0232_Backup.MDB", "kept");
    QFile::setPermissions(dataFolder + "VESK0232_Backup.MDB", QFile::ReadOwner);
    ModalAnswerer answerer;
    answerer.Click("Yes");

    MenuItem("menuQuitthisprogram")->trigger();

    EXPECT_EQ(Bytes("VESK0232_Backup.MDB"), "kept");
    EXPECT_EQ(Bytes("Names_Backup.MDB"), Bytes("Names.mdb"));
    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(TemporaryFiles(), QStringList{});
}

enum class SinceTheBackup { Nothing, ACaseWritten, BackupReplaced };
const char* const kSinceTheBackup[] = {"Nothing", "ACaseWritten", "BackupReplaced"};

class BackupAtQuit : public QuitTest, public ::testing::WithParamInterface<SinceTheBackup> {};

// A backup that is a copy of the database as start-up found it whole is neither checked nor copied
// again; a database written since, or another file in the backup's place, is.
TEST_P(BackupAtQuit, IsCopiedAgainOnlyWhenItIsNoLongerACopyOfTheDatabase) {
    const QString backup = dataFolder + "VESK0232_Backup.MDB";
    ASSERT_TRUE(MakeBackup(CasesDatabaseFile()));
    state = ProgramState{};
    StartUp();  // another day: the databases are there to be checked
    if (GetParam() == SinceTheBackup::BackupReplaced) WriteHostFile(backup, Bytes("Names.mdb"));
    if (GetParam() == SinceTheBackup::ACaseWritten) {
        OpenCasesTable();
        ASSERT_TRUE(state.CasesRecordset->AddNew() && state.CasesRecordset->SetValue("caseid", QString("AB000001")) &&
                    state.CasesRecordset->Update());
        CloseCasesDatabase();
    }
    const QDateTime marked = QDateTime::currentDateTime().addDays(1);
    QFile marking(backup);
    ASSERT_TRUE(marking.open(QIODevice::ReadWrite) && marking.setFileTime(marked, QFileDevice::FileModificationTime));
    marking.close();
    ModalAnswerer answerer;
    answerer.Click("Yes");

    MenuItem("menuQuitthisprogram")->trigger();

    EXPECT_EQ(Bytes("VESK0232_Backup.MDB"), Bytes("VESK0232.MDB"));
    EXPECT_EQ(QFileInfo(backup).lastModified() == marked, GetParam() == SinceTheBackup::Nothing);
    EXPECT_EQ(programEnds, 1);
}

INSTANTIATE_TEST_SUITE_P(Changes, BackupAtQuit,
                         ::testing::Values(SinceTheBackup::Nothing, SinceTheBackup::ACaseWritten,
                                           SinceTheBackup::BackupReplaced),
                         [](const auto& info) { return kSinceTheBackup[int(info.param)]; });

}  // namespace
}  // namespace qvr::test
