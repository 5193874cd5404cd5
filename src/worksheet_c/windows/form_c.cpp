#include "worksheet_c/windows/form_c.h"

#include "dialogs/windows/get_ch_c.h"
#include "worksheet_c/calculation_c.h"
#include "worksheet_c/court_form_c.h"
#include "worksheet_c/explanation_c.h"

namespace qvr {
namespace {

const WorksheetDescription& DescriptionC() {
    static const WorksheetDescription description{
        .name = "FormC",
        .title = "Worksheet C, Child Support Obligation, Split Custody",
        .letter = "C",
        .form = CourtFormC(),
        .calculate = CalculateWorksheetC,
        .explain = ExplanationTextC,
        .explanation = {"cmdCalculationDetails", "Explanation"},
        .explanationUnloads = false,
        .roundLines = &ProgramState::RoundLinesC,
        .round = {"cmdRound10thru11", "Round Lines 10 - 11"},
        .showChildrenDialog = ShowModal<GetChC>,
        .childColumn = ChildColumn{"cust", &ProgramState::ChildCust},
        // The numbers of children of line 5a follow from the children dialog.
        .childrenCells = {"lblC5a", "lblP5a", "lblD5a"},
    };
    return description;
}

}  // namespace

QWidget* MakeFormC() { return new FormC(); }

FormC::FormC(QWidget* parent) : WorksheetWindow(DescriptionC(), parent) {}

}  // namespace qvr
