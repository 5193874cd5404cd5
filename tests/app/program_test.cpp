// The program as it is put together: every menu reaches its window, and a case goes from the
// case library through worksheet A to the produced form and the explanation.

#include "app/program_windows.h"
#include "core/program_state.h"
#include "support/frame_fixture.h"
#include "platform/desktop.h"
#include "platform/shell.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace qvr::test {
namespace {

class ProgramTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        RegisterProgramWindows();
        SetOpenDocumentHandler([this](const QString& path) {
            opened << path;
            return true;
        });
        StartProgram();
        UnloadAllForms();
        ShowWorkingWindow("CaseLibrary");  // makes the sample case and enables the menus
        DeleteUnloadedWindows();
    }
    void TearDown() override {
        UnloadAllForms();
        DeleteUnloadedWindows();
        InstallDesktopPlatform();
        FrameTest::TearDown();
    }

    QStringList opened;
};

TEST_F(ProgramTest, EveryMenuReachesItsWindow) {
    const struct {
        const char* menuItem;
        const char* window;
    } cases[] = {{"menufrontofform", "FormA"},     {"menunameslibrary", "NamesAdmin"},
                 {"menuCaseLibrary", "CaseLibrary"}, {"menuChangeTable", "ChangeTable"},
                 {"menulocation", "Location"},      {"menuTitle", "Splash"},
                 {"menuFormC", "FormC"}};
    for (const auto& c : cases) {
        ShowWorkingWindow("CaseLibrary");  // every menu enabled again
        DeleteUnloadedWindows();
        Choose(c.menuItem);
        EXPECT_EQ(ShownWindows().value(0), c.window) << c.menuItem;
    }
}

TEST_F(ProgramTest, WorksheetAProducesItsFormAndExplainsItself) {
    Choose("menufrontofform");
    ASSERT_EQ(state.ActiveFormName, "FormA");

    ModalAnswerer answerer;
    answerer.Click("Produce Form Now");
    Choose("menuProduce");
    EXPECT_EQ(answerer.Titles().size(), 1);
    EXPECT_TRUE(QFile::exists(driveC + "/QVRForms/QVRPDF.PDF"));
    EXPECT_EQ(opened, QStringList{"\\QVRForms\\QVRPDF.PDF"});

    LoadedWorkingWindow("FormA")->findChild<QPushButton*>("cmdExplanation")->click();
    DeleteUnloadedWindows();
    EXPECT_EQ(ShownWindows().value(0), "CalcDetailRegistered");
    EXPECT_TRUE(state.ExplanationText.startsWith(
        "This is a Sole Custody Child Support Calculation (Worksheet A) performed on "));
}

TEST_F(ProgramTest, WorksheetBOpensFromItsMenuTheCaseLibraryAndItsExplanation) {
    Choose("menubackofform");
    EXPECT_EQ(ShownWindows().value(0), "FormB");

    ShowWorkingWindow("CaseLibrary");
    DeleteUnloadedWindows();
    LoadedWorkingWindow("CaseLibrary")->findChild<QPushButton*>("cmdSelectWorksheetB")->click();
    DeleteUnloadedWindows();
    ASSERT_EQ(ShownWindows().value(0), "FormB");

    LoadedWorkingWindow("FormB")->findChild<QPushButton*>("cmdExplanation")->click();
    DeleteUnloadedWindows();
    EXPECT_EQ(ShownWindows(), QStringList{"CalcDetailRegistered"});
    UnloadWorkingWindow("CalcDetailRegistered");
    DeleteUnloadedWindows();
    EXPECT_EQ(ShownWindows(), QStringList{"FormB"});
}

TEST_F(ProgramTest, WorksheetCOpensFromTheCaseLibraryAndComesBackFromItsExplanation) {
    LoadedWorkingWindow("CaseLibrary")->findChild<QPushButton*>("cmdSelectWorksheetC")->click();
    DeleteUnloadedWindows();
    ASSERT_EQ(ShownWindows().value(0), "FormC");

    LoadedWorkingWindow("FormC")->findChild<QPushButton*>("cmdCalculationDetails")->click();
    DeleteUnloadedWindows();
    EXPECT_EQ(ShownWindows(), (QStringList{"CalcDetailRegistered", "FormC"}));
    QTest::mouseDClick(LoadedWorkingWindow("CalcDetailRegistered")->findChild<QLabel*>("Label1"), Qt::LeftButton);
    DeleteUnloadedWindows();
    EXPECT_EQ(ShownWindows(), QStringList{"FormC"});
}

}  // namespace
}  // namespace qvr::test
