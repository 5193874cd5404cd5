#include "worksheet_b/windows/form_b.h"

#include "dialogs/windows/get_ch_ba.h"
#include "worksheet_b/calculation.h"
#include "worksheet_b/court_form_b.h"
#include "worksheet_b/explanation_b.h"

namespace qvr {
namespace {

// No custody button: on this worksheet both parents have the children part of the year.
const WorksheetDescription& DescriptionB() {
    static const WorksheetDescription description{
        .name = "FormB",
        .title = "Worksheet B, Child Support Obligation, Joint or Shared Physical Custody",
        .letter = "B",
        .form = CourtFormB(),
        .calculate = CalculateWorksheetB,
        .explain = ExplanationTextB,
        .roundLines = &ProgramState::RoundLinesB,
        .round = {"cmdRound13thru14", "Round Lines 13 - 14"},
        .showChildrenDialog = ShowModal<GetChBa>,
        .childColumn = ChildColumn{"nights", &ProgramState::ChildNights},
        .childrenCells = {"lblTotalOvernights", "lblP7", "lblD7"},
    };
    return description;
}

}  // namespace

QWidget* MakeFormB() { return new FormB(); }

FormB::FormB(QWidget* parent) : WorksheetWindow(DescriptionB(), parent) {}

}  // namespace qvr
