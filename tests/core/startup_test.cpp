#include "core/program_state.h"
#include "core/startup.h"
#include "platform/files.h"
#include "support/modal_answerer.h"
#include "support/temp_drive.h"

#include <QDir>
#include <QFile>

namespace qvr::test {
namespace {

class StartupTest : public TempDriveTest {};

TEST_F(StartupTest, StartValues) {
    SetStartValues();

    EXPECT_EQ(state.FormWidth, 15700);
    EXPECT_EQ(state.FormHeight, 9000);
    EXPECT_EQ(state.VersionText, "Software Version 01012024");
    EXPECT_EQ(state.CasesFileName, "VESK0232.MDB");
    EXPECT_EQ(state.CaseLibraryOpened, "N");
    EXPECT_EQ(state.StartDrive, "C:");
    EXPECT_EQ(state.FieldColor, 15);
    EXPECT_EQ(state.RoundLinesA, "N");
    EXPECT_EQ(state.RoundLinesB, "");
    EXPECT_EQ(state.RoundLinesC, "");
    EXPECT_EQ(state.ShowZeros, "Y");
    EXPECT_EQ(state.ShowWarnings, "Y");
    EXPECT_EQ(state.CurrentCaseId, "");
    EXPECT_EQ(state.MainDatabasePath, "C:\\QVRForms\\WYTH2024.MDB");
    EXPECT_EQ(state.ScheduleDatabasePath, "C:\\QVRForms\\TABLE24.MDB");
}

TEST_F(StartupTest, NormalStartMakesTheDatabasesInTheFixedFolderAndSetsTheBounds) {
    ModalAnswerer answerer;
    StartUp();

    EXPECT_EQ(programEnds, 0);
    EXPECT_TRUE(answerer.Titles().isEmpty());
    EXPECT_EQ(state.FilesLocation, "C:\\QVRForms");
    EXPECT_EQ(state.NamesDatabasePath, "C:\\QVRForms\\Names.mdb");
    EXPECT_EQ(state.CasesDatabasePath, "C:\\QVRForms\\VESK0232.MDB");
    for (const char* name : {"WYTH2024.MDB", "Names.mdb", "VESK0232.MDB"})
        EXPECT_TRUE(QFile::exists(driveC + "/QVRForms/" + name)) << name;
    const double bounds[] = {1500, 1850, 2200, 2400, 2700, 3000};
    for (int children = 1; children <= 6; ++children)
        EXPECT_EQ(state.ShadedAreaLimit(children), bounds[children - 1]) << children;
}

TEST_F(StartupTest, StartOnDriveDPutsEverythingUnderItsFixedFolder) {
    const QString driveD = MapExtraDrive('D');
    QDir().mkpath(driveD + "/QVRForms");
    for (const char* name : {"TABLE24.MDB", "Table23.mdb"})
        ASSERT_TRUE(QFile::copy(driveC + "/QVRForms/" + name, driveD + "/QVRForms/" + name));
    QDir().mkpath(driveD + "/work");
    QDir::setCurrent(driveD + "/work");

    StartUp();

    EXPECT_EQ(state.StartDrive, "D:");
    EXPECT_EQ(state.MainDatabasePath, "D:\\QVRForms\\WYTH2024.MDB");
    EXPECT_EQ(state.ScheduleDatabasePath, "D:\\QVRForms\\TABLE24.MDB");
    EXPECT_EQ(state.FilesLocation, "D:\\QVRForms");
    EXPECT_TRUE(QFile::exists(driveD + "/QVRForms/WYTH2024.MDB"));
    EXPECT_TRUE(QFile::exists(driveD + "/QVRForms/VESK0232.MDB"));
    EXPECT_FALSE(QFile::exists(driveC + "/QVRForms/WYTH2024.MDB"));
}

TEST_F(StartupTest, MissingScheduleIsRestoredSilentlyAsAByteCopyOfTheSpare) {
    ASSERT_TRUE(QFile::remove(driveC + "/QVRForms/TABLE24.MDB"));
    ModalAnswerer answerer;

    StartUp();

    EXPECT_TRUE(answerer.Titles().isEmpty());
    EXPECT_EQ(programEnds, 0);
    EXPECT_EQ(ReadHostFile(driveC + "/QVRForms/TABLE24.MDB"), ReadHostFile(driveC + "/QVRForms/Table23.mdb"));
}

TEST_F(StartupTest, ScheduleFoundWhateverTheCaseOfItsName) {
    ASSERT_TRUE(QFile::rename(driveC + "/QVRForms/TABLE24.MDB", driveC + "/QVRForms/table24.mdb"));
    ASSERT_TRUE(QFile::remove(driveC + "/QVRForms/Table23.mdb"));
    ModalAnswerer answerer;

    StartUp();

    EXPECT_TRUE(answerer.Titles().isEmpty());
    EXPECT_EQ(programEnds, 0);
}

TEST_F(StartupTest, BothScheduleFilesMissingShowsOnlyTheMessageThenEnds) {
    ASSERT_TRUE(QFile::remove(driveC + "/QVRForms/TABLE24.MDB"));
    ASSERT_TRUE(QFile::remove(driveC + "/QVRForms/Table23.mdb"));
    ModalAnswerer answerer;
    answerer.Click("OK");

    StartUp();

    EXPECT_EQ(answerer.Titles(), QStringList{"Missing Schedule"});
    EXPECT_EQ(answerer.Texts(),
              QStringList{"The 'Schedule of Basic Child Support Obligation' seems to be missing!  Reinstall this "
                          "software package, or contact Quorvane for help."});
    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(state.ShadedAreaLimit1, 0);  // start-up went no further
    EXPECT_FALSE(QFile::exists(driveC + "/QVRForms/TABLE24.MDB"));
}

TEST_F(StartupTest, EmptyDataFolderPutsTheDatabasesAtTheRootOfTheCurrentDrive) {
    state.FilesLocation = "";
    state.CasesFileName = "VESK0232.MDB";

    SetDatabasePaths();

    EXPECT_EQ(state.NamesDatabasePath, "\\Names.mdb");
    EXPECT_EQ(state.CasesDatabasePath, "\\VESK0232.MDB");
    EXPECT_TRUE(QFile::exists(driveC + "/Names.mdb"));
}

}  // namespace
}  // namespace qvr::test
