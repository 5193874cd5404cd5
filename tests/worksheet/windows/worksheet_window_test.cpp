// The behaviour every worksheet window shares, driven through worksheet A, the worksheet at hand.

#include "worksheet_a/windows/form_a_fixture.h"

#include "core/program_state.h"
#include "core/values.h"
#include "core/windows/background.h"
#include "dialogs/windows/calc_detail_registered.h"
#include "worksheet_a/court_form_a.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace qvr::test {
namespace {

using WorksheetWindowTest = FormATest;

QColor Background(const QLabel* label) { return label->palette().color(QPalette::Window); }

TEST_F(WorksheetWindowTest, LoadingShowsTheCurrentCaseAndEnablesEveryMenu) {
    SetMenusEnabled({Menu::Produce, Menu::ShowHide, Menu::Names}, false);
    Store("county", "Wake");
    FormA* window = OpenFormA();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(state.ActiveFormName, "FormA");
    EXPECT_EQ(window->windowTitle(), "Worksheet A, Child Support Obligation, Sole Custody");
    EXPECT_EQ(Shown("lblSelectedCaseName"), QString(kCaseName) + "  (" + state.CasesDatabasePath.toUpper() + ")");
    EXPECT_EQ(Shown("lblCounty"), "Wake");
    EXPECT_EQ(Shown("lblWhoHasCustody"), "PLAINTIFF HAS CUSTODY\r\nAND DEFENDANT IS THE OBLIGOR");
    for (Menu menu : {Menu::CaseLibrary, Menu::Forms, Menu::Guidelines, Menu::Produce, Menu::ShowHide, Menu::Names,
                      Menu::Location, Menu::About})
        EXPECT_TRUE(MenuEnabled(menu));
    EXPECT_EQ(SubWindow("FormA")->size(), QSize(Pixels(15700 - 200), Pixels(9000 + 11800)));
    EXPECT_EQ(Stored("casedesc"), kCaseName);
    EXPECT_EQ(Stored("pinc"), "");  // the Nulls were repaired
}

TEST_F(WorksheetWindowTest, WorksheetIsTallerThanTheFrameWhichScrollsToIt) {
    OpenFormA();
    MainWindow().show();
    QTest::qWait(0);
    QScrollBar* scroll = MainWindow().ClientArea()->verticalScrollBar();
    EXPECT_TRUE(scroll->isVisible());
    EXPECT_GT(scroll->maximum(), 0);
}

TEST_F(WorksheetWindowTest, OpeningWithNoCurrentCaseTakesTheFirstCase) {
    AddCase("XY000001", "Second case");
    state.CurrentCaseId = "";
    state.CurrentCaseName = "";
    Store("county", "Wake");
    OpenFormA();
    EXPECT_EQ(state.CurrentCaseId, kCaseId);
    EXPECT_EQ(Shown("lblSelectedCaseName"), "  (" + state.CasesDatabasePath.toUpper() + ")");
    EXPECT_EQ(Shown("lblCounty"), "Wake");
}

TEST_F(WorksheetWindowTest, EveryCellTakesTheFieldColourSharedWithTheOtherWorksheets) {
    state.FieldColor = 14;
    OpenFormA();
    for (const QString& name : FieldCells())
        EXPECT_EQ(Background(Cell(name)), QColor(255, 255, 0)) << name.toStdString();
    for (const char* name : {"lblWhoHasCustody", "lblPStatus", "lblSelectedCaseName"})
        EXPECT_NE(Background(Cell(name)), QColor(255, 255, 0)) << name;

    Choose("menuShowHide");
    EXPECT_EQ(state.FieldColor, 15);
    for (const QString& name : FieldCells())
        EXPECT_EQ(Background(Cell(name)), QColor(255, 255, 255)) << name.toStdString();
    Choose("menuShowHide");
    OpenFormA();
    EXPECT_EQ(Background(Cell("lblPreparedBy")), QColor(255, 255, 0));
}

TEST_F(WorksheetWindowTest, TickingACheckBoxStoresAllFourInTheStoredForm) {
    Store("chkbox1", "1");
    Store("chkbox4", "2x");
    OpenFormA();
    EXPECT_TRUE(Window()->findChild<QAbstractButton*>("Check1")->isChecked());
    ClickOn("Check2");
    EXPECT_EQ(Stored("chkbox1"), " 1");
    EXPECT_EQ(Stored("chkbox2"), " 1");
    EXPECT_EQ(Stored("chkbox3"), " 0");
    EXPECT_EQ(Stored("chkbox4"), " 2");
    ClickOn("Check1");
    EXPECT_EQ(Stored("chkbox1"), " 0");
    EXPECT_EQ(Stored("chkbox2"), " 1");
}

TEST_F(WorksheetWindowTest, OverrideDialogStartsFromLine4AsShown) {
    OpenFormA();
    const auto offered = [this] {
        QString text;
        ModalAnswerer answerer;
        answerer.Then([&](QWidget* dialog) {
            text = dialog->findChild<QLineEdit*>("Text1")->text();
            ModalAnswerer::ClickButton(dialog, "Done");
        });
        ClickOn("cmdOverrideSupport", answerer);
        EXPECT_EQ(answerer.Titles(), QStringList{"Override Child Support Amount"});
        EXPECT_EQ(Stored("override"), "N");
        EXPECT_EQ(Stored("overamt"), "0");
        return text;
    };
    EnterIncome("lblPInc", "9000");
    EnterIncome("lblDInc", "9000");
    ClickOn("cmdShowHideZeros");
    ASSERT_EQ(Shown("lblC4"), "");  // no child yet: line 4 is 0, hidden
    EXPECT_EQ(offered(), "0.00");

    ClickOn("cmdShowHideZeros");
    EnterChild(1, "Ann Doe", "01/02/2015");
    const QString line4 = Shown("lblC4").trimmed();
    ASSERT_TRUE(line4.contains(',')) << line4.toStdString();
    EXPECT_EQ(offered(), line4);

    EnterIncome("lblDInc", "500");
    ASSERT_EQ(Shown("lblC4"), "50.00 ");  // the minimum order
    EXPECT_EQ(offered(), "50.00");
}

TEST_F(WorksheetWindowTest, OverrideTurnsOnThroughTheDialogAndOffWithoutIt) {
    OpenFormA();
    EnterOrdinaryCase();
    ModalAnswerer answerer;
    answerer.Then(AsUser([](QWidget* dialog) {
        Type(dialog, "Text1", "950");
        Click(dialog, "Check1");
        ModalAnswerer::ClickButton(dialog, "Done");
    }));
    ClickOn("cmdOverrideSupport", answerer);
    EXPECT_EQ(Stored("override"), "Y");
    EXPECT_EQ(Stored("overamt"), "950");
    EXPECT_EQ(Shown("lblC4"), "950.00 ");
    EXPECT_TRUE(Cell("lblOverrideWarning")->isVisibleTo(Window()));
    EXPECT_EQ(Window()->findChild<QPushButton*>("cmdOverrideSupport")->text(), "CANCEL OVERRIDE");

    ClickOn("cmdOverrideSupport");
    EXPECT_EQ(Stored("override"), "N");
    EXPECT_EQ(Stored("overamt"), "0.00");
    EXPECT_NE(Shown("lblC4"), "950.00 ");
    EXPECT_FALSE(Cell("lblOverrideWarning")->isVisibleTo(Window()));
    EXPECT_EQ(Window()->findChild<QPushButton*>("cmdOverrideSupport")->text(), "Click HERE to Override");
}

TEST_F(WorksheetWindowTest, RoundingAndZerosToggleForEveryCaseUntilTheProgramEnds) {
    AddCase("XY000001", "Second case");
    OpenFormA();
    EnterIncome("lblPInc", "3000");
    EnterIncome("lblDInc", "2499.99");
    EnterChild(1, "Ann Doe", "01/02/2015");
    ASSERT_NE(Shown("lblD7").right(4), ".00 ");

    ClickOn("cmdRound7thru9");
    EXPECT_EQ(state.RoundLinesA, "Y");
    EXPECT_EQ(Shown("lblD7").right(4), ".00 ");
    ClickOn("cmdShowHideZeros");
    EXPECT_EQ(state.ShowZeros, "N");
    EXPECT_EQ(Shown("lblPPre"), "");

    state.CurrentCaseId = "XY000001";
    OpenFormA();
    EXPECT_EQ(Shown("lblPInc"), "");
    ClickOn("cmdShowHideZeros");
    EXPECT_EQ(state.ShowZeros, "Y");
    EXPECT_EQ(Shown("lblPInc"), "0.00 ");

    state.CurrentCaseId = kCaseId;
    OpenFormA();
    EXPECT_EQ(Shown("lblD7").right(4), ".00 ");
    EXPECT_EQ(Shown("lblPPre"), "0.00 ");
    ClickOn("cmdRound7thru9");
    EXPECT_EQ(state.RoundLinesA, "N");
    EXPECT_NE(Shown("lblD7").right(4), ".00 ");
}

TEST_F(WorksheetWindowTest, ExplanationClosesTheWorksheetAndShowsTheExplanationWindow) {
    RegisterFakeWindow("CalcDetailRegistered");
    OpenFormA();
    EnterOrdinaryCase();
    ClickOn("cmdExplanation");
    DeleteUnloadedWindows();
    EXPECT_EQ(state.CurrentWorksheetLetter, "A");
    EXPECT_FALSE(state.ExplanationText.isEmpty());
    EXPECT_EQ(LoadedWorkingWindow("FormA"), nullptr);
    EXPECT_EQ(ShownWindows(), QStringList{"CalcDetailRegistered"});
}

TEST_F(WorksheetWindowTest, OpeningACaseThatIsGoneSaysSoAndShowsTheCaseLibrary) {
    AddCase("XY000001", "Other case");
    state.CurrentCaseId = "GONE0001";
    ModalAnswerer answerer;
    answerer.Click("OK");
    OpenFormA();
    ASSERT_TRUE(CaseLibraryShown());
    EXPECT_EQ(answerer.Titles(), QStringList{"Case Not Found"});
    EXPECT_EQ(LoadedWorkingWindow("FormA"), nullptr);
    EXPECT_EQ(ShownWindows(), QStringList{"CaseLibrary"});
}

// What each kind of action does once its case has been deleted elsewhere.
struct GoneCaseAction {
    const char* name;
    const char* control;
    std::function<void(ModalAnswerer&)> answer;
};

TEST_F(WorksheetWindowTest, ActionOnACaseDeletedElsewhereWritesNoOtherRecord) {
    // The dialogs that start from the stored entry find the case gone before they open.
    const GoneCaseAction actions[] = {
        {"text prompt", "lblCounty", [](ModalAnswerer& a) { a.Then(AnswerInputBox("Wake")); }},
        {"income", "lblPInc", [](ModalAnswerer&) {}},
        {"expense", "lblDAdjb", [](ModalAnswerer&) {}},
        {"pre-existing", "lblPPre", [](ModalAnswerer&) {}},
        {"other children", "lblDResp", [](ModalAnswerer&) {}},
        {"party", "lblName1Name", [](ModalAnswerer&) {}},
        {"children", "GetChildInfoHot", [](ModalAnswerer&) {}},
        {"check box", "Check3", [](ModalAnswerer&) {}},
        {"custody", "cmdChangeCustody", [](ModalAnswerer&) {}},
        {"override", "cmdOverrideSupport", [](ModalAnswerer& a) { a.Click("Done"); }},
        {"cancel override", "cmdOverrideSupport", [](ModalAnswerer&) {}},
        {"rounding", "cmdRound7thru9", [](ModalAnswerer&) {}},
    };
    for (const GoneCaseAction& action : actions) {
        SCOPED_TRACE(action.name);
        if (Record(kCaseId).empty()) AddCase(kCaseId, kCaseName);
        AddCase("XY000001", "Other case");
        state.CurrentCaseId = kCaseId;
        if (QString(action.name) == "cancel override") Store("override", "Y");
        OpenFormA();
        ASSERT_NE(Window(), nullptr);
        const auto other = Record("XY000001");
        DeleteCase(kCaseId);

        ModalAnswerer answerer;
        action.answer(answerer);
        answerer.Click("OK");
        ClickOn(action.control, answerer);
        ASSERT_TRUE(CaseLibraryShown());
        EXPECT_EQ(answerer.Titles().last(), "Case Not Found");
        EXPECT_EQ(Record("XY000001"), other);
        EXPECT_EQ(Record(kCaseId).size(), 0u);
        DeleteCase("XY000001");
    }
}

// Closing the explanation window as a menu command switches away from it leaves its worksheet
// loaded behind the next window; a case chosen there then becomes the worksheet's before it writes.
TEST_F(WorksheetWindowTest, WorksheetLeftBehindTheCaseLibraryTakesUpTheCaseChosenThereBeforeItWrites) {
    Register("CalcDetailRegistered", MakeCalcDetailRegistered);
    AddCase("XY000001", "Second case");
    Store("county", "Wake");
    Store("county", "Durham", "XY000001");
    OpenFormA();
    ClickOn("cmdExplanation");
    Choose("menuCaseLibrary");
    DeleteUnloadedWindows();
    ASSERT_EQ(ShownWindows(), (QStringList{"CaseLibrary", "FormA"}));
    auto* cases = LoadedWorkingWindow("CaseLibrary")->findChild<QListView*>("List1");
    const QModelIndexList second =
        cases->model()->match(cases->model()->index(0, 0), Qt::DisplayRole, "Second case", -1, Qt::MatchStartsWith);
    ASSERT_EQ(second.size(), 1);
    QTest::mouseClick(cases->viewport(), Qt::LeftButton, {}, cases->visualRect(second[0]).center());
    ASSERT_EQ(state.CurrentCaseId, "XY000001");
    const auto first = Record(kCaseId);

    ClickOn("lblCounty");  // shows the second case, and asks nothing yet
    EXPECT_EQ(Shown("lblSelectedCaseName"), "Second case  (" + state.CasesDatabasePath.toUpper() + ")");
    EXPECT_EQ(Shown("lblCounty"), "Durham");
    AnswerPrompt("lblCounty", "Orange");
    EXPECT_EQ(Stored("county", "XY000001"), "Orange");
    EXPECT_EQ(Record(kCaseId), first);
}

// Brought to the front from behind the case library, the worksheet is the working window: its
// menus, its name as the active one, the current case under the name the library gave it, and
// no other window left loaded.
TEST_F(WorksheetWindowTest, WorksheetBroughtFromBehindTheCaseLibraryIsTheWorkingWindow) {
    Register("CalcDetailRegistered", MakeCalcDetailRegistered);
    OpenFormA();
    ClickOn("cmdExplanation");
    Choose("menuCaseLibrary");
    DeleteUnloadedWindows();
    ASSERT_EQ(ShownWindows(), (QStringList{"CaseLibrary", "FormA"}));
    ModalAnswerer answerer;
    answerer.Then(TypeAmount("Roe vs. Doe", "Ok"));
    Click(LoadedWorkingWindow("CaseLibrary"), "cmdRenameCase");

    MainWindow().ClientArea()->setActiveSubWindow(SubWindow("FormA"));

    EXPECT_EQ(state.ActiveFormName, "FormA");
    EXPECT_TRUE(MenuEnabled(Menu::Produce));
    EXPECT_TRUE(MenuEnabled(Menu::ShowHide));
    EXPECT_EQ(Shown("lblSelectedCaseName"), "Roe vs. Doe  (" + state.CasesDatabasePath.toUpper() + ")");
    EXPECT_TRUE(QTest::qWaitFor([] { return LoadedWorkingWindow("CaseLibrary") == nullptr; }, 2000));
}

// Whatever the user clicks on a worksheet that shows another case than the current one, the
// worksheet first shows the current case and writes to neither.
TEST_F(WorksheetWindowTest, EveryActionOnAWorksheetShowingAnotherCaseFirstShowsTheCurrentOne) {
    const char* controls[] = {"lblCounty", "lblPInc",    "lblDAdjb",         "lblPPre",
                              "lblDResp",  "lblName1Name", "GetChildInfoHot", "Check3",
                              "cmdChangeCustody", "cmdOverrideSupport", "cmdRound7thru9", "cmdExplanation"};
    AddCase("XY000001", "Second case");
    for (const char* caseId : {kCaseId, "XY000001"})
        for (const char* box : {"chkbox1", "chkbox2", "chkbox3", "chkbox4"}) Store(box, " 0", caseId);
    Store("chkbox1", " 1");
    Store("pinc", " 3000", "XY000001");
    for (const char* control : controls) {
        SCOPED_TRACE(control);
        state.CurrentCaseId = kCaseId;
        state.CurrentCaseName = kCaseName;
        OpenFormA();
        const auto first = Record(kCaseId);
        const auto second = Record("XY000001");
        const QString rounding = state.RoundLinesA;
        state.CurrentCaseId = "XY000001";  // as the case library's list makes a case current
        state.CurrentCaseName = "Second case";

        ClickOn(control);
        ASSERT_NE(Window(), nullptr);
        EXPECT_EQ(Shown("lblSelectedCaseName"), "Second case  (" + state.CasesDatabasePath.toUpper() + ")");
        EXPECT_EQ(Shown("lblPInc"), "3,000.00 ");
        EXPECT_FALSE(Window()->findChild<QAbstractButton*>("Check1")->isChecked());
        EXPECT_EQ(Record(kCaseId), first);
        EXPECT_EQ(Record("XY000001"), second);
        EXPECT_EQ(state.RoundLinesA, rounding);
    }
}

// The calculation sets the boxes from the record and saves them as they stand; on a record held
// elsewhere those saves fail, and they are no entry of the user's to report.
// A save refused while another workstation writes to the cases names that cause, not a width.
TEST_F(WorksheetWindowTest, ASaveRefusedByAnotherWriterTellsSo) {
    OpenFormA();
    const int busyWait = Database::SetBusyWait(50);
    const auto other = Database::OpenDatabase(state.CasesDatabasePath);
    ASSERT_TRUE(other && other->BeginTrans());
    ModalAnswerer answerer;
    answerer.Click("OK");
    ClickOn("Check2", answerer);
    EXPECT_EQ(answerer.Titles(), QStringList{"Entry Not Saved"});
    EXPECT_TRUE(answerer.Texts().value(0).contains("another workstation is using the file"));
    Database::SetBusyWait(busyWait);
}

TEST_F(WorksheetWindowTest, CheckBoxSavesOfTheCalculationOnAHeldRecordAreNotReported) {
    Store("chkbox1", "1");
    Store("chkbox3", "2");
    RefuseCaseWrites();
    {
        ModalAnswerer none;
        OpenFormA();
        ClickOn("cmdShowHideZeros");
        EXPECT_EQ(none.Answered(), 0);
    }
    EXPECT_EQ(Window()->findChild<QCheckBox*>("Check1")->checkState(), Qt::Checked);
    EXPECT_EQ(Window()->findChild<QCheckBox*>("Check3")->checkState(), Qt::PartiallyChecked);
    ModalAnswerer answerer;
    answerer.Click("OK");
    ClickOn("Check2", answerer);
    EXPECT_EQ(answerer.Titles(), QStringList{"Entry Not Saved"});
    EXPECT_EQ(Window()->findChild<QCheckBox*>("Check2")->checkState(), Qt::Unchecked);
}

// Line 4 never shows a basic obligation of 0 as a result of a schedule that cannot be read.
TEST_F(WorksheetWindowTest, AScheduleThatCannotBeReadIsToldOnceAndOnTheWarningLine) {
    state.ShowWarnings = "N";
    Store("pinc", " 3000");
    Store("dinc", " 2500");
    Store("child1name", "Ann Doe");
    WriteHostFile(Host(state.ScheduleDatabasePath), "not a database");
    ModalAnswerer answerer;
    answerer.Click("OK");
    OpenFormA();
    EXPECT_EQ(answerer.Titles(), QStringList{"Schedule Cannot Be Read"});
    EXPECT_TRUE(answerer.Texts().value(0).contains(state.ScheduleDatabasePath.toUpper()));
    EXPECT_EQ(Shown("lblWarning"), "WARNING: THE SCHEDULE CANNOT BE READ");
    EXPECT_TRUE(Cell("lblWarning")->isVisibleTo(Window()));
    EnterIncome("lblDInc", "2600");  // told once: only the income dialog opens
    EXPECT_EQ(Shown("lblWarning"), "WARNING: THE SCHEDULE CANNOT BE READ");
}

TEST_F(WorksheetWindowTest, ProduceAsksForConfirmationForTheWorksheet) {
    OpenFormA();
    ModalAnswerer answerer;
    answerer.Click("Cancel");
    Choose("menuProduce");
    EXPECT_EQ(answerer.Answered(), 1);
    EXPECT_EQ(state.ProduceAnswer, "N");
}

}  // namespace
}  // namespace qvr::test
