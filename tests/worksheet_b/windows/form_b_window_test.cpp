// Worksheet B's own parts in its window: its cells and buttons, the overnight cells that open
// its children dialog, the expense cells of lines 10a to 10c, its rounding, and its production
// read back from the produced form.

#include "support/worksheet_fixture.h"

#include "core/program_state.h"
#include "platform/shell.h"
#include "worksheet_b/court_form_b.h"
#include "worksheet_b/windows/form_b.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <qpdf/QPDF.hh>

namespace qvr::test {
namespace {

class FormBTest : public WorksheetTest {
protected:
    FormBTest() : WorksheetTest("FormB", MakeFormB) {}

    // Opens the children dialog by clicking `control` and enters one child with its nights.
    void EnterChild(const QString& control, int row, const QString& name, const QString& nights) {
        ModalAnswerer answerer;
        answerer.Then(AsUser([&](QWidget* dialog) {
            Type(dialog, "txtChild" + QString::number(row), name);
            Type(dialog, "Text" + QString::number(row), nights);
            Leave(dialog);
            Click(dialog, "Command1");
        }));
        ClickOn(control, answerer);
        EXPECT_EQ(answerer.Titles(), QStringList{"Number of Overnights"}) << control.toStdString();
    }

    // Incomes 3,000 and 4,000, one child with 200 nights with the plaintiff, 300 child care paid
    // by the plaintiff and 150 insurance by the defendant.
    void StoreSharedCase() {
        for (const auto& [column, value] : std::vector<std::pair<QString, QString>>{
                 {"pinc", " 3000"}, {"dinc", " 4000"}, {"padja", " 300"}, {"dadjb", " 150"},
                 {"child1name", "Ann Doe"}, {"child1dob", "06/01/2015"}, {"child1nights", "200"}})
            Store(column, value);
    }
};

TEST_F(FormBTest, LoadsWithWorksheetBsCellsAndButtons) {
    state.FieldColor = 14;
    StoreSharedCase();
    QWidget* window = OpenWorksheet();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(state.ActiveFormName, "FormB");
    EXPECT_EQ(window->windowTitle(), "Worksheet B, Child Support Obligation, Joint or Shared Physical Custody");
    EXPECT_EQ(Shown("lblSelectedCaseName"), QString(kCaseName) + "  (" + state.CasesDatabasePath.toUpper() + ")");
    for (const FormBlank& blank : CourtFormB().blanks) {
        if (!blank.IsCell()) continue;
        EXPECT_EQ(Cell(blank.label)->palette().color(QPalette::Window), QColor(Qt::yellow)) << blank.label.toStdString();
    }
    EXPECT_EQ(Shown("lblTotalOvernights"), "365");
    EXPECT_EQ(Shown("lblD14"), "299.68 ");
    EXPECT_EQ(Shown("lblP14"), "");

    QStringList buttons;
    for (const QPushButton* button : window->findChildren<QPushButton*>())
        buttons << button->objectName() + ": " + button->text();
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{"cmdExplanation: Explanation", "cmdOverrideSupport: Click HERE to Override",
                                    "cmdRound13thru14: Round Lines 13 - 14", "cmdShowHideZeros: Show/Hide Zeros"}));
}

TEST_F(FormBTest, OvernightCellsAndTheChildrenTableOpenTheOvernightsDialog) {
    OpenWorksheet();
    Store("pinc", "3000");
    Store("dinc", "4000");
    int nights = 150;
    for (const char* control : {"GetChildInfoHot", "lblTotalOvernights", "lblP7", "lblD7"}) {
        SCOPED_TRACE(control);
        nights += 10;
        EnterChild(control, 2, "Bo Doe", QString::number(nights));
        EXPECT_EQ(Stored("child2name"), "Bo Doe");
        EXPECT_EQ(Stored("child2nights"), QString::number(nights));
        EXPECT_EQ(Shown("lblChild2Name"), "Bo Doe");
        EXPECT_EQ(Shown("lblP7"), QString::number(nights));
        EXPECT_EQ(Shown("lblD7"), QString::number(365 - nights));
        EXPECT_EQ(Shown("lblTotalOvernights"), "365");
    }
}

struct ExpenseCase {
    const char* label;
    const char* column;
    const char* button;
    const char* total;  // the cell of line 10d that adds it
};

TEST_F(FormBTest, ExpenseCellsEditLines10aTo10c) {
    const ExpenseCase cases[] = {
        {"lblPAdja", "padja", "Ok", "lblP10d"},   {"lblDAdja", "dadja", "Ok", "lblD10d"},
        {"lblPAdjb", "padjb", "Done", "lblP10d"}, {"lblDAdjb", "dadjb", "Done", "lblD10d"},
        {"lblPAdjc", "padjc", "Ok", "lblP10d"},   {"lblDAdjc", "dadjc", "Ok", "lblD10d"},
    };
    for (const ExpenseCase& c : cases) {
        SCOPED_TRACE(c.label);
        for (const char* column : {"padja", "padjb", "padjc", "dadja", "dadjb", "dadjc"}) Store(column, "");
        Store(c.column, " 12.5");
        OpenWorksheet();
        QString offered;
        ModalAnswerer answerer;
        answerer.Then(AsUser([&](QWidget* dialog) {
            offered = TextOf(dialog, "Text1");
            Type(dialog, "Text1", "40");
            ModalAnswerer::ClickButton(dialog, c.button);
        }));
        ClickOn(c.label, answerer);
        EXPECT_EQ(offered, "12.50");
        EXPECT_EQ(Stored(c.column), " 40");
        EXPECT_EQ(Shown(c.label), "40.00 ");
        EXPECT_EQ(Shown(c.total), "40.00 ");
        EXPECT_EQ(Shown("lblC10d"), "40.00 ");
    }
}

TEST_F(FormBTest, RoundButtonTogglesWorksheetBsRounding) {
    StoreSharedCase();
    OpenWorksheet();
    ClickOn("cmdRound13thru14");
    EXPECT_EQ(state.RoundLinesB, "Y");
    EXPECT_EQ(state.RoundLinesA, "N");
    EXPECT_EQ(Shown("lblD14"), "299.00 ");
    ClickOn("cmdRound13thru14");
    EXPECT_EQ(state.RoundLinesB, "N");
    EXPECT_EQ(Shown("lblD14"), "299.68 ");
}

// ---- The court form ---------------------------------------------------------------------------

// A form's fields in the document's own order, read with qpdf: name, value (a check box's as
// "Yes" or "No") and whether the field is right-aligned.
struct FormField {
    QString name, value;
    bool right;
};
std::vector<FormField> FieldsOf(const QString& hostPath) {
    QPDF pdf;
    pdf.processFile(QFile::encodeName(hostPath).constData());
    QPDFObjectHandle fields = pdf.getRoot().getKey("/AcroForm").getKey("/Fields");
    std::vector<FormField> out;
    for (int i = 0; i < fields.getArrayNItems(); ++i) {
        QPDFObjectHandle field = fields.getArrayItem(i);
        QPDFObjectHandle value = field.getKey("/V");
        const QString shown = value.isName() ? (value.getName() == "/Off" ? "No" : "Yes")
                              : value.isString() ? QString::fromStdString(value.getUTF8Value()) : QString();
        const bool right = field.getKey("/Q").isInteger() && field.getKey("/Q").getIntValue() == 2;
        out.push_back({QString::fromStdString(field.getKey("/T").getUTF8Value()), shown, right});
    }
    return out;
}

// Line by line, each line's figures right-aligned.
TEST(CourtFormB, ShippedFormHasItsFieldsLineByLine) {
    QStringList expected{"File No", "IV-D Case No", "Case No. (Code)", "UIFSA Case No", "District",
                         "Superior Court Division", "County", "Civil", "Plaintiff", "Criminal", "Name Of Defendant"};
    for (int child : {1, 4, 2, 5, 3, 6})
        expected << QString("Child %1 Name").arg(child) << QString("Child %1 Date Of Birth").arg(child);
    const std::pair<const char*, const char*> lines[] = {
        {"1", "PD"},  {"1a", "PD"},  {"1b", "PD"},  {"2", "PDC"},   {"3", "PD"},  {"4", "C"},   {"5", "C"},
        {"6", "PD"},  {"7", "PDC"},  {"8", "PD"},   {"9", "PD"},    {"10a", "PD"}, {"10b", "PD"}, {"10c", "PD"},
        {"10d", "PDC"}, {"11", "PD"}, {"12", "PD"}, {"13", "PD"},   {"14", "PD"}};
    for (const auto& [line, cells] : lines)
        for (const QChar cell : QString(cells))
            expected << QString("Line %1 %2 >").arg(line, cell == 'P' ? "Plaintiff" : cell == 'D' ? "Defendant" : "Combined");
    expected << "Date" << "Prepared By";
    QStringList shipped;
    for (const FormField& field : FieldsOf(QString(SHIPPED_DIR) + "/AOC-CV-628_2023.PDF"))
        shipped << field.name + (field.right ? " >" : "");
    EXPECT_EQ(shipped, expected);
}

TEST_F(FormBTest, ProducesItsCourtFormWithTheWorksheetsValues) {
    QStringList opened;
    SetOpenDocumentHandler([&](const QString& path) {
        opened << path;
        return true;
    });
    StoreSharedCase();
    Store("chkbox3", " 1");
    Store("name1name", "Jane Roe");
    Store("ivdfile", "IVD-1");
    state.ShowZeros = "N";
    OpenWorksheet();
    ModalAnswerer answerer;
    answerer.Click("Produce Form Now");
    Choose("menuProduce");
    SetOpenDocumentHandler({});
    ASSERT_EQ(opened, QStringList{"\\QVRForms\\QVRPDF.PDF"});

    std::map<QString, QString> fields;
    for (const FormField& field : FieldsOf(driveC + "/QVRForms/QVRPDF.PDF")) fields[field.name] = field.value;
    EXPECT_EQ(fields.size(), 64u);
    const std::map<QString, QString> expected = {
        {"IV-D Case No", "IVD-1"},       {"Civil", "Yes"},                 {"District", "No"},
        {"Plaintiff", "Jane Roe"},       {"Child 1 Name", "Ann Doe"},      {"Child 1 Date Of Birth", "06/01/2015"},
        {"Line 1 Plaintiff", "3000.00"}, {"Line 1a Plaintiff", ""},        {"Line 3 Plaintiff", "42.86 "},
        {"Line 5 Combined", "1614.00"},  {"Line 6 Defendant", "922.24"},   {"Line 7 Plaintiff", "200"},
        {"Line 7 Combined", "365"},      {"Line 8 Defendant", "45.21 "},   {"Line 9 Plaintiff", "312.74"},
        {"Line 10b Plaintiff", ""},      {"Line 10d Combined", "450.00"},  {"Line 12 Defendant", ""},
        {"Line 13 Plaintiff", "205.61"}, {"Line 14 Plaintiff", ""},        {"Line 14 Defendant", "299.68"},
    };
    for (const auto& [field, value] : expected) {
        const auto found = fields.find(field);
        ASSERT_NE(found, fields.end()) << field.toStdString();
        EXPECT_EQ(found->second, value) << field.toStdString();
    }
}

// Every value fits its cell, the warning its place; with QVR_SHOTS naming a folder, pictures of the
// filled worksheet and its produced form.
TEST_F(FormBTest, FilledWorksheetShowsEveryValueOnItsBlank) {
    for (const auto& [column, value] : std::vector<std::pair<QString, QString>>{
             {"county", "Mecklenburg"}, {"name1name", "Johnathan Alexander Doe"}, {"pinc", " 14250.75"},
             {"dinc", " 12345.67"}, {"ppre", " 1250"}, {"dresp", " 1234.56"}, {"doc", " 2"}, {"padja", " 1234.56"},
             {"dadjb", " 2345.67"}, {"preparedby", "Jane Q. Paralegal, Example Law Office"}})
        Store(column, value);
    for (int row = 1; row <= 6; ++row) {
        Store(QString("child%1name").arg(row), QString("Alexandra Katherine Doe-%1").arg(row));
        Store(QString("child%1nights").arg(row), row == 1 ? "20" : "");
    }
    OpenWorksheet();
    for (const FormBlank& blank : CourtFormB().blanks) {
        if (!blank.IsCell()) continue;
        const QLabel* cell = Cell(blank.label);
        EXPECT_LE(cell->fontMetrics().horizontalAdvance(cell->text()), cell->contentsRect().width())
            << blank.label.toStdString();
    }
    const QLabel* warning = Cell("lblWarning");
    ASSERT_TRUE(warning->isVisibleTo(Window()));
    EXPECT_LE(warning->heightForWidth(warning->width()), warning->height());

    const QString folder = qEnvironmentVariable("QVR_SHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    EXPECT_TRUE(Window()->grab().save(folder + "/form_b.png"));
    SetOpenDocumentHandler([](const QString&) { return true; });
    ModalAnswerer answerer;
    answerer.Click("Produce Form Now");
    Choose("menuProduce");
    SetOpenDocumentHandler({});
    QFile::remove(folder + "/form_b.pdf");
    EXPECT_TRUE(QFile::copy(driveC + "/QVRForms/QVRPDF.PDF", folder + "/form_b.pdf"));
}

}  // namespace
}  // namespace qvr::test
