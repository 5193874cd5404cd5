#include "dialogs/windows/get_calc.h"
#include "dialogs/windows/get_over.h"

#include "core/program_state.h"
#include "support/dialog_driver.h"
#include "support/temp_drive.h"

namespace qvr::test {
namespace {

class GetOverTest : public TempDriveTest {};

TEST_F(GetOverTest, OpensWithTheNightsAndTheObligorChoice) {
    struct Case {
        double nights;
        const char* choice;
        const char* plaintiff;
        const char* defendant;
        const char* option;
    };
    for (const Case& c : {Case{200, "D", "200", "165", "Option2"}, Case{0, "P", "", "", "Option1"},
                          Case{150, "", "150", "215", "Option3"}, Case{150, "x", "150", "215", "Option3"}}) {
        state.PlaintiffOvernights = c.nights;
        state.ObligorChoice = c.choice;
        QString plaintiff;
        QString defendant;
        bool optionChecked = false;
        Open<GetOver>([&](QWidget* dialog) {
            plaintiff = TextOf(dialog, "Text1");
            defendant = TextOf(dialog, "Label7");
            optionChecked = IsChecked(dialog, c.option);
            Click(dialog, "Command1");
        });
        EXPECT_EQ(plaintiff, c.plaintiff);
        EXPECT_EQ(defendant, c.defendant);
        EXPECT_TRUE(optionChecked) << c.option;
    }
}

struct NightsCase {
    const char* typed;
    bool leave;
    const char* defendantShown;
    double plaintiffBack;
    double defendantBack;
};

class GetOverNightsTest : public TempDriveTest, public ::testing::WithParamInterface<NightsCase> {};

TEST_P(GetOverNightsTest, TakesOnlyNightsThatWorksheetBCanUse) {
    const NightsCase& c = GetParam();
    state.PlaintiffOvernights = 200;
    state.DefendantOvernights = 165;
    QString defendantShown;
    Open<GetOver>([&](QWidget* dialog) {
        Type(dialog, "Text1", c.typed);
        if (c.leave) Leave(dialog);
        defendantShown = TextOf(dialog, "Label7");
        CloseBox(dialog);
    });
    EXPECT_EQ(defendantShown, c.defendantShown);
    EXPECT_EQ(state.PlaintiffOvernights, c.plaintiffBack);
    EXPECT_EQ(state.DefendantOvernights, c.defendantBack);
}

INSTANTIATE_TEST_SUITE_P(Nights, GetOverNightsTest,
                         ::testing::Values(NightsCase{"123", true, "242", 123, 242},
                                           NightsCase{"122", true, "", 0, 0},
                                           NightsCase{"abc", true, "", 0, 0},
                                           NightsCase{"180", false, "165", 180, 185},
                                           NightsCase{"50", false, "165", 0, 0}));

TEST_F(GetOverTest, HandsBackTheChosenObligor) {
    for (const auto& [option, choice] : {std::pair{"Option1", "P"}, {"Option2", "D"}, {"Option3", " "}}) {
        state.ObligorChoice = "";
        Open<GetOver>([&](QWidget* dialog) {
            Click(dialog, option);
            Click(dialog, "Command1");
        });
        EXPECT_EQ(state.ObligorChoice, choice) << option;
    }
}

class GetCalcTest : public TempDriveTest {};

TEST_F(GetCalcTest, ShowsTheExplanationAndHandsNothingBack) {
    state.ExplanationText = "Line one.\r\n\r\nLine two.";
    state.DialogValue = "kept";
    QString shown;
    QString caption;
    Open<GetCalc>([&](QWidget* dialog) {
        shown = TextOf(dialog, "Label6");
        caption = dialog->windowTitle();
        Click(dialog, "Command1");
    });
    EXPECT_EQ(shown, "Line one.\r\n\r\nLine two.");
    EXPECT_EQ(caption, "Child Support Calculation Details");
    EXPECT_EQ(state.DialogValue, "kept");
}

}  // namespace
}  // namespace qvr::test
