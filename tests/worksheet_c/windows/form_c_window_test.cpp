// Worksheet C's own parts of its window: its cells and buttons, the line 5a cells that open the
// children dialog, the explanation over the still-loaded worksheet, and its court form produced.

#include "worksheet_c/windows/form_c.h"

#include "core/program_state.h"
#include "core/windows/background.h"
#include "dialogs/windows/calc_detail_registered.h"
#include "platform/desktop.h"
#include "platform/shell.h"
#include "support/worksheet_fixture.h"
#include "worksheet_c/court_form_c.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <poppler-form.h>
#include <poppler-qt6.h>

namespace qvr::test {
namespace {

class FormCTest : public WorksheetTest {
protected:
    FormCTest() : WorksheetTest("FormC", MakeFormC) {}

    // One child with each parent, incomes 3,000 and 4,000: the defendant pays 115.24.
    void StoreSplitCase() {
        for (const auto& [column, value] : std::vector<std::pair<QString, QString>>{
                 {"child1name", "Ann Doe"}, {"child1dob", "01/02/2015"}, {"child1cust", "P"},
                 {"child2name", "Bo Doe"},  {"child2dob", "03/04/2017"}, {"child2cust", "D"},
                 {"pinc", " 3000"},         {"dinc", " 4000"},           {"chkbox3", " 1"}})
            Store(column, value);
    }

    static int LoadedCopies(const QString& name) {
        int copies = 0;
        for (QMdiSubWindow* sub : MainWindow().ClientArea()->subWindowList())
            if (sub->widget() && sub->widget()->objectName() == name) ++copies;
        return copies;
    }
};

TEST_F(FormCTest, OpensOnTheCaseWithWorksheetCsButtonsAndLines) {
    StoreSplitCase();
    QWidget* window = OpenWorksheet();
    ASSERT_NE(dynamic_cast<FormC*>(window), nullptr);
    EXPECT_EQ(window->windowTitle(), "Worksheet C, Child Support Obligation, Split Custody");
    EXPECT_EQ(state.ActiveFormName, "FormC");
    for (const FormBlank& blank : CourtFormC().blanks)
        EXPECT_NE(window->findChild<QWidget*>(blank.label), nullptr) << blank.label.toStdString();
    EXPECT_EQ(window->findChild<QPushButton*>("cmdCalculationDetails")->text(), "Explanation");
    EXPECT_EQ(window->findChild<QPushButton*>("cmdRound10thru11")->text(), "Round Lines 10 - 11");
    EXPECT_EQ(window->findChild<QPushButton*>("cmdChangeCustody"), nullptr);
    EXPECT_EQ(window->findChild<QPushButton*>("cmdExplanation"), nullptr);
    EXPECT_TRUE(window->findChild<QCheckBox*>("Check3")->isChecked());
    const std::map<QString, QString> expected{
        {"lblC4", "1,614.00 "}, {"lblP5a", "1"},        {"lblD5a", "1"},        {"lblC5a", "2"},
        {"lblP5b", "50.00 "},   {"lblP5c", "807.00 "},  {"lblP6a", "345.88 "}, {"lblD6b", "461.12 "},
        {"lblP10", "345.88 "},  {"lblD10", "461.12 "},  {"lblP11", ""},        {"lblD11", "115.24 "}};
    for (const auto& [label, caption] : expected) EXPECT_EQ(Shown(label), caption) << label.toStdString();
    EXPECT_FALSE(Cell("lblWarning")->isVisible());
}

TEST_F(FormCTest, RoundingTogglesWithItsButton) {
    StoreSplitCase();
    OpenWorksheet();
    state.RoundLinesC = "N";
    ClickOn("cmdRound10thru11");
    EXPECT_EQ(state.RoundLinesC, "Y");
    EXPECT_EQ(Shown("lblD11"), "115.00 ");
    ClickOn("cmdRound10thru11");
    EXPECT_EQ(Shown("lblD11"), "115.24 ");
}

// Long names and large figures fit their cells, and the warning fits over line 4. Pictures of
// the filled worksheet for looking at, when QVR_SHOTS names a folder.
TEST_F(FormCTest, FilledWorksheetShowsEveryValueOnItsBlank) {
    for (const auto& [column, value] : std::vector<std::pair<QString, QString>>{
             {"county", "Mecklenburg"}, {"courtfile", "24 CVD 012345"}, {"ivdfile", "IVD-998877"},
             {"casecode", "CVD"}, {"uresa", "UIFSA-5544"}, {"datesigned", "12/31/2024"},
             {"preparedby", "Jane Q. Paralegal, Example Law Office"},
             {"name1name", "Johnathan Alexander Doe-Smithfield"}, {"name2name", "Jane Elizabeth Doe"},
             {"pinc", " 14250.75"}, {"dinc", " 12345.67"}, {"presp", " 1234.56"}, {"poc", " 3"},
             {"padja", " 1234.56"}, {"dadjb", " 987.65"}, {"dadjc", " 2500"}, {"chkbox1", " 1"}, {"chkbox3", " 1"}})
        Store(column, value);
    for (int row = 1; row <= 6; ++row) {
        Store(QString("child%1name").arg(row), QString("Alexandra Katherine Doe-%1").arg(row));
        Store(QString("child%1dob").arg(row), QString("0%1/1%1/2015").arg(row));
        Store(QString("child%1cust").arg(row), row % 3 == 0 ? "P" : "D");
    }
    state.ShowWarnings = "Y";
    FormC* window = dynamic_cast<FormC*>(OpenWorksheet());
    for (const FormBlank& blank : CourtFormC().blanks) {
        if (!blank.IsCell() || Shown(blank.label).isEmpty()) continue;
        const QLabel* cell = Cell(blank.label);
        EXPECT_LE(cell->fontMetrics().horizontalAdvance(cell->text()), cell->contentsRect().width())
            << blank.label.toStdString();
    }
    const QString folder = qEnvironmentVariable("QVR_SHOTS");
    if (!folder.isEmpty()) {
        EXPECT_TRUE(window->grab().save(folder + "/form_c.png"));
        SetOpenDocumentHandler([&](const QString& path) { return QFile::copy(Host(path), folder + "/form_c.pdf"); });
        ModalAnswerer answerer;
        answerer.Click("Produce Form Now");
        window->ProduceForm();
        InstallDesktopPlatform();
    }

    for (int row = 1; row <= 6; ++row) Store(QString("child%1cust").arg(row), "P");
    window = dynamic_cast<FormC*>(OpenWorksheet());
    const QLabel* warning = Cell("lblWarning");
    EXPECT_TRUE(warning->isVisibleTo(window));
    EXPECT_LE(warning->heightForWidth(warning->width()), warning->height());
    if (!folder.isEmpty()) {
        EXPECT_TRUE(window->grab().save(folder + "/form_c_warning.png"));
    }
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
    EXPECT_EQ(Shown("lblD5a"), "0");
    EXPECT_TRUE(Cell("lblWarning")->isVisible());
    EXPECT_EQ(Shown("lblWarning"), "WARNING: SPLIT CUSTODY NEEDS CHILDREN LIVING WITH EACH PARENT");
}

INSTANTIATE_TEST_SUITE_P(Cells, LineFiveCells, ::testing::Values("lblC5a", "lblP5a", "lblD5a", "GetChildInfoHot"));

class FormCExplanationTest : public FormCTest {
protected:
    void SetUp() override {
        FormCTest::SetUp();
        Register("CalcDetailRegistered", MakeCalcDetailRegistered);
        StoreSplitCase();
        worksheet = OpenWorksheet();
        stored = Record(kCaseId);
        ClickOn("cmdCalculationDetails");
        DeleteUnloadedWindows();
    }

    QWidget* worksheet = nullptr;
    std::map<QString, Value> stored;
};

TEST_F(FormCExplanationTest, OpensOverTheStillLoadedWorksheet) {
    EXPECT_EQ(state.CurrentWorksheetLetter, "C");
    EXPECT_TRUE(state.ExplanationText.startsWith(
        "This is a Split Custody Child Support Calculation (Worksheet C) performed on "));
    EXPECT_TRUE(state.ExplanationText.endsWith("Defendant pays Plaintiff $115.24 per month."));
    EXPECT_EQ(ShownWindows(), (QStringList{"CalcDetailRegistered", "FormC"}));
    EXPECT_EQ(LoadedWorkingWindow("FormC"), worksheet);
    EXPECT_EQ(state.ActiveFormName, "CalcDetailRegistered");
}

TEST_F(FormCExplanationTest, ClosingItShowsOneWorksheetCWithTheCaseAsItWas) {
    QTest::mouseDClick(LoadedWorkingWindow("CalcDetailRegistered")->findChild<QLabel*>("Label1"), Qt::LeftButton);
    DeleteUnloadedWindows();
    EXPECT_EQ(ShownWindows(), QStringList{"FormC"});
    EXPECT_EQ(LoadedCopies("FormC"), 1);
    EXPECT_EQ(state.ActiveFormName, "FormC");
    EXPECT_EQ(Shown("lblD11"), "115.24 ");
    EXPECT_TRUE(Window()->findChild<QCheckBox*>("Check3")->isChecked());
    EXPECT_EQ(Record(kCaseId), stored);
}

TEST_F(FormCExplanationTest, AMenuCommandOverItLeavesOneWorksheetCBehindItsWindow) {
    Choose("menuCaseLibrary");
    DeleteUnloadedWindows();
    EXPECT_EQ(ShownWindows(), (QStringList{"CaseLibrary", "FormC"}));
    EXPECT_EQ(LoadedCopies("FormC"), 1);
    EXPECT_EQ(LoadedCopies("CalcDetailRegistered"), 0);
    EXPECT_EQ(Stored("child2cust"), "D");
}

// A field read back through Poppler: a text field's text, or a check box as "Yes"/"No".
std::map<QString, QString> ReadFields(const QString& hostPath) {
    std::map<QString, QString> fields;
    std::unique_ptr<Poppler::Document> document = Poppler::Document::load(hostPath);
    if (!document) return fields;
    for (const auto& field : document->page(0)->formFields()) {
        if (auto* text = dynamic_cast<Poppler::FormFieldText*>(field.get()))
            fields[field->fullyQualifiedName()] = text->text();
        if (auto* button = dynamic_cast<Poppler::FormFieldButton*>(field.get()))
            fields[field->fullyQualifiedName()] = button->state() ? "Yes" : "No";
    }
    return fields;
}

class FormCProductionTest : public FormCTest {
protected:
    void SetUp() override {
        FormCTest::SetUp();
        SetOpenDocumentHandler([this](const QString& path) {
            opened << path;
            return true;
        });
        StoreSplitCase();
        Store("dadjb", " 60");
        OpenWorksheet();
    }
    void TearDown() override {
        InstallDesktopPlatform();
        FormCTest::TearDown();
    }

    std::map<QString, QString> Produce() {
        ModalAnswerer answerer;
        answerer.Click("Produce Form Now");
        Choose("menuProduce");
        EXPECT_EQ(opened, QStringList{"\\QVRForms\\QVRPDF.PDF"});
        return ReadFields(Host("\\QVRForms\\QVRPDF.PDF"));
    }

    QStringList opened;
};

TEST_F(FormCProductionTest, FillsTheSplitCustodyFormWithWhatTheWorksheetShows) {
    // The defendant's insurance of 60: fair shares 25.72 and 34.28, the defendant paid 25.72 in
    // excess; line 10 of the defendant 461.1198 - 25.716 = 435.4038, and it pays 89.52.
    const std::map<QString, QString> fields = Produce();
    EXPECT_EQ(fields.size(), CourtFormC().Fields().size());
    const std::map<QString, QString> expected{
        {"Civil", "Yes"},
        {"District", "No"},
        {"Child 1 Name", "Ann Doe"},
        {"Child 2 Date Of Birth", "03/04/2017"},
        {"Line 2 Combined", "7000.00"},
        {"Line 3 Plaintiff", "42.86 "},
        {"Line 4 Combined", "1614.00"},
        {"Line 5a Plaintiff", "1"},
        {"Line 5a Defendant", "1"},
        {"Line 5a Combined", "2"},
        {"Line 5b Defendant", "50.00 "},
        {"Line 5c Plaintiff", "807.00"},
        {"Line 6a Plaintiff", "345.88"},
        {"Line 6b Defendant", "461.12"},
        {"Line 7b Defendant", "60.00"},
        {"Line 7d Combined", "60.00"},
        {"Line 8 Plaintiff", "25.72"},
        {"Line 9 Defendant", "25.72"},
        {"Line 10 Defendant", "435.40"},
        {"Line 11 Plaintiff", ""},
        {"Line 11 Defendant", "89.52"},
    };
    for (const auto& [field, value] : expected) {
        const auto found = fields.find(field);
        ASSERT_NE(found, fields.end()) << field.toStdString();
        EXPECT_EQ(found->second, value) << field.toStdString();
    }
}

TEST_F(FormCProductionTest, HiddenZerosAreProducedEmpty) {
    state.ShowZeros = "Y";
    ClickOn("cmdShowHideZeros");
    const std::map<QString, QString> fields = Produce();
    EXPECT_EQ(fields.at("Line 7a Plaintiff"), "");
    EXPECT_EQ(fields.at("Line 9 Plaintiff"), "");
    EXPECT_EQ(fields.at("Line 5a Combined"), "2");
}

}  // namespace
}  // namespace qvr::test
