#include "dialogs/windows/calc_detail_registered.h"

#include "core/program_state.h"
#include "support/frame_fixture.h"

#include <QAction>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTest>

namespace qvr::test {
namespace {

const QStringList kAllEight{"menuCaseLibrary", "menuForms",        "menuGuidelines", "menuProduce",
                            "menuShowHide",    "menunameslibrary", "menulocation",   "menuTitle"};

class CalcDetailRegisteredTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        StartProgram();
        Register("CalcDetailRegistered", MakeCalcDetailRegistered);
        for (const char* worksheet : {"FormA", "FormB", "FormC"}) RegisterFakeWorksheet(worksheet);
        state.CurrentWorksheetLetter = "A";
    }

    // As a worksheet's Explanation button opens it: every working window closed first.
    QWidget* OpenExplanation() {
        UnloadAllForms();
        DeleteUnloadedWindows();
        ShowWorkingWindow("CalcDetailRegistered");
        return LoadedWorkingWindow("CalcDetailRegistered");
    }

    static QWidget* Control(QWidget* window, const QString& name) {
        QWidget* control = window->findChild<QWidget*>(name);
        if (auto* text = qobject_cast<QPlainTextEdit*>(control)) return text->viewport();
        return control;
    }
};

TEST_F(CalcDetailRegisteredTest, ShowsTheTextAndTheCaseAndEnablesEveryMenu) {
    state.ExplanationText = "First paragraph, O'Brien \u2019.\r\n\r\nSecond one.";
    state.CurrentCaseName = "Doe vs. Doe";
    state.CasesDatabasePath = "C:\\QVRForms\\Data\\vesk0232.mdb";
    state.FormWidth = 15700;
    state.FormHeight = 9000;
    state.ActiveFormName = "CaseLibrary";

    QWidget* window = OpenExplanation();

    ASSERT_NE(window, nullptr);
    EXPECT_EQ(state.ActiveFormName, "CalcDetailRegistered");
    EXPECT_EQ(window->windowTitle(), "Form1");
    EXPECT_EQ(window->findChild<QLabel*>("Label1")->text(),
              "Double-Click anywhere on this page to return to the Worksheet");
    EXPECT_EQ(window->findChild<QLabel*>("Label3")->text(), "Doe vs. Doe  (C:\\QVRFORMS\\DATA\\VESK0232.MDB)");
    EXPECT_EQ(window->findChild<QPlainTextEdit*>("Text1")->toPlainText(),
              "First paragraph, O'Brien \u2019.\n\nSecond one.");
    for (const QString& menu : kAllEight) EXPECT_TRUE(MenuItem(menu)->isEnabled()) << menu.toStdString();
    EXPECT_EQ(SubWindow("CalcDetailRegistered")->geometry(), QRect(0, 0, Pixels(15500), Pixels(20800)));
    EXPECT_EQ(ShownWindows(), QStringList{"CalcDetailRegistered"});
}

TEST_F(CalcDetailRegisteredTest, EmptyTextShowsAnEmptyBox) {
    QWidget* window = OpenExplanation();
    EXPECT_EQ(window->findChild<QPlainTextEdit*>("Text1")->toPlainText(), "");
}

class DoubleClick : public CalcDetailRegisteredTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(DoubleClick, ReturnsToTheWorksheetButASingleClickDoesNot) {
    QWidget* control = Control(OpenExplanation(), GetParam());
    ASSERT_NE(control, nullptr);

    QTest::mouseClick(control, Qt::LeftButton);
    DeleteUnloadedWindows();
    ASSERT_EQ(ShownWindows(), QStringList{"CalcDetailRegistered"});

    QTest::mouseDClick(control, Qt::LeftButton);
    DeleteUnloadedWindows();
    EXPECT_EQ(ShownWindows(), QStringList{"FormA"});
    EXPECT_EQ(LoadedWorkingWindow("CalcDetailRegistered"), nullptr);
    EXPECT_EQ(state.ActiveFormName, "FormA");
}

INSTANTIATE_TEST_SUITE_P(EachControl, DoubleClick, ::testing::Values("Label1", "Label3", "Text1"));

struct LetterCase {
    const char* letter;
    QStringList shown;
};

class WorksheetLetter : public CalcDetailRegisteredTest, public ::testing::WithParamInterface<LetterCase> {};

TEST_P(WorksheetLetter, NamesTheWorksheetThatIsReopened) {
    state.CurrentWorksheetLetter = GetParam().letter;
    OpenExplanation();

    UnloadWorkingWindow("CalcDetailRegistered");
    DeleteUnloadedWindows();

    EXPECT_EQ(ShownWindows(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Letters, WorksheetLetter,
                         ::testing::Values(LetterCase{"A", {"FormA"}}, LetterCase{"B", {"FormB"}},
                                           LetterCase{"C", {"FormC"}}, LetterCase{"a", {}}, LetterCase{"", {}}));

// Its own name in ActiveFormName keeps both commands from any worksheet, even one still loaded
// behind it, as worksheet C leaves it.
TEST_F(CalcDetailRegisteredTest, ProduceAndShowHideDoNothingWhileItIsActive) {
    UnloadAllForms();
    ShowWorkingWindow("FormA");
    ShowWorkingWindow("CalcDetailRegistered");
    state.FieldColor = 15;

    Choose("menuProduce");
    Choose("menuShowHide");

    EXPECT_EQ(log.produced, 0);
    EXPECT_EQ(log.colored, 1);  // the worksheet's own load
    EXPECT_EQ(state.FieldColor, 15);
    EXPECT_EQ(ShownWindows(), (QStringList{"CalcDetailRegistered", "FormA"}));
}

TEST_F(CalcDetailRegisteredTest, MenuSwitchLeavesWorksheetABehindTheNewWindow) {
    OpenExplanation();

    Choose("menuCaseLibrary");

    EXPECT_EQ(ShownWindows(), (QStringList{"CaseLibrary", "FormA"}));
    EXPECT_EQ(LoadedWorkingWindow("CalcDetailRegistered"), nullptr);
    EXPECT_EQ(state.ActiveFormName, "CaseLibrary");
    EXPECT_FALSE(MenuItem("menuProduce")->isEnabled());
}

}  // namespace
}  // namespace qvr::test
