#include "dialogs/windows/income.h"

#include "core/program_state.h"
#include "core/values.h"
#include "support/dialog_driver.h"
#include "support/temp_drive.h"

#include <QComboBox>
#include <QTest>

namespace qvr::test {
namespace {

enum Period { Monthly, Weekly, BiWeekly, SemiMonthly, Annually };

class IncomeTest : public TempDriveTest {
protected:
    void SetUp() override {
        TempDriveTest::SetUp();
        state.DialogTitle = "Plaintiff's Monthly Income";
        state.DialogValue = "0";
    }
};

// Types the amount, presses Enter to go on to the pay period and picks it with the arrow keys.
void EnterIncome(QWidget* dialog, const QString& amount, Period period) {
    Type(dialog, "Text1", amount);
    PressEnter(dialog);
    auto* periods = qobject_cast<QComboBox*>(Control(dialog, "Combo1"));
    ASSERT_TRUE(periods->hasFocus());
    for (int step = 0; step < period; ++step) QTest::keyClick(periods, Qt::Key_Down);
}

struct IncomeCase {
    const char* amount;
    Period period;
    const char* label;
    const char* handedBack;
};

class IncomeConversionTest : public IncomeTest, public ::testing::WithParamInterface<IncomeCase> {};

TEST_P(IncomeConversionTest, ShowsTheMonthlyValueAndHandsItBack) {
    const IncomeCase& c = GetParam();
    QString label;
    Open<Income>([&](QWidget* dialog) {
        EnterIncome(dialog, c.amount, c.period);
        label = TextOf(dialog, "lblMonthlyIncome");
        Click(dialog, "Command1");
    });
    EXPECT_EQ(label, c.label);
    EXPECT_EQ(state.DialogValue, c.handedBack);
}

INSTANTIATE_TEST_SUITE_P(
    PayPeriods, IncomeConversionTest,
    ::testing::Values(IncomeCase{"100", Weekly, "$ 433.00 per Month", "433"},
                      IncomeCase{"1000", BiWeekly, "$ 2,167.00 per Month", "2167"},
                      IncomeCase{"500", Annually, "$ 41.67 per Month", "41.6667"},
                      IncomeCase{"1500", SemiMonthly, "$ 3,000.00 per Month", "3000"},
                      IncomeCase{"1,250.50", Monthly, "$ 1,250.50 per Month", "1250.5"},
                      IncomeCase{"12,345.67", Weekly, "$ 53,456.75 per Month", "53456.7511"},
                      IncomeCase{"120abc", Weekly, "$ 519.60 per Month", "519.6"},
                      IncomeCase{"1,250abc", Monthly, "$ 1,250.00 per Month", "1250"},
                      IncomeCase{"abc", Weekly, "$ 0.00 per Month", "0"},
                      IncomeCase{"-500", Monthly, "$ 0.00 per Month", "0"},
                      IncomeCase{"-1,500", Weekly, "$ 0.00 per Month", "0"},
                      IncomeCase{"", Annually, "$ 0.00 per Month", "0"}));

TEST_F(IncomeTest, AnAmountThatIsNoNumberBecomesZero) {
    QString box;
    Open<Income>([&](QWidget* dialog) {
        Type(dialog, "Text1", "abc");
        Leave(dialog);
        box = TextOf(dialog, "Text1");
        CloseBox(dialog);
    });
    EXPECT_EQ(box, "0.00");
    EXPECT_EQ(state.DialogValue, "0");
}

TEST_F(IncomeTest, OpeningWithAnIncomeAndClosingAtOnceHandsItBack) {
    state.DialogValue = "2500";
    QString box;
    QString caption;
    Open<Income>([&](QWidget* dialog) {
        box = TextOf(dialog, "Text1");
        caption = dialog->windowTitle();
        CloseBox(dialog);
    });
    EXPECT_EQ(box, "2,500.00");
    EXPECT_EQ(caption, "Plaintiff's Monthly Income");
    EXPECT_EQ(state.DialogValue, "2500");
}

TEST_F(IncomeTest, OpeningWithZeroShowsZeros) {
    QString box;
    QString label;
    QString period;
    Open<Income>([&](QWidget* dialog) {
        box = TextOf(dialog, "Text1");
        label = TextOf(dialog, "lblMonthlyIncome");
        period = TextOf(dialog, "Combo1");
        CloseBox(dialog);
    });
    EXPECT_EQ(box, "0.00");
    EXPECT_EQ(label, "$ 0.00 per Month");
    EXPECT_EQ(period, "Monthly");
    EXPECT_EQ(state.DialogValue, "0");
}

// The amount shown is selected as the dialog opens, so that what is typed at once replaces it.
TEST_F(IncomeTest, TypingAtOnceReplacesTheAmountShown) {
    for (const char* opening : {"0", "2500"}) {
        state.DialogValue = opening;
        Open<Income>([](QWidget* dialog) {
            QTest::keyClicks(Control(dialog, "Text1"), "4000");
            Click(dialog, "Command1");
        });
        EXPECT_EQ(state.DialogValue, "4000") << opening;
    }
}

TEST_F(IncomeTest, APeriodChangedAfterTheAmountConvertsAgain) {
    QString weekly;
    Open<Income>([&](QWidget* dialog) {
        EnterIncome(dialog, "200", Weekly);
        weekly = TextOf(dialog, "lblMonthlyIncome");
        QTest::keyClick(Control(dialog, "Combo1"), Qt::Key_Down);
        Click(dialog, "Command1");
    });
    EXPECT_EQ(weekly, "$ 866.00 per Month");
    EXPECT_EQ(state.DialogValue, "433.4");
}

TEST_F(IncomeTest, AnAmountTypedAndClosedByTheCloseBoxCounts) {
    state.DialogValue = "2500";
    Open<Income>([&](QWidget* dialog) {
        Type(dialog, "Text1", "3100");
        CloseBox(dialog);
    });
    EXPECT_EQ(state.DialogValue, "3100");
}

}  // namespace
}  // namespace qvr::test

namespace qvr::test {
namespace {

TEST_F(IncomeTest, AnyTextHandsBackANumber) {
    for (const QString typed : {"99999999999999999999999999", "-1e200", "٣٤٥", "12\"; DROP", "0x1F", "$500",
                                "  42  ", "1,2,3", ".", "-", "1e", "ÄÖÜ 12"}) {
        for (const Period period : {Monthly, Weekly, Annually}) {
            Open<Income>([&](QWidget* dialog) {
                EnterIncome(dialog, typed, period);
                // An income too large for the worksheet stays until it is corrected.
                AnswerMessages({"OK"}, [&] { Click(dialog, "Command1"); });
                if (!dialog->isVisible()) return;
                ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
                Type(dialog, "Text1", "0");
                Click(dialog, "Command1");
            });
            EXPECT_TRUE(IsNumeric(state.DialogValue))
                << typed.toStdString() << " -> " << state.DialogValue.toStdString();
        }
    }
}

}  // namespace
}  // namespace qvr::test
