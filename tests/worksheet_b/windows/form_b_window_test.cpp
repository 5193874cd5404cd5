// Worksheet B's own parts in its window: the overnight cells that open its children dialog, and
// its court form produced from what the worksheet shows.

#include "support/worksheet_fixture.h"

#include "core/program_state.h"
#include "worksheet_b/court_form_b.h"
#include "worksheet_b/windows/form_b.h"

#include <QLabel>

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
};

TEST_F(FormBTest, OvernightCellsAndTheChildrenTableOpenTheOvernightsDialog) {
    OpenWorksheet();
    Store({{"pinc", "3000"}, {"dinc", "4000"}});
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

// A name longer than its column would make the record refuse the whole children write.
TEST_F(FormBTest, ALongNameCostsNoOtherEntryOfTheChildrenDialog) {
    OpenWorksheet();
    EnterChild("GetChildInfoHot", 2, QString(300, 'N'), "160");
    EXPECT_EQ(Stored("child2name"), QString(255, 'N'));
    EXPECT_EQ(Stored("child2nights"), "160");
}

// Incomes 3,000 and 4,000, one child with 200 nights with the plaintiff, 300 child care paid by
// the plaintiff and 150 insurance by the defendant; zeros hidden.
TEST_F(FormBTest, ProducesItsCourtFormWithTheWorksheetsValues) {
    Store({{"pinc", " 3000"}, {"dinc", " 4000"}, {"padja", " 300"}, {"dadjb", " 150"}, {"child1name", "Ann Doe"},
           {"child1dob", "06/01/2015"}, {"child1nights", "200"}, {"chkbox3", " 1"}, {"name1name", "Jane Roe"},
           {"ivdfile", "IVD-1"}});
    state.ShowZeros = "N";
    OpenWorksheet();
    const std::map<QString, QString> fields = ProduceAndReadBack();
    EXPECT_EQ(fields.size(), CourtFormB().Fields().size());
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

// Long names and large figures; only one child with a shared custody's nights, so the warning shows.
TEST_F(FormBTest, FilledWorksheetShowsEveryValueOnItsBlank) {
    Store({{"county", "Mecklenburg"}, {"name1name", "Johnathan Alexander Doe"}, {"pinc", " 14250.75"},
           {"dinc", " 12345.67"}, {"ppre", " 1250"}, {"dresp", " 1234.56"}, {"doc", " 2"}, {"padja", " 1234.56"},
           {"dadjb", " 2345.67"}, {"preparedby", "Jane Q. Paralegal, Example Law Office"}, {"child1nights", "20"}});
    for (int row = 1; row <= 6; ++row)
        Store(QString("child%1name").arg(row), QString("Alexandra Katherine Doe-%1").arg(row));
    OpenWorksheet();
    ASSERT_TRUE(Cell("lblWarning")->isVisibleTo(Window()));
    ExpectEveryValueFits(CourtFormB());
    SavePictures("form_b");
}

}  // namespace
}  // namespace qvr::test
