#include "dialogs/windows/amount_dialogs.h"

#include "core/program_state.h"
#include "dialogs/windows/income.h"
#include "dialogs/windows/override_dialog.h"
#include "support/dialog_driver.h"
#include "support/temp_drive.h"

#include <QTest>

namespace qvr::test {
namespace {

enum class Closing { Button, LeaveThenButton, Enter, CloseBoxAlone };

void CloseAs(QWidget* dialog, Closing closing) {
    switch (closing) {
        case Closing::Button: Click(dialog, "Command1"); break;
        case Closing::LeaveThenButton:
            Leave(dialog);
            Click(dialog, "Command1");
            break;
        case Closing::Enter: PressEnter(dialog); break;
        case Closing::CloseBoxAlone: CloseBox(dialog); break;
    }
}

struct AmountCase {
    const char* dialog;
    void (*open)(UserActions);
    const char* opening;
    const char* typed;  // nullptr: nothing typed
    Closing closing;
    const char* handedBack;
};

void PrintTo(const AmountCase& c, std::ostream* os) {
    *os << c.dialog << " " << (c.typed ? c.typed : "(nothing)") << " closing " << static_cast<int>(c.closing);
}

class AmountDialogTest : public TempDriveTest, public ::testing::WithParamInterface<AmountCase> {};

TEST_P(AmountDialogTest, HandsBackTheAmount) {
    const AmountCase& c = GetParam();
    state.DialogTitle = "Plaintiff's Extraordinary Expenses";
    state.DialogValue = c.opening;
    c.open([&](QWidget* dialog) {
        if (c.typed) Type(dialog, "Text1", c.typed);
        CloseAs(dialog, c.closing);
    });
    EXPECT_EQ(state.DialogValue, c.handedBack);
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, AmountDialogTest,
    ::testing::Values(
        AmountCase{"GetExtra", Open<GetExtra>, "125", nullptr, Closing::Button, "125.00"},
        AmountCase{"GetExtra", Open<GetExtra>, "0", "1,250.50", Closing::LeaveThenButton, "1250.50"},
        AmountCase{"GetExtra", Open<GetExtra>, "0", "1,250.50", Closing::Enter, "1250.50"},
        AmountCase{"GetExtra", Open<GetExtra>, "0", "1,250.50", Closing::CloseBoxAlone, "1250.50"},
        AmountCase{"GetExtra", Open<GetExtra>, "0", "99.999", Closing::LeaveThenButton, "100.00"},
        AmountCase{"GetExtra", Open<GetExtra>, "0", "75", Closing::Enter, "75"},
        AmountCase{"GetExtra", Open<GetExtra>, "40", "abc", Closing::LeaveThenButton, ""},
        AmountCase{"GetPreEx", Open<GetPreEx>, "0", "0", Closing::Button, ""},
        AmountCase{"GetPreEx", Open<GetPreEx>, "200", "-5", Closing::Enter, ""},
        AmountCase{"GetPreEx", Open<GetPreEx>, "200", "0.00", Closing::CloseBoxAlone, ""},
        AmountCase{"GetPreEx", Open<GetPreEx>, "0", "2,000", Closing::CloseBoxAlone, "2000.00"},
        AmountCase{"GetPreEx", Open<GetPreEx>, "0", "300.5", Closing::LeaveThenButton, "300.50"},
        AmountCase{"GetIns", Open<GetIns>, "1234", nullptr, Closing::Button, "1234.00"},
        AmountCase{"GetIns", Open<GetIns>, "0", "1,250.50", Closing::LeaveThenButton, "1250.50"},
        AmountCase{"GetIns", Open<GetIns>, "0", "12,345", Closing::Enter, "12345.00"},
        AmountCase{"GetIns", Open<GetIns>, "0", "99.999", Closing::LeaveThenButton, "99.999"},
        AmountCase{"GetIns", Open<GetIns>, "80", "0", Closing::CloseBoxAlone, ""}));

struct OpeningCase {
    const char* dialog;
    void (*open)(UserActions);
    const char* opening;
    const char* shown;
};

class AmountOpeningTest : public TempDriveTest, public ::testing::WithParamInterface<OpeningCase> {};

TEST_P(AmountOpeningTest, ShowsTheAmountWithTwoDecimalsAndNoSeparator) {
    const OpeningCase& c = GetParam();
    state.DialogTitle = "Defendant's Health Insurance Cost";
    state.DialogValue = c.opening;
    QString shown;
    QString caption;
    c.open([&](QWidget* dialog) {
        shown = TextOf(dialog, "Text1");
        caption = dialog->windowTitle();
        CloseBox(dialog);
    });
    EXPECT_EQ(shown, c.shown);
    EXPECT_EQ(caption, "Defendant's Health Insurance Cost");
}

INSTANTIATE_TEST_SUITE_P(Openings, AmountOpeningTest,
                         ::testing::Values(OpeningCase{"GetIns", Open<GetIns>, "1234", "1234.00"},
                                           OpeningCase{"GetExtra", Open<GetExtra>, "125", "125.00"},
                                           OpeningCase{"GetPreEx", Open<GetPreEx>, "0", "0.00"},
                                           OpeningCase{"GetCcare", Open<GetCcare>, "1234567.5", "1234567.50"}));

class GetCcareTest : public TempDriveTest {
protected:
    void SetUp() override {
        TempDriveTest::SetUp();
        state.DialogTitle = "Plaintiff's Work Related Child Care";
    }
};

// An amount of 0 or less comes back as none, as from the other amount dialogs.
TEST_F(GetCcareTest, ButtonAndEnterHandBackTheFormattedAmount) {
    struct Case {
        const char* typed;
        Closing closing;
        const char* handedBack;
    };
    for (const Case& c : {Case{"0", Closing::Button, ""}, Case{"12.5", Closing::Button, "12.50"},
                          Case{"12.5", Closing::Enter, "12.50"}, Case{"-3", Closing::Enter, ""},
                          Case{"-0.01", Closing::Button, ""}, Case{"abc", Closing::Button, ""},
                          Case{"1,250.5", Closing::LeaveThenButton, "1250.50"}}) {
        state.DialogValue = "99";
        Open<GetCcare>([&](QWidget* dialog) {
            Type(dialog, "Text1", c.typed);
            CloseAs(dialog, c.closing);
        });
        EXPECT_EQ(state.DialogValue, c.handedBack) << c.typed;
    }
}

TEST_F(GetCcareTest, TheCloseBoxKeepsTheCallersValue) {
    state.DialogValue = "77";
    Open<GetCcare>([&](QWidget* dialog) {
        Type(dialog, "Text1", "500");
        CloseBox(dialog);
    });
    EXPECT_EQ(state.DialogValue, "77");
}

TEST_F(GetCcareTest, TheEscapeKeyClosesNothing) {
    state.DialogValue = "77";
    bool stillOpen = false;
    Open<GetCcare>([&](QWidget* dialog) {
        QTest::keyClick(Control(dialog, "Text1"), Qt::Key_Escape);
        stillOpen = dialog->isVisible();
        Click(dialog, "Command1");
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(state.DialogValue, "77.00");
}

struct TooLargeCase {
    const char* dialog;
    void (*open)(UserActions);
    const char* typed;
    Closing closing;
    QString (*handedBack)();
};

void PrintTo(const TooLargeCase& c, std::ostream* os) {
    *os << c.dialog << " " << c.typed << " closing " << static_cast<int>(c.closing);
}

QString DialogValue() { return state.DialogValue; }
QString OverrideAmount() { return state.OverrideAmount; }

class TooLargeAmountTest : public TempDriveTest, public ::testing::WithParamInterface<TooLargeCase> {};

// The worksheet's cell and the court form's blank show at most 9,999,999.99.
TEST_P(TooLargeAmountTest, IsRefusedWithAMessageAndTheDialogStaysOpenToCorrectIt) {
    const TooLargeCase& c = GetParam();
    state.DialogTitle = "Plaintiff's Monthly Income";
    state.DialogValue = "0";
    state.OverrideFlag = "Y";
    state.OverrideAmount = "0";
    QStringList messages;
    bool stayedOpen = false;
    c.open([&](QWidget* dialog) {
        Type(dialog, "Text1", c.typed);
        messages = AnswerMessages({"OK"}, [&] { CloseAs(dialog, c.closing); });
        stayedOpen = dialog->isVisible();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        Type(dialog, "Text1", "9,999,999.99");
        CloseAs(dialog, c.closing);
    });
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("This amount is too large")) << messages[0].toStdString();
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(c.handedBack(), "9999999.99");
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, TooLargeAmountTest,
    ::testing::Values(TooLargeCase{"Income", Open<Income>, "10,000,000", Closing::Button, DialogValue},
                      TooLargeCase{"Income", Open<Income>, "1e400", Closing::CloseBoxAlone, DialogValue},
                      TooLargeCase{"GetCcare", Open<GetCcare>, "10000001249", Closing::Button, DialogValue},
                      TooLargeCase{"GetCcare", Open<GetCcare>, "10,000,000", Closing::Enter, DialogValue},
                      TooLargeCase{"GetIns", Open<GetIns>, "1e9", Closing::CloseBoxAlone, DialogValue},
                      TooLargeCase{"GetExtra", Open<GetExtra>, "9999999.995", Closing::Enter, DialogValue},
                      TooLargeCase{"GetPreEx", Open<GetPreEx>, "10,000,000", Closing::LeaveThenButton, DialogValue},
                      TooLargeCase{"OverRide", Open<OverRide>, "10,000,000", Closing::Enter, OverrideAmount},
                      TooLargeCase{"OverRide", Open<OverRide>, "10000000", Closing::CloseBoxAlone, OverrideAmount}));

}  // namespace
}  // namespace qvr::test
