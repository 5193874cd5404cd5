#include "dialogs/windows/amount_dialogs.h"

#include "core/program_state.h"
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

TEST_F(GetCcareTest, ButtonAndEnterHandBackTheFormattedAmount) {
    struct Case {
        const char* typed;
        Closing closing;
        const char* handedBack;
    };
    for (const Case& c : {Case{"0", Closing::Button, "0.00"}, Case{"12.5", Closing::Button, "12.50"},
                          Case{"12.5", Closing::Enter, "12.50"}, Case{"-3", Closing::Enter, "-3.00"},
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

}  // namespace
}  // namespace qvr::test
