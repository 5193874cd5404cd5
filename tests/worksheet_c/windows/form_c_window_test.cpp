// Worksheet C's own parts of its window: its cells on their blanks, the line 5a cells that open
// the children dialog, the explanation over the still-loaded worksheet, and its court form produced.

#include "worksheet_c/windows/form_c.h"

#include "core/program_state.h"
#include "core/windows/background.h"
#include "dialogs/windows/calc_detail_registered.h"
#include "support/worksheet_fixture.h"
#include "worksheet_c/court_form_c.h"

#include <QCheckBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

namespace qvr::test {
namespace {

class FormCTest : public WorksheetTest {
protected:
    FormCTest() : WorksheetTest("FormC", MakeFormC) {}

    // One child with each parent, incomes 3,000 and 4,000: the defendant pays 115.24.
    void StoreSplitCase() {
        Store({{"child1name", "Ann Doe"}, {"child1cust", "P"}, {"child2name", "Bo Doe"}, {"child2dob", "03/04/2017"},
               {"child2cust", "D"}, {"pinc", " 3000"}, {"dinc", " 4000"}, {"chkbox3", " 1"}});
    }
};

// Long names and large figures, children in both households and then all in one, with the warning.
TEST_F(FormCTest, FilledWorksheetShowsEveryValueOnItsBlank) {
    Store({{"county", "Mecklenburg"}, {"courtfile", "24 CVD 012345"}, {"datesigned", "12/31/2024"},
           {"preparedby", "Jane Q. Paralegal, Example Law Office"}, {"name1name", "Johnathan Alexander Doe"},
           {"name2name", "Jane Elizabeth Doe"}, {"pinc", " 14250.75"}, {"dinc", " 12345.67"}, {"presp", " 1234.56"},
           {"poc", " 3"}, {"padja", " 1234.56"}, {"dadjc", " 2500"}, {"chkbox1", " 1"}});
    for (int row = 1; row <= 6; ++row) {
        Store(QString("child%1name").arg(row), QString("Alexandra Katherine Doe-%1").arg(row));
        Store(QString("child%1dob").arg(row), QString("0%1/1%1/2015").arg(row));
        Store(QString("child%1cust").arg(row), row % 3 == 0 ? "P" : "D");
    }
    OpenWorksheet();
    ExpectEveryValueFits(CourtFormC());
    SavePictures("form_c");
    for (int row = 1; row <= 6; ++row) Store(QString("child%1cust").arg(row), "P");
    OpenWorksheet();
    ASSERT_TRUE(Cell("lblWarning")->isVisibleTo(Window()));
    ExpectEveryValueFits(CourtFormC());
}

class LineFiveCells : public FormCTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(LineFiveCells, OpenTheChildrenDialogWithTheCustodyAndStoreWhatItHandsBack) {
    StoreSplitCase();
    OpenWorksheet();
    bool defendantTicked = false;
    ModalAnswerer answerer;
    answerer.Then(AsUser([&](QWidget* dialog) {
        defendantTicked = IsChecked(dialog, "Check4");
        Click(dialog, "Check3");  // the second child moves to the plaintiff
        ModalAnswerer::ClickButton(dialog, "Ok");
    }));
    ClickOn(GetParam(), answerer);
    EXPECT_EQ(answerer.Titles(), QStringList{"Information about Children"});
    EXPECT_TRUE(defendantTicked);
    EXPECT_EQ(Stored("child2cust"), "P");
    EXPECT_EQ(Stored("child2name"), "Bo Doe");
    EXPECT_EQ(Shown("lblP5a"), "2");
    EXPECT_EQ(Shown("lblWarning"), "WARNING: SPLIT CUSTODY NEEDS CHILDREN LIVING WITH EACH PARENT");
}

INSTANTIATE_TEST_SUITE_P(Cells, LineFiveCells, ::testing::Values("lblC5a", "lblP5a", "lblD5a", "GetChildInfoHot"));

int LoadedCopies(const QString& name) {
    int copies = 0;
    for (QMdiSubWindow* sub : MainWindow().ClientArea()->subWindowList())
        if (sub->widget() && sub->widget()->objectName() == name) ++copies;
    return copies;
}

TEST_F(FormCTest, ExplanationOpensOverTheLoadedWorksheetAndClosingItShowsOneWorksheetCAsItWas) {
    Register("CalcDetailRegistered", MakeCalcDetailRegistered);
    StoreSplitCase();
    QWidget* worksheet = OpenWorksheet();
    const std::map<QString, Value> stored = Record(kCaseId);
    ClickOn("cmdCalculationDetails");
    DeleteUnloadedWindows();
    EXPECT_EQ(state.CurrentWorksheetLetter, "C");
    EXPECT_TRUE(state.ExplanationText.endsWith("Defendant pays Plaintiff $115.24 per month."));
    EXPECT_EQ(ShownWindows(), (QStringList{"CalcDetailRegistered", "FormC"}));
    EXPECT_EQ(LoadedWorkingWindow("FormC"), worksheet);

    QTest::mouseDClick(LoadedWorkingWindow("CalcDetailRegistered")->findChild<QLabel*>("Label1"), Qt::LeftButton);
    DeleteUnloadedWindows();
    EXPECT_EQ(ShownWindows(), QStringList{"FormC"});
    EXPECT_EQ(LoadedCopies("FormC"), 1);
    EXPECT_EQ(state.ActiveFormName, "FormC");
    EXPECT_EQ(Shown("lblD11"), "115.24 ");
    EXPECT_TRUE(Window()->findChild<QCheckBox*>("Check3")->isChecked());
    EXPECT_EQ(Record(kCaseId), stored);
}

TEST_F(FormCTest, ProducesTheSplitCustodyFormFromWhatTheWorksheetShows) {
    StoreSplitCase();
    Store("dadjb", " 60");
    OpenWorksheet();
    const std::map<QString, QString> fields = ProduceAndReadBack();
    EXPECT_EQ(fields.size(), CourtFormC().Fields().size());
    // The defendant's insurance of 60: fair shares 25.72 and 34.28, the defendant paid 25.72 in
    // excess; its line 10 is 461.1198 - 25.716 = 435.4038, and it pays 89.52.
    const std::map<QString, QString> expected{
        {"Civil", "Yes"},          {"District", "No"},           {"Child 2 Date Of Birth", "03/04/2017"},
        {"Line 3 Plaintiff", "42.86 "}, {"Line 4 Combined", "1614.00"}, {"Line 5a Defendant", "1"},
        {"Line 5a Combined", "2"}, {"Line 5b Defendant", "50.00 "}, {"Line 5c Plaintiff", "807.00"},
        {"Line 6a Plaintiff", "345.88"}, {"Line 6b Defendant", "461.12"}, {"Line 7b Defendant", "60.00"},
        {"Line 8 Plaintiff", "25.72"}, {"Line 9 Defendant", "25.72"}, {"Line 10 Defendant", "435.40"},
        {"Line 11 Plaintiff", ""}, {"Line 11 Defendant", "89.52"}};
    for (const auto& [field, value] : expected) {
        const auto found = fields.find(field);
        ASSERT_NE(found, fields.end()) << field.toStdString();
        EXPECT_EQ(found->second, value) << field.toStdString();
    }
}

}  // namespace
}  // namespace qvr::test
