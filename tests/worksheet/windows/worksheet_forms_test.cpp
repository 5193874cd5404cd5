// What each worksheet's description gives the shared window: its title, its buttons and the
// rounding flag its rounding button turns on.

#include "support/worksheet_fixture.h"

#include "core/program_state.h"
#include "worksheet_b/windows/form_b.h"
#include "worksheet_c/windows/form_c.h"

#include <QPushButton>

namespace qvr::test {
namespace {

struct FormCase {
    const char* name;
    WindowMaker make;
    const char* title;
    QStringList buttons;  // objectName: caption, sorted
    const char* roundButton;
    QString ProgramState::*roundLines;
};

class WorksheetForm : public WorksheetTest, public ::testing::WithParamInterface<FormCase> {
protected:
    WorksheetForm() : WorksheetTest(GetParam().name, GetParam().make) {}
};

TEST_P(WorksheetForm, OpensWithItsTitleAndButtonsAndRoundsItsOwnLines) {
    const FormCase& c = GetParam();
    QWidget* window = OpenWorksheet();
    EXPECT_EQ(window->windowTitle(), c.title);
    QStringList buttons;
    for (const QPushButton* button : window->findChildren<QPushButton*>())
        buttons << button->objectName() + ": " + button->text();
    buttons.sort();
    EXPECT_EQ(buttons, c.buttons);
    ClickOn(c.roundButton);
    for (QString ProgramState::*flag : {&ProgramState::RoundLinesA, &ProgramState::RoundLinesB,
                                        &ProgramState::RoundLinesC})
        EXPECT_EQ(state.*flag == "Y", flag == c.roundLines);
}

// No custody button on either: both parents have children.
INSTANTIATE_TEST_SUITE_P(
    SharedAndSplitCustody, WorksheetForm,
    ::testing::Values(
        FormCase{"FormB", MakeFormB, "Worksheet B, Child Support Obligation, Joint or Shared Physical Custody",
                 {"cmdExplanation: Explanation", "cmdOverrideSupport: Click HERE to Override",
                  "cmdRound13thru14: Round Lines 13 - 14", "cmdShowHideZeros: Show/Hide Zeros"},
                 "cmdRound13thru14", &ProgramState::RoundLinesB},
        FormCase{"FormC", MakeFormC, "Worksheet C, Child Support Obligation, Split Custody",
                 {"cmdCalculationDetails: Explanation", "cmdOverrideSupport: Click HERE to Override",
                  "cmdRound10thru11: Round Lines 10 - 11", "cmdShowHideZeros: Show/Hide Zeros"},
                 "cmdRound10thru11", &ProgramState::RoundLinesC}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qvr::test
