#include "schedule/windows/create_table_database.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>

#include "core/program_state.h"
#include "dialogs/schedule_lookup.h"
#include "schedule/schedule_fixture.h"
#include "schedule/schedule_text.h"
#include "support/modal_answerer.h"
#include "support/temp_drive.h"

namespace qvr::test {
namespace {

constexpr const char* kTitle = "Import Schedule";
const QString kUnchanged = "\r\n\r\nNothing was changed: the schedule is as it was.";

class CreateTableDatabaseTest : public TempDriveTest {
protected:
    void SetUp() override {
        TempDriveTest::SetUp();
        state.ScheduleDatabasePath = "C:\\QVRForms\\TABLE24.MDB";
        window = std::make_unique<CreateTableDatabase>();
        window->show();
    }
    void TearDown() override {
        window.reset();
        TempDriveTest::TearDown();
    }

    template <typename Control>
    Control* Find(const char* name) {
        auto* control = window->findChild<Control*>(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    QPlainTextEdit* TextBox() { return Find<QPlainTextEdit>("Text1"); }

    void Paste(const QString& text) {
        QApplication::clipboard()->setText(text);
        TextBox()->setFocus();
        TextBox()->paste();
    }

    void ClickImport() { QTest::mouseClick(Find<QPushButton>("cmdImport"), Qt::LeftButton); }

    std::unique_ptr<CreateTableDatabase> window;
};

TEST_F(CreateTableDatabaseTest, PrintsTheColumnsAndAnExampleThatTheImportTakes) {
    EXPECT_EQ(window->windowTitle(), kTitle);
    const QString instructions = Find<QLabel>("Label1")->text();
    EXPECT_TRUE(
        instructions.contains("the income in columns 1-8 and the amounts for 1 to 6 children in columns 9-16, "
                              "17-24, 25-32, 33-40, 41-48 and 49-56."))
        << instructions.toStdString();
    QStringList example = Find<QLabel>("Label2")->text().split('\n');
    ASSERT_EQ(example.size(), 3);
    EXPECT_EQ(example.takeFirst(), "  Income  Child1  Child2  Child3  Child4  Child5  Child6");
    const ParsedScheduleText parsed = ParseScheduleText(example.join('\n'));
    ASSERT_FALSE(parsed.problem) << parsed.problem->Message().toStdString();
    EXPECT_EQ(parsed.lines, (std::vector<ScheduleLine>{Line("0", "50"), Line("50", "50")}));
    Paste(FixedColumnText(ShippedSchedule()));
    SaveShot(window.get(), "schedule_CreateTableDatabase");
}

TEST_F(CreateTableDatabaseTest, AValidTextReplacesTheTableAfterConfirmation) {
    const std::vector<ScheduleLine> lines{Line("1000", "100"), Line("1050", "110"), Line("1100", "120")};
    Paste("\n" + FixedColumnText(lines));
    ModalAnswerer answerer;
    answerer.Click("Yes").Click("OK");

    ClickImport();

    EXPECT_EQ(answerer.Titles(), (QStringList{kTitle, kTitle}));
    EXPECT_EQ(answerer.Texts(),
              (QStringList{"Replace every line of the schedule with the 3 lines below (incomes 1000 to "
                           "1100)?",
                           "The schedule now holds 3 lines."}));
    EXPECT_EQ(StoredSchedule(), lines);
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_FALSE(window->isVisible());
    state.LookupIncome = 1025;
    state.LookupChildren = 3;
    LookupSchedule();
    EXPECT_DOUBLE_EQ(state.LookupResult, 105);
}

TEST_F(CreateTableDatabaseTest, AnsweringNoChangesNothing) {
    Paste(FixedColumnText({Line("0", "1"), Line("50", "2")}));
    ModalAnswerer answerer;
    answerer.Click("No");

    ClickImport();

    EXPECT_EQ(answerer.Answered(), 1);
    EXPECT_EQ(StoredSchedule(), ShippedSchedule());
    EXPECT_TRUE(window->isVisible());
}

struct BadText {
    const char* name;
    int badLine;  // 0: no bad line, the text holds no schedule lines
    QString badText;
    QString message;
};

class BadTextTest : public CreateTableDatabaseTest, public ::testing::WithParamInterface<BadText> {};

// The shipped schedule with one line replaced, so that every other line is right.
TEST_P(BadTextTest, ChangesNothingAndNamesTheLine) {
    QStringList text = FixedColumnText(ShippedSchedule()).split('\n');
    const BadText& bad = GetParam();
    if (bad.badLine > 0)
        text[bad.badLine - 1] = bad.badText;
    else
        text = QStringList{"", "   "};
    Paste(text.join('\n'));
    ModalAnswerer answerer;
    answerer.Click("OK");

    ClickImport();

    EXPECT_EQ(answerer.Titles(), QStringList{kTitle});
    EXPECT_EQ(answerer.Texts(), QStringList{bad.message + kUnchanged});
    EXPECT_EQ(StoredSchedule(), ShippedSchedule());
    EXPECT_TRUE(window->isVisible());
    if (bad.badLine > 0) {
        EXPECT_EQ(TextBox()->textCursor().block().blockNumber(), bad.badLine - 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    ImportSchedule, BadTextTest,
    ::testing::Values(
        BadText{"Letters", 300, "   14950    1284    1889    2201    24x9    2704    2941",
                "Line 300: Child4 in columns 33-40 is not whole dollars (up to 7 digits) set to the right of its "
                "columns."},
        BadText{"MissingAmount", 801, "   40000    3246    4768    5554    6204    6824",
                "Line 801: it is too short: the income and the six amounts need columns 1-56."},
        BadText{"WrongIncome", 2, "     100      50      50      50      50      50      50",
                "Line 2: the income must be 50, 50 more than the income on line 1."},
        BadText{"NothingPasted", 0, "", "There are no schedule lines in the text."}),
    [](const auto& info) { return info.param.name; });

TEST_F(CreateTableDatabaseTest, TheShippedScheduleMakesARoundTrip) {
    const std::vector<ScheduleLine> before = StoredSchedule();
    ASSERT_EQ(before.size(), 801u);
    Paste(FixedColumnText(before));
    ModalAnswerer answerer;
    answerer.Click("Yes").Click("OK");

    ClickImport();

    EXPECT_EQ(answerer.Texts().value(1), "The schedule now holds 801 lines.");
    EXPECT_EQ(StoredSchedule(), before);
}

}  // namespace
}  // namespace qvr::test
