#include "support/frame_fixture.h"

#include "core/program_state.h"
#include "core/settings_database.h"
#include "core/windows/background.h"
#include "core/windows/folder_list.h"
#include "platform/database.h"
#include "support/list_clicks.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>

namespace qvr::test {
namespace {

const QString kExplanation =
    "The starting location for all database files is a folder on your computer's hard drive named '\\QVRForms'.  "
    "This routine allows you to change that location, primarily for the purpose of sharing the database with other "
    "users over a network.  To share this program's database files with other users, specify the SHARED network "
    "drive and folder where the database files are located by following the three steps below (Note:  This must be "
    "done on EACH computer that wants to share the database files).";

QString StoredFolder() {
    std::unique_ptr<Database> settings = Database::OpenDatabase(state.MainDatabasePath);
    std::unique_ptr<Recordset> main = settings->OpenRecordset("Main");
    main->MoveFirst();
    return main->GetValue("fileslocation").value_or("(Null)");
}

QWidget* LocationWindow() { return LoadedWorkingWindow("Location"); }

template <typename Control = QWidget>
Control* Find(const char* name) {
    auto* control = LocationWindow()->findChild<Control*>(name);
    EXPECT_NE(control, nullptr) << name;
    return control;
}

FolderList* Folders() { return Find<FolderList>("dirNames"); }

void OpenFolderLine(const QString& caption) {
    FolderList* list = Folders();
    const auto lines = list->findItems(caption, Qt::MatchEndsWith);
    ASSERT_FALSE(lines.isEmpty()) << caption.toStdString();
    DoubleClickItem(list, lines.front());
}

class LocationTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        PrepareDrives();
        StartProgram();
    }
    virtual void PrepareDrives() {}

    void OpenLocation() {
        SetMenusEnabled({Menu::Location}, true);
        Choose("menulocation");
        ASSERT_NE(LocationWindow(), nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&MainWindow()));
    }

    // Stands in for the case library so that the state it is shown with can be seen.
    void WatchCaseLibrary() {
        Register("CaseLibrary", [this] {
            caseIdSeen = state.CurrentCaseId;
            ++caseLibraryShown;
            return new FakeWindow("CaseLibrary", log);
        });
    }

    void Click(const char* button) {
        QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton);
        DeleteUnloadedWindows();
    }

    void MakeFolder(const QString& relativeToC) { ASSERT_TRUE(QDir().mkpath(driveC + "/" + relativeToC)); }

    QString caseIdSeen = "(not shown)";
    int caseLibraryShown = 0;
};

TEST_F(LocationTest, ShowsItsStepsTheCurrentFolderAndTheDataFolderInTheList) {
    OpenLocation();

    EXPECT_EQ(state.ActiveFormName, "Location");
    EXPECT_EQ(MainWindow().ClientArea()->background().color(), QColor(Qt::white));
    const std::pair<const char*, QString> texts[] = {
        {"lblFormTitle", "Change Location of Database Files"},
        {"lblFormTitle2", "CURRENT LOCATION:  C:\\QVRFORMS"},
        {"Label1", kExplanation},
        {"Label5", "STEP 1:  Select a Drive"},
        {"Label3", "The drop-down box below contains a list of the DRIVES that are available on this particular "
                   "computer.  Click on the down arrow to show all available DRIVES, then click on the DRIVE "
                   "containing the desired folder.  Doing so will cause the folders on the selected drive to be "
                   "displayed on the right."},
        {"Label6", "STEP 2:  Navigate to the desired Folder"},
        {"Label4", "The box below lists the folders that are accessible on the selected DRIVE. Navigate (DOUBLE "
                   "CLICK) your way through the list until you have found the desired FOLDER."},
        {"Label7", "STEP 3:  Make the change"},
        {"Label2", "Change the location of the Database Files by clicking on the button labeled 'CHANGE NOW'. If you "
                   "are not sure, then you can either 'Cancel' or 'Change back' to the original location."},
    };
    for (const auto& [name, text] : texts) {
        auto* label = Find<QLabel>(name);
        EXPECT_EQ(label->text(), text) << name;
        EXPECT_LE(label->heightForWidth(label->width()), label->height()) << name << " is cut off";
    }
    const std::pair<const char*, const char*> buttons[] = {
        {"cmdChange", "CHANGE NOW"}, {"cmdCancel", "Cancel with no changes"}, {"Command1", "Change back to \\QVRForms"}};
    for (const auto& [name, caption] : buttons) EXPECT_EQ(Find<QPushButton>(name)->text(), caption) << name;
    for (QWidget* control : LocationWindow()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(LocationWindow()->rect().contains(control->geometry())) << control->objectName().toStdString();
    EXPECT_EQ(Find<QComboBox>("drvNames")->currentText(), "C:");
    EXPECT_EQ(Folders()->Path(), "C:\\QVRForms");
}

class SameFolder : public LocationTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(SameFolder, InAnyCaseAsksNothingStoresNothingAndKeepsTheCurrentCase) {
    WatchCaseLibrary();
    state.FilesLocation = GetParam();
    state.CurrentCaseId = "MO123456";
    OpenLocation();
    ModalAnswerer answerer;

    Click("cmdChange");

    EXPECT_TRUE(answerer.Titles().isEmpty());
    EXPECT_EQ(StoredFolder(), "C:\\QVRForms");
    EXPECT_EQ(state.FilesLocation, GetParam());
    EXPECT_EQ(caseIdSeen, "MO123456");
    EXPECT_EQ(ShownWindows(), QStringList{"CaseLibrary"});
}

INSTANTIATE_TEST_SUITE_P(Spellings, SameFolder, ::testing::Values("C:\\QVRForms", "c:\\qvrforms", "C:\\QVRFORMS"));

TEST_F(LocationTest, NoToTheChangeQuestionChangesNothing) {
    WatchCaseLibrary();
    MakeFolder("Shared");
    state.CurrentCaseId = "MO123456";
    OpenLocation();
    OpenFolderLine("C:\\");
    OpenFolderLine("Shared");
    ModalAnswerer answerer;
    answerer.Click("No");

    Click("cmdChange");

    EXPECT_EQ(answerer.Titles(), QStringList{"Change Location of Files"});
    EXPECT_EQ(answerer.Texts(), QStringList{"Are you sure you want to change the 'Location of Files'?     \r\n\r\n"
                                            "     From:  C:\\QVRFORMS\r\n        To:  C:\\SHARED?"});
    EXPECT_EQ(StoredFolder(), "C:\\QVRForms");
    EXPECT_EQ(state.FilesLocation, "C:\\QVRForms");
    EXPECT_EQ(caseIdSeen, "MO123456");
    EXPECT_EQ(ShownWindows(), QStringList{"CaseLibrary"});
}

TEST_F(LocationTest, ChangeStoresTheChosenFolderInUpperCaseAndClearsTheCurrentCase) {
    WatchCaseLibrary();
    MakeFolder("QVRForms/Team share");
    state.CurrentCaseId = "MO123456";
    OpenLocation();
    OpenFolderLine("Team share");
    ModalAnswerer answerer;
    answerer.Click("Yes");

    Click("cmdChange");

    EXPECT_EQ(StoredFolder(), "C:\\QVRFORMS\\TEAM SHARE");
    EXPECT_EQ(state.FilesLocation, "C:\\QVRFORMS\\TEAM SHARE");
    EXPECT_EQ(caseIdSeen, "");
    EXPECT_EQ(ShownWindows(), QStringList{"CaseLibrary"});
}

// The real case library then makes new, empty databases in the new folder.
TEST_F(LocationTest, AfterAChangeTheCaseLibraryWorksInTheNewFolder) {
    MakeFolder("Shared");
    OpenLocation();
    OpenFolderLine("C:\\");
    OpenFolderLine("Shared");
    ModalAnswerer answerer;
    answerer.Click("Yes");

    Click("cmdChange");

    EXPECT_EQ(ShownWindows(), QStringList{"CaseLibrary"});
    EXPECT_EQ(state.FilesLocation, "C:\\SHARED");
    EXPECT_TRUE(QFile::exists(driveC + "/Shared/VESK0232.MDB"));
    EXPECT_TRUE(QFile::exists(driveC + "/Shared/Names.mdb"));
}

TEST_F(LocationTest, AFolderTooLongForTheSettingsIsReportedAndTheOldOneStays) {
    WatchCaseLibrary();
    const QString first(120, 'a');
    const QString second(90, 'b');
    MakeFolder(first + "/" + second);
    state.CurrentCaseId = "MO123456";
    OpenLocation();
    OpenFolderLine("C:\\");
    OpenFolderLine(first);
    OpenFolderLine(second);
    ModalAnswerer answerer;
    answerer.Click("Yes").Click("OK");

    Click("cmdChange");

    ASSERT_EQ(answerer.Titles(), (QStringList{"Change Location of Files", "Change Location of Files"}));
    EXPECT_EQ(answerer.Texts()[1], "The new location could not be saved in this computer's settings, so the database "
                                   "files stay in C:\\QVRFORMS.");
    EXPECT_EQ(StoredFolder(), "C:\\QVRForms");
    EXPECT_EQ(state.FilesLocation, "C:\\QVRForms");
    EXPECT_EQ(caseIdSeen, "MO123456");
}

TEST_F(LocationTest, CancelChangesNothingAndShowsTheCaseLibrary) {
    WatchCaseLibrary();
    MakeFolder("Shared");
    state.CurrentCaseId = "MO123456";
    OpenLocation();
    OpenFolderLine("C:\\");
    OpenFolderLine("Shared");
    ModalAnswerer answerer;

    Click("cmdCancel");

    EXPECT_TRUE(answerer.Titles().isEmpty());
    EXPECT_EQ(StoredFolder(), "C:\\QVRForms");
    EXPECT_EQ(caseIdSeen, "MO123456");
    EXPECT_EQ(ShownWindows(), QStringList{"CaseLibrary"});
}

// Started from drive D:, whose data folder has been moved to D:\SHARED.
class ChangeBack : public LocationTest, public ::testing::WithParamInterface<bool> {
protected:
    void PrepareDrives() override {
        const QString driveD = MapExtraDrive('D');
        QDir().mkpath(driveD + "/QVRForms");
        QDir().mkpath(driveD + "/Shared");
        for (const char* name : {"TABLE24.MDB", "Table23.mdb"})
            ASSERT_TRUE(QFile::copy(driveC + "/QVRForms/" + name, driveD + "/QVRForms/" + name));
        QDir::setCurrent(driveD + "/Shared");
    }
};

// The question names drive C: whatever the start drive is; the folder stored is on the start drive.
TEST_P(ChangeBack, FromDriveDAsksAboutCAndStoresDOnYes) {
    ASSERT_EQ(state.StartDrive, "D:");
    state.FilesLocation = "D:\\SHARED";
    ASSERT_TRUE(SaveFilesLocation());
    WatchCaseLibrary();
    state.CurrentCaseId = "MO123456";
    OpenLocation();
    const bool yes = GetParam();
    ModalAnswerer answerer;
    answerer.Click(yes ? "Yes" : "No");

    Click("Command1");

    EXPECT_EQ(answerer.Titles(), QStringList{"Change Location"});
    EXPECT_EQ(answerer.Texts(),
              QStringList{"This will change the location of database files to 'C:\\QVRForms'.  Do you wish to proceed?"});
    EXPECT_EQ(StoredFolder(), yes ? "D:\\QVRForms" : "D:\\SHARED");
    EXPECT_EQ(caseIdSeen, yes ? "" : "MO123456");
    EXPECT_EQ(ShownWindows(), QStringList{"CaseLibrary"});
}

INSTANTIATE_TEST_SUITE_P(Answers, ChangeBack, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Yes" : "No"; });

TEST_F(LocationTest, ChoosingADriveOpensItsFolderAndChangeOffersIt) {
    WatchCaseLibrary();
    const QString driveE = MapExtraDrive('E');
    QDir().mkpath(driveE + "/Office");
    OpenLocation();
    auto* drives = Find<QComboBox>("drvNames");
    ASSERT_EQ(drives->count(), 2);

    drives->setCurrentIndex(drives->findText("E:"));
    EXPECT_EQ(Folders()->Path(), "E:\\");
    OpenFolderLine("Office");
    ModalAnswerer answerer;
    answerer.Click("Yes");
    Click("cmdChange");

    EXPECT_EQ(StoredFolder(), "E:\\OFFICE");
}

}  // namespace
}  // namespace qvr::test
