#include "worksheet_a/windows/form_a.h"

#include "dialogs/windows/get_ch_a.h"
#include "platform/database.h"
#include "worksheet_a/calculation.h"
#include "worksheet_a/court_form_a.h"
#include "worksheet_a/explanation_a.h"

namespace qvr {
namespace {

const QColor kNoticeRed(192, 0, 0);

// Custody changes hands as the worksheet shows it: an empty custody is the plaintiff's, so the
// first change gives it to the defendant.
void cmdChangeCustody_Click(Recordset& record) {
    record.SetValue("whosecustody", PlaintiffHasCustody(record.GetValue("whosecustody").value_or("")) ? "D" : "P");
}

const WorksheetDescription& DescriptionA() {
    static const WorksheetDescription description{
        .name = "FormA",
        .title = "Worksheet A, Child Support Obligation, Sole Custody",
        .letter = "A",
        .form = CourtFormA(),
        .calculate = CalculateWorksheetA,
        .explain = ExplanationTextA,
        .roundLines = &ProgramState::RoundLinesA,
        .round = {"cmdRound7thru9", "Round Lines 7 - 9"},
        .showChildrenDialog = ShowModal<GetChA>,
        .ownButtons = {{{"cmdChangeCustody", "Change Custody"}, cmdChangeCustody_Click}},
        .ownNotices = {{"lblWhoHasCustody", 8, kNoticeRed, Qt::AlignLeft | Qt::AlignVCenter, ""},
                       {"lblPStatus", 7, kNoticeRed, Qt::AlignCenter, "CUSTODIAL PARENT"},
                       {"lblDStatus", 7, kNoticeRed, Qt::AlignCenter, "OBLIGOR"}},
    };
    return description;
}

}  // namespace

QWidget* MakeFormA() { return new FormA(); }

FormA::FormA(QWidget* parent) : WorksheetWindow(DescriptionA(), parent) {}

}  // namespace qvr
