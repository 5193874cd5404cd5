#include "schedule/windows/change_table.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <algorithm>

#include "core/program_state.h"
#include "core/values.h"
#include "core/windows/background.h"
#include "support/frame_fixture.h"
#include "dialogs/schedule_lookup.h"
#include "schedule/schedule_fixture.h"
#include "schedule/schedule_table.h"

namespace qvr::test {
namespace {

constexpr const char* kTitle = "Schedule of Basic Support Obligations";

QWidget* Window() { return LoadedWorkingWindow("ChangeTable"); }

template <typename Control = QWidget>
Control* Find(const QString& name) {
    auto* control = Window()->findChild<Control*>(name);
    EXPECT_NE(control, nullptr) << name.toStdString();
    return control;
}

QTableWidget* Grid() { return Find<QTableWidget>("grdSchedule"); }
QLineEdit* AmountBox(int children) { return Find<QLineEdit>(QString("txtChild%1").arg(children)); }

int RowOf(const QString& income) {
    const auto lines = ShippedSchedule();
    for (std::size_t row = 0; row < lines.size(); ++row)
        if (lines[row].Income == income) return static_cast<int>(row);
    ADD_FAILURE() << "no row for income " << income.toStdString();
    return 0;
}

void ClickRow(int row) {
    QTableWidget* grid = Grid();
    QTableWidgetItem* cell = grid->item(row, 0);
    grid->scrollToItem(cell);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(cell).center());
}

// Typed over what the box holds; text beyond ASCII arrives as an input method commits it.
void Type(int children, const QString& text) {
    QLineEdit* box = AmountBox(children);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    const bool ascii = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; });
    if (ascii) {
        QTest::keyClicks(box, text);
        return;
    }
    QInputMethodEvent input;
    input.setCommitString(text);
    QApplication::sendEvent(box, &input);
}

void ClickSave() { QTest::mouseClick(Find<QPushButton>("cmdSave"), Qt::LeftButton); }

double Lookup(double income, double children) {
    state.LookupIncome = income;
    state.LookupChildren = children;
    LookupSchedule();
    return state.LookupResult;
}

bool Shaded(const QTableWidgetItem* cell) { return cell->background().color() == ChangeTable::ShadedColor(); }

class ChangeTableTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        Register("ChangeTable", MakeChangeTable);
        StartProgram();
        ASSERT_EQ(state.ScheduleDatabasePath, "C:\\QVRForms\\TABLE24.MDB");
    }

    void OpenSchedule() {
        SetMenusEnabled({Menu::Guidelines}, true);
        Choose("menuChangeTable");
        ASSERT_NE(Window(), nullptr);
    }

    // Types an amount that cannot be saved on the line of income 1000; returns that line's row.
    int TypeUnsavableAmount() {
        OpenSchedule();
        const int row = RowOf("1000");
        ClickRow(row);
        Type(3, "3x");
        return row;
    }
};

TEST_F(ChangeTableTest, ShowsEveryRowOfTheScheduleInStoredOrder) {
    OpenSchedule();
    const std::vector<ScheduleLine> shipped = ShippedSchedule();
    QTableWidget* grid = Grid();
    ASSERT_EQ(grid->rowCount(), static_cast<int>(shipped.size()));
    ASSERT_EQ(grid->columnCount(), 7);
    for (int row = 0; row < grid->rowCount(); ++row) {
        EXPECT_EQ(grid->item(row, 0)->text(), shipped[row].Income) << row;
        for (int n = 1; n <= 6; ++n) EXPECT_EQ(grid->item(row, n)->text(), shipped[row].Child[n - 1]) << row;
    }
    const QStringList headers{"Income",     "1 Child",    "2 Children", "3 Children",
                              "4 Children", "5 Children", "6 Children"};
    for (int column = 0; column < 7; ++column) EXPECT_EQ(grid->horizontalHeaderItem(column)->text(), headers[column]);
}

struct ShadedColumn {
    int children;
    int shadedRows;
    const char* lastShadedIncome;
};

class ShadedAreaTest : public ChangeTableTest, public ::testing::WithParamInterface<ShadedColumn> {};

TEST_P(ShadedAreaTest, MarksExactlyTheRowsAtOrBelowTheBound) {
    OpenSchedule();
    const auto [children, shadedRows, lastShadedIncome] = GetParam();
    QTableWidget* grid = Grid();
    int shaded = 0;
    for (int row = 0; row < grid->rowCount(); ++row) {
        const bool expected = Val(grid->item(row, 0)->text()) <= state.ShadedAreaLimit(children);
        EXPECT_EQ(Shaded(grid->item(row, children)), expected) << "income " << grid->item(row, 0)->text().toStdString();
        shaded += Shaded(grid->item(row, children));
    }
    EXPECT_EQ(shaded, shadedRows);
    const int lastRow = RowOf(lastShadedIncome);
    EXPECT_TRUE(Shaded(grid->item(lastRow, children)));
    EXPECT_FALSE(Shaded(grid->item(lastRow + 1, children)));
}

INSTANTIATE_TEST_SUITE_P(ChangeTable, ShadedAreaTest,
                         ::testing::Values(ShadedColumn{1, 31, "1500"}, ShadedColumn{2, 38, "1850"},
                                           ShadedColumn{3, 45, "2200"}, ShadedColumn{4, 49, "2400"},
                                           ShadedColumn{5, 55, "2700"}, ShadedColumn{6, 61, "3000"}),
                         [](const auto& info) { return "Children" + std::to_string(info.param.children); });

TEST_F(ChangeTableTest, TheIncomeColumnIsNeverShaded) {
    OpenSchedule();
    for (int row = 0; row < Grid()->rowCount(); ++row) EXPECT_FALSE(Shaded(Grid()->item(row, 0))) << row;
}

struct Switch {
    const char* name;
    bool fromWorksheet;
};

class OpeningTest : public ChangeTableTest, public ::testing::WithParamInterface<Switch> {};

TEST_P(OpeningTest, KeepsActiveFormNameAndTheMenusAndSitsTopLeftOnWhite) {
    if (GetParam().fromWorksheet) {
        RegisterFakeWorksheet("FormA");
        SetMenusEnabled({Menu::Forms}, true);
        Choose("menufrontofform");
    } else {
        state.ActiveFormName = "CaseLibrary";
        SetMenusEnabled({Menu::Guidelines, Menu::Names}, true);
    }
    const QString activeBefore = state.ActiveFormName;
    std::map<Menu, bool> menusBefore;
    for (Menu menu : {Menu::CaseLibrary, Menu::Forms, Menu::Guidelines, Menu::Produce, Menu::ShowHide, Menu::Names,
                      Menu::Location, Menu::About})
        menusBefore[menu] = MenuEnabled(menu);
    SetFrameBackgroundColor(14);

    Choose("menuChangeTable");

    EXPECT_EQ(ShownWindows(), QStringList{"ChangeTable"});
    EXPECT_EQ(state.ActiveFormName, activeBefore);
    for (const auto& [menu, enabled] : menusBefore) EXPECT_EQ(MenuEnabled(menu), enabled) << int(menu);
    EXPECT_EQ(SubWindow("ChangeTable")->geometry().topLeft(), QPoint(0, 0));
    EXPECT_EQ(MainWindow().ClientArea()->background().color(), QColor(Qt::white));
    EXPECT_EQ(Window()->palette().color(QPalette::Window), QColor(Qt::white));
}

INSTANTIATE_TEST_SUITE_P(ChangeTable, OpeningTest,
                         ::testing::Values(Switch{"AfterAWorksheet", true}, Switch{"AfterTheCaseLibrary", false}),
                         [](const auto& info) { return info.param.name; });

TEST_F(ChangeTableTest, FitsItsControlsAndShowsTheShadedAreaBounds) {
    OpenSchedule();
    for (QWidget* control : Window()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const std::string name = control->objectName().toStdString();
        EXPECT_TRUE(Window()->rect().contains(control->geometry())) << name;
        if (auto* label = qobject_cast<QLabel*>(control)) {
            if (label->wordWrap())
                EXPECT_LE(label->heightForWidth(label->width()), label->height()) << name;
            else
                EXPECT_LE(label->sizeHint().width(), label->width()) << name;
        }
    }
    EXPECT_EQ(Find<QLabel>("lblShadedArea")->text(),
              "Shaded cells are the schedule's shaded area: incomes at or below 1,500 for 1 child, 1,850 for 2 "
              "children, 2,200 for 3 children, 2,400 for 4 children, 2,700 for 5 children and 3,000 for 6 children.");
    ClickRow(RowOf("1850"));
    Grid()->scrollToItem(Grid()->item(RowOf("1450"), 0), QAbstractItemView::PositionAtTop);
    SaveShot(&MainWindow(), "schedule_ChangeTable");
}

TEST_F(ChangeTableTest, AClickedRowFillsTheLineEditor) {
    OpenSchedule();
    EXPECT_FALSE(Find<QPushButton>("cmdSave")->isEnabled());
    const int row = RowOf("39950");
    ClickRow(row);
    EXPECT_EQ(Find<QLabel>("lblIncome")->text(), "39950");
    const ScheduleLine shipped = ShippedSchedule()[row];
    for (int n = 1; n <= 6; ++n) EXPECT_EQ(AmountBox(n)->text(), shipped.Child[n - 1]) << n;
    EXPECT_TRUE(Find<QPushButton>("cmdSave")->isEnabled());
}

TEST_F(ChangeTableTest, AnEditedRowIsStoredShownAndUsedByTheNextLookup) {
    OpenSchedule();
    const int row = RowOf("2000");
    const double before = Lookup(2025, 2);
    ClickRow(row);
    Type(2, " 0999 ");
    ModalAnswerer answerer;

    ClickSave();

    EXPECT_TRUE(answerer.Titles().isEmpty()) << answerer.Texts().join("|").toStdString();
    std::vector<ScheduleLine> expected = ShippedSchedule();
    expected[row].Child[1] = "999";
    EXPECT_EQ(StoredSchedule(), expected);
    EXPECT_EQ(Grid()->item(row, 2)->text(), "999");
    EXPECT_EQ(AmountBox(2)->text(), "999");
    EXPECT_EQ(Grid()->currentRow(), row);
    EXPECT_NE(before, Lookup(2025, 2));
    EXPECT_DOUBLE_EQ(Lookup(2000, 2), 999);
    EXPECT_DOUBLE_EQ(Lookup(2025, 2), (999 + Val(expected[row + 1].Child[1])) / 2);
}

TEST_F(ChangeTableTest, EnterInAnAmountSavesTheLine) {
    OpenSchedule();
    const int row = RowOf("100");
    ClickRow(row);
    Type(6, "77");
    QTest::keyClick(AmountBox(6), Qt::Key_Return);
    EXPECT_EQ(StoredSchedule()[row].Child[5], "77");
}

struct BadAmount {
    const char* name;
    QString typed;
};

class RefusedAmountTest : public ChangeTableTest, public ::testing::WithParamInterface<BadAmount> {};

TEST_P(RefusedAmountTest, IsRefusedWithAMessageAndNothingIsStored) {
    OpenSchedule();
    const int row = RowOf("3000");
    ClickRow(row);
    Type(1, "100");
    Type(4, GetParam().typed);
    ModalAnswerer answerer;
    answerer.Click("OK");

    ClickSave();

    EXPECT_EQ(answerer.Titles(), QStringList{kTitle});
    EXPECT_EQ(answerer.Texts(), QStringList{"The amount for 4 children must be whole dollars: digits only, up to 7, "
                                            "without cents, commas or a dollar sign."});
    EXPECT_EQ(StoredSchedule(), ShippedSchedule());
    EXPECT_EQ(AmountBox(4)->text(), GetParam().typed);
    EXPECT_EQ(AmountBox(1)->text(), "100");
}

INSTANTIATE_TEST_SUITE_P(ChangeTable, RefusedAmountTest,
                         ::testing::Values(BadAmount{"Letters", "12a"}, BadAmount{"Empty", ""},
                                           BadAmount{"Cents", "12.50"}, BadAmount{"Huge", "12345678901234567890"},
                                           BadAmount{"ArabicIndicDigits", QString(QChar(0x0665)) + QChar(0x0660)}),
                         [](const auto& info) { return info.param.name; });

struct Leaving {
    const char* name;
    const char* answer;
    bool stored;
};

class UnsavedChangesTest : public ChangeTableTest, public ::testing::WithParamInterface<Leaving> {};

TEST_P(UnsavedChangesTest, AreOfferedForSavingWhenAnotherLineIsChosen) {
    OpenSchedule();
    const int row = RowOf("1000");
    ClickRow(row);
    Type(3, "321");
    ModalAnswerer answerer;
    answerer.Click(GetParam().answer);

    ClickRow(row + 1);

    EXPECT_EQ(answerer.Texts(), QStringList{"Save the changes to the line for income 1000?"});
    EXPECT_EQ(StoredSchedule()[row].Child[2] == "321", GetParam().stored);
    EXPECT_EQ(Find<QLabel>("lblIncome")->text(), "1050");
    EXPECT_EQ(Grid()->currentRow(), row + 1);
}

TEST_P(UnsavedChangesTest, AreOfferedForSavingWhenTheWindowIsUnloaded) {
    OpenSchedule();
    const int row = RowOf("1000");
    ClickRow(row);
    Type(3, "321");
    ModalAnswerer answerer;
    answerer.Click(GetParam().answer);

    UnloadAllForms();

    EXPECT_EQ(answerer.Texts(), QStringList{"Save the changes to the line for income 1000?"});
    EXPECT_EQ(StoredSchedule()[row].Child[2] == "321", GetParam().stored);
    EXPECT_EQ(Window(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(ChangeTable, UnsavedChangesTest,
                         ::testing::Values(Leaving{"Saved", "Yes", true}, Leaving{"Dropped", "No", false}),
                         [](const auto& info) { return info.param.name; });

TEST_F(ChangeTableTest, TheStoredAmountRetypedIsNoChange) {
    OpenSchedule();
    const int row = RowOf("1000");
    ClickRow(row);
    Type(3, " 050");
    ModalAnswerer answerer;

    ClickRow(row + 1);

    EXPECT_TRUE(answerer.Titles().isEmpty());
    EXPECT_EQ(Find<QLabel>("lblIncome")->text(), "1050");
}

TEST_F(ChangeTableTest, ARefusedSaveKeepsTheUserOnTheLineWithWhatWasTyped) {
    const int row = TypeUnsavableAmount();
    ModalAnswerer answerer;
    answerer.Click("Yes").Click("OK");

    ClickRow(row + 5);

    EXPECT_EQ(answerer.Answered(), 2);
    EXPECT_EQ(Grid()->currentRow(), row);
    EXPECT_EQ(Find<QLabel>("lblIncome")->text(), "1000");
    EXPECT_EQ(AmountBox(3)->text(), "3x");
    EXPECT_EQ(StoredSchedule(), ShippedSchedule());
}

// Changes the user wants saved and that cannot be are not dropped: the window stays, with them.
TEST_F(ChangeTableTest, ARefusedSaveOnLeavingKeepsTheWindowWithWhatWasTyped) {
    const int row = TypeUnsavableAmount();
    ModalAnswerer answerer;
    answerer.Click("Yes").Click("OK");
    SetMenusEnabled({Menu::CaseLibrary}, true);

    Choose("menuCaseLibrary");

    EXPECT_EQ(answerer.Answered(), 2);
    EXPECT_EQ(ShownWindows(), QStringList{"ChangeTable"});
    ASSERT_NE(Window(), nullptr);
    EXPECT_EQ(Grid()->currentRow(), row);
    EXPECT_EQ(AmountBox(3)->text(), "3x");
    EXPECT_EQ(StoredSchedule(), ShippedSchedule());
}

TEST_F(ChangeTableTest, ARefusedSaveOnQuittingKeepsTheProgramWithWhatWasTyped) {
    TypeUnsavableAmount();
    ModalAnswerer answerer;
    answerer.Click("Yes").Click("Yes").Click("OK");

    MenuItem("menuQuitthisprogram")->trigger();

    EXPECT_EQ(answerer.Titles().value(0), "Quit");
    EXPECT_EQ(programEnds, 0);
    EXPECT_EQ(ShownWindows(), QStringList{"ChangeTable"});
    EXPECT_EQ(AmountBox(3)->text(), "3x");
}

TEST_F(ChangeTableTest, ARowChangedElsewhereIsNotOverwritten) {
    OpenSchedule();
    ClickRow(RowOf("1000"));
    const std::vector<ScheduleLine> elsewhere{Line("0", "1"), Line("50", "2")};
    ASSERT_TRUE(ReplaceScheduleRows(state.ScheduleDatabasePath, elsewhere));
    Type(1, "5");
    ModalAnswerer answerer;
    answerer.Click("OK");

    ClickSave();

    EXPECT_EQ(answerer.Texts(), QStringList{"The schedule has changed since it was shown, so this line was not saved. "
                                            "It is shown again as it is now."});
    EXPECT_EQ(StoredSchedule(), elsewhere);
    EXPECT_EQ(Grid()->rowCount(), 2);
}

TEST_F(ChangeTableTest, AnUnreadableScheduleIsReportedAndShowsNoRows) {
    state.ScheduleDatabasePath = "C:\\QVRForms\\NOSUCH.MDB";
    ModalAnswerer answerer;
    answerer.Click("OK");
    OpenSchedule();
    EXPECT_EQ(answerer.Titles(), QStringList{kTitle});
    ASSERT_FALSE(answerer.Texts().isEmpty());
    EXPECT_TRUE(answerer.Texts().front().startsWith("The schedule could not be read."))
        << answerer.Texts().front().toStdString();
    EXPECT_EQ(Grid()->rowCount(), 0);
    EXPECT_FALSE(Find<QPushButton>("cmdSave")->isEnabled());
}

}  // namespace
}  // namespace qvr::test
