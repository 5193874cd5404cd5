#include "dialogs/windows/override_dialog.h"

#include "core/program_state.h"
#include "support/dialog_driver.h"
#include "support/temp_drive.h"

namespace qvr::test {
namespace {

class OverRideTest : public TempDriveTest {};

TEST_F(OverRideTest, OpensWithTheLineAmountAndTheFlag) {
    struct Case {
        const char* flag;
        const char* amount;
        const char* shown;
        bool checked;
    };
    for (const Case& c : {Case{"N", "234.5", "234.50", false}, Case{"Y", "1234.5", "1,234.50", true},
                          Case{"", "0", "0.00", false}}) {
        state.OverrideFlag = c.flag;
        state.OverrideAmount = c.amount;
        QString shown;
        QString caption;
        bool checked = false;
        Open<OverRide>([&](QWidget* dialog) {
            shown = TextOf(dialog, "Text1");
            checked = IsChecked(dialog, "Check1");
            caption = dialog->windowTitle();
            Click(dialog, "Command1");
        });
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(checked, c.checked);
        EXPECT_EQ(caption, "Override Child Support Amount");
    }
}

struct OverrideCase {
    const char* typed;
    bool tick;
    bool byEnter;
    const char* flag;
    const char* amount;
};

class OverRideClosingTest : public TempDriveTest, public ::testing::WithParamInterface<OverrideCase> {};

TEST_P(OverRideClosingTest, TurnsTheOverrideOnOnlyWithTheBoxCheckedAndAnAmount) {
    const OverrideCase& c = GetParam();
    state.OverrideFlag = "N";
    state.OverrideAmount = "234.5";
    Open<OverRide>([&](QWidget* dialog) {
        if (c.tick) Click(dialog, "Check1");
        Type(dialog, "Text1", c.typed);
        if (c.byEnter)
            PressEnter(dialog);
        else
            Click(dialog, "Command1");
    });
    EXPECT_EQ(state.OverrideFlag, c.flag);
    EXPECT_EQ(state.OverrideAmount, c.amount);
}

INSTANTIATE_TEST_SUITE_P(Closing, OverRideClosingTest,
                         ::testing::Values(OverrideCase{"234.50", true, false, "Y", "234.5"},
                                           OverrideCase{"1,500.25", true, true, "Y", "1500.25"},
                                           OverrideCase{"900", false, false, "N", "0"},
                                           OverrideCase{"", true, false, "N", "0"},
                                           OverrideCase{"   ", true, true, "N", "0"},
                                           OverrideCase{"0", true, false, "Y", "0"},
                                           OverrideCase{"abc", true, false, "N", "0"}));

TEST_F(OverRideTest, TheCloseBoxHandsBackAsTheButtonDoes) {
    state.OverrideFlag = "Y";
    state.OverrideAmount = "812.75";
    Open<OverRide>([&](QWidget* dialog) { CloseBox(dialog); });
    EXPECT_EQ(state.OverrideFlag, "Y");
    EXPECT_EQ(state.OverrideAmount, "812.75");
}

}  // namespace
}  // namespace qvr::test
