#include "support/frame_fixture.h"

#include "core/program_state.h"
#include "core/windows/background.h"
#include "core/windows/program.h"
#include "platform/shell.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>

namespace qvr::test {
namespace {

const QStringList kAllEight{"menuCaseLibrary", "menuForms",        "menuGuidelines", "menuProduce",
                            "menuShowHide",    "menunameslibrary", "menulocation",   "menuTitle"};

QStringList EnabledMenus() {
    QStringList enabled;
    for (const QString& name : kAllEight)
        if (MainWindow().findChild<QAction*>(name)->isEnabled()) enabled << name;
    return enabled;
}

QStringList Without(QStringList names, const QStringList& left) {
    for (const QString& name : left) names.removeAll(name);
    return names;
}

// Each item as "name: caption", in menu order.
QStringList Described(const QList<QAction*>& items) {
    QStringList described;
    for (QAction* item : items) described << item->objectName() + ": " + item->text();
    return described;
}

QList<QAction*> SubmenuItems(const char* menuName) { return MainWindow().findChild<QMenu*>(menuName)->actions(); }

class FrameWindowTest : public FrameTest {};

TEST_F(FrameWindowTest, MenuBarHoldsEveryItemInOrderWithItsCaption) {
    StartProgram();

    EXPECT_EQ(Described(MainWindow().menuBar()->actions()),
              (QStringList{"menuCaseLibrary: Case Library", "menuForms: Forms", "menuGuidelines: Guidelines",
                           "menuProduce: Produce", "menuShowHide: Show/Hide Fields", "menunameslibrary: Names",
                           "menulocation: Location", "menuTitle: About", "menuquitnow: Quit"}));
    EXPECT_EQ(Described(SubmenuItems("menuForms")),
              (QStringList{"menufrontofform: AOC-CV-627  Sole Custody", "menubackofform: AOC-CV-628  Shared Custody",
                           "menuFormC: AOC-CV-629  Split Custody"}));
    EXPECT_EQ(Described(SubmenuItems("menuGuidelines")),
              (QStringList{"menu2023Guidelines: Child Support Guidelines (PDF)",
                           "menuChangeTable: Schedule of Basic Support Obligations "}));
    EXPECT_EQ(Described(SubmenuItems("menuquitnow")), QStringList{"menuQuitthisprogram: Quit this Program"});
}

TEST_F(FrameWindowTest, StartOpensTheStartWindowInsideTheCaptionedMainWindow) {
    StartProgram();

    Background& frame = MainWindow();
    EXPECT_TRUE(frame.isVisible());
    EXPECT_EQ(frame.windowTitle(), state.ProgramShortTitle);
    EXPECT_FALSE(state.ProgramShortTitle.isEmpty());
    EXPECT_EQ(frame.size(), QSize(16200 / 15, 10000 / 15));
    EXPECT_EQ(ShownWindows(), QStringList{"Splash"});
    EXPECT_EQ(state.ShadedAreaLimit6, 3000);
}

TEST_F(FrameWindowTest, MissingScheduleShowsNoWindowAtAll) {
    ASSERT_TRUE(QFile::remove(driveC + "/QVRForms/TABLE24.MDB"));
    ASSERT_TRUE(QFile::remove(driveC + "/QVRForms/Table23.mdb"));
    ModalAnswerer answerer;
    answerer.Click("OK");

    Main();

    EXPECT_EQ(answerer.Titles(), QStringList{"Missing Schedule"});
    EXPECT_EQ(programEnds, 1);
    for (QWidget* window : QApplication::topLevelWidgets()) EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
}

TEST_F(FrameWindowTest, WorkingWindowsSitFramelessAtTheirPlaceAndATallOneScrolls) {
    StartProgram();
    RegisterFakeWorksheet("FormA");

    EXPECT_EQ(SubWindow("Splash")->geometry(), QRect(0, 0, 15700 / 15, 9000 / 15));
    EXPECT_TRUE(SubWindow("Splash")->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(MainWindow().ClientArea()->verticalScrollBar()->maximum(), 0);

    MenuItem("menuForms")->setEnabled(true);
    Choose("menufrontofform");

    EXPECT_EQ(SubWindow("FormA")->geometry().size(), QSize(15500 / 15, 20800 / 15));
    EXPECT_GT(MainWindow().ClientArea()->verticalScrollBar()->maximum(), 0);
}

// Each working window sets the menus as it loads; unloading one restores nothing.
TEST_F(FrameWindowTest, MenusFollowTheWindowThatLoadedLast) {
    StartProgram();
    RegisterFakeWorksheet("FormB");
    RegisterFakeWindow("ChangeTable");
    EXPECT_EQ(EnabledMenus(), QStringList{}) << "start window";
    EXPECT_TRUE(MenuItem("menuquitnow")->isEnabled());
    EXPECT_TRUE(MenuItem("menuQuitthisprogram")->isEnabled());

    struct Step {
        const char* menuItem;
        QStringList enabled;
    };
    const Step steps[] = {
        {"menubackofform", kAllEight},
        {"menulocation", Without(kAllEight, {"menuProduce", "menuShowHide"})},
        {"menubackofform", kAllEight},
        {"menuChangeTable", kAllEight},
        {"menuTitle", {}},
    };
    MenuItem("menuForms")->setEnabled(true);
    for (const Step& step : steps) {
        Choose(step.menuItem);
        EXPECT_EQ(EnabledMenus(), step.enabled) << step.menuItem;
        EXPECT_TRUE(MenuItem("menuQuitthisprogram")->isEnabled()) << step.menuItem;
    }
}

TEST_F(FrameWindowTest, LocationFromTheStartWindowDisablesOnlyItsTwoMenus) {
    StartProgram();
    SetMenusEnabled({Menu::Location}, true);

    Choose("menulocation");

    EXPECT_EQ(EnabledMenus(), QStringList{"menulocation"});
}

TEST_F(FrameWindowTest, ActiveFormNameNamesTheLastWindowThatRecordsItself) {
    StartProgram();
    RegisterFakeWorksheet("FormA");
    RegisterFakeWorksheet("FormC");
    RegisterFakeWindow("ChangeTable");
    state.ActiveFormName = "";
    SetMenusEnabled({Menu::Forms, Menu::Location, Menu::Guidelines}, true);

    const std::pair<const char*, const char*> steps[] = {
        {"menulocation", "Location"}, {"menufrontofform", "FormA"}, {"menuChangeTable", "FormA"},
        {"menuTitle", "FormA"},       {"menuFormC", "FormC"},       {"menulocation", "Location"},
    };
    for (const auto& [menuItem, active] : steps) {
        Choose(menuItem);
        EXPECT_EQ(state.ActiveFormName, active) << menuItem;
        SetMenusEnabled({Menu::Forms, Menu::Location, Menu::Guidelines, Menu::About}, true);
    }
}

TEST_F(FrameWindowTest, EveryCommandUnloadsTheWindowsInTheirOrderFirst) {
    StartProgram();
    const QStringList order{"CaseLibrary", "Location", "Splash", "NamesAdmin", "ChangeTable",
                            "FormA",       "FormB",    "FormC",  "CalcDetailRegistered"};
    for (const QString& name : order)
        if (name != "Splash" && name != "Location") RegisterFakeWindow(name);
    for (auto name = order.rbegin(); name != order.rend(); ++name) ShowWorkingWindow(*name);
    SetMenusEnabled({Menu::Names}, true);

    Choose("menunameslibrary");

    EXPECT_EQ(log.unloaded, Without(order, {"Location", "Splash"}));
    EXPECT_EQ(ShownWindows(), QStringList{"NamesAdmin"});
}

TEST_F(FrameWindowTest, NamesMenuClearsThePickerHandOverBeforeItOpens) {
    StartProgram();
    RegisterFakeWindow("NamesAdmin");
    state.PickerKey = "B0000002";
    state.DialogTitle = "Plaintiff";
    SetMenusEnabled({Menu::Names}, true);

    Choose("menunameslibrary");

    EXPECT_EQ(state.PickerKey, "");
    EXPECT_EQ(state.DialogTitle, "");
}

TEST_F(FrameWindowTest, AMenuItemWhoseWindowDoesNotExistYetDoesNothing) {
    StartProgram();
    SetMenusEnabled({Menu::Forms, Menu::Names, Menu::Guidelines}, true);

    for (const char* item : {"menufrontofform", "menubackofform", "menuFormC", "menunameslibrary", "menuChangeTable"}) {
        Choose(item);
        EXPECT_EQ(ShownWindows(), QStringList{"Splash"}) << item;
    }
}

// The explanation window's unload handler switches again: it unloads everything and shows its
// worksheet, which then stays loaded behind the window that the command opens.
TEST_F(FrameWindowTest, UnloadAllFormsRunsAgainFromAnUnloadHandlerWithoutUnloadingTwice) {
    StartProgram();
    RegisterFakeWorksheet("FormC");
    RegisterFakeWindow("CalcDetailRegistered", [] {
        UnloadAllForms();
        ShowWorkingWindow("FormC");
    });
    ShowWorkingWindow("FormC");
    ShowWorkingWindow("CalcDetailRegistered");
    state.ActiveFormName = "CalcDetailRegistered";
    SetMenusEnabled({Menu::Location}, true);

    Choose("menulocation");

    EXPECT_EQ(log.unloaded, (QStringList{"FormC", "CalcDetailRegistered"}));
    EXPECT_EQ(ShownWindows(), (QStringList{"Location", "FormC"}));
    EXPECT_EQ(LoadedWorkingWindow("CalcDetailRegistered"), nullptr);
    EXPECT_EQ(state.ActiveFormName, "Location");
}

TEST_F(FrameWindowTest, AWindowThatRefusesToCloseStaysLoaded) {
    StartProgram();
    class Stubborn : public QWidget {
        void closeEvent(QCloseEvent* event) override { event->ignore(); }
    };
    Register("NamesAdmin", [] { return new Stubborn; });
    ShowWorkingWindow("NamesAdmin");

    UnloadAllForms();
    DeleteUnloadedWindows();

    EXPECT_EQ(ShownWindows(), QStringList{"NamesAdmin"});
}

TEST_F(FrameWindowTest, ProduceAndShowHideReachTheWorksheetOnScreen) {
    StartProgram();
    RegisterFakeWorksheet("FormB");
    state.FieldColor = 15;
    MenuItem("menuForms")->setEnabled(true);
    Choose("menubackofform");
    auto* worksheet = dynamic_cast<FakeWorksheet*>(LoadedWorkingWindow("FormB"));
    ASSERT_NE(worksheet, nullptr);
    const QColor first = worksheet->FieldColorShown();
    EXPECT_EQ(first, QColor(Qt::white));

    Choose("menuProduce");
    EXPECT_EQ(log.produced, 1);

    Choose("menuShowHide");
    EXPECT_EQ(state.FieldColor, 14);
    EXPECT_EQ(worksheet->FieldColorShown(), QColor(0xFF, 0xFF, 0x00));
    Choose("menuShowHide");
    EXPECT_EQ(state.FieldColor, 15);
    EXPECT_EQ(worksheet->FieldColorShown(), first);
    EXPECT_EQ(log.colored, 3);  // its own load, then the two commands
}

struct DispatchCase {
    const char* name;
    const char* activeFormName;
    bool worksheetStillLoaded;
};

class ProduceDispatch : public FrameTest, public ::testing::WithParamInterface<DispatchCase> {};

// Only an exact worksheet name whose window is loaded is reached; otherwise nothing happens and
// the colour index stays.
TEST_P(ProduceDispatch, ReachesNothingButALoadedWorksheetNamedExactly) {
    StartProgram();
    RegisterFakeWorksheet("FormA");
    RegisterFakeWindow("ChangeTable");
    MenuItem("menuForms")->setEnabled(true);
    Choose("menufrontofform");
    if (!GetParam().worksheetStillLoaded) Choose("menuChangeTable");
    state.ActiveFormName = GetParam().activeFormName;
    state.FieldColor = 15;

    Choose("menuProduce");
    Choose("menuShowHide");

    EXPECT_EQ(log.produced, 0);
    EXPECT_EQ(log.colored, 1);  // its own load only
    EXPECT_EQ(state.FieldColor, 15);
}

const DispatchCase kDispatchCases[] = {
    {"OtherCase", "forma", true},
    {"WorksheetNotLoaded", "FormB", true},
    {"ExplanationWindow", "CalcDetailRegistered", true},
    {"WorksheetLeftForTheSchedule", "FormA", false},
    {"Empty", "", true},
};
INSTANTIATE_TEST_SUITE_P(Names, ProduceDispatch, ::testing::ValuesIn(kDispatchCases),
                         [](const auto& info) { return std::string(info.param.name); });

class GuidelinesTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        SetOpenDocumentHandler([this](const QString& path) {
            opened << path;
            return true;
        });
    }
    void TearDown() override {
        SetOpenDocumentHandler({});
        FrameTest::TearDown();
    }
    QStringList opened;
};

TEST_F(GuidelinesTest, PresentDocumentIsOpenedWithItsProgram) {
    WriteHostFile(driveC + "/QVRForms/CS2023.pdf", "%PDF-1.4");
    StartProgram();
    MenuItem("menuGuidelines")->setEnabled(true);
    ModalAnswerer answerer;

    Choose("menu2023Guidelines");

    EXPECT_EQ(opened, QStringList{"\\QVRForms\\CS2023.pdf"});
    EXPECT_TRUE(answerer.Titles().isEmpty());
}

TEST_F(GuidelinesTest, MissingDocumentIsReportedAndNothingElseChanges) {
    QFile::remove(driveC + "/QVRForms/CS2023.pdf");
    StartProgram();
    MenuItem("menuGuidelines")->setEnabled(true);
    ModalAnswerer answerer;
    answerer.Click("OK");

    Choose("menu2023Guidelines");

    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(answerer.Titles(), QStringList{"Child Support Guidelines"});
    ASSERT_EQ(answerer.Texts().size(), 1);
    EXPECT_TRUE(answerer.Texts()[0].startsWith(
        "The 2023 Child Support Guidelines document seems to be missing. Please reinstall this program.  "));
    EXPECT_EQ(ShownWindows(), QStringList{"Splash"});
}

}  // namespace
}  // namespace qvr::test
