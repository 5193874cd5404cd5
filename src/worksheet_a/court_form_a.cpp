#include "worksheet_a/court_form_a.h"

#include "worksheet/court_form_writer.h"

namespace qvr {

const CourtFormLayout& CourtFormA() {
    using namespace form_columns;
    static const CourtFormLayout layout = [] {
        CourtFormWriter w("AOC-CV-627_2023.PDF", "AOC-CV-627 Worksheet A, Child Support Obligation, Primary Custody");
        w.Sheet({"WORKSHEET A", "CHILD SUPPORT OBLIGATION", "PRIMARY CUSTODY", "G.S. 50-13.4(c)"},
                JoinLines({
                    IncomeLines(),
                    {BasicObligationLine(30)},
                    ExpenseLines(5, {14, 18, 30, 18}),
                    {{"d.",
                      "Total Adjustments (for each column, add 5a, 5b, and 5c. Add two totals for Combined amount)",
                      24, {"lblP5d", "lblD5d", "lblC5d"}},
                     {"6.", "TOTAL CHILD SUPPORT OBLIGATION (add line 4 Combined to line 5d Combined)", 24,
                      {"", "", "lblC6"}},
                     {"7.", "EACH PARENT'S CHILD SUPPORT OBLIGATION (line 3 \u00d7 line 6 for each parent)", 24,
                      {"lblP7", "lblD7", ""}},
                     {"8.", "NON-CUSTODIAL PARENT ADJUSTMENT (enter non-custodial parent's line 5d)", 24,
                      {"lblP8", "lblD8", ""}},
                     {"9.",
                      "RECOMMENDED CHILD SUPPORT ORDER (subtract line 8 from line 7 for the non-custodial parent only. "
                      "Leave custodial parent column blank)",
                      30, {"lblP9", "lblD9", ""}}},
                }));
        const double statusTop = w.Layout().linesTop;
        // The custody statement left of the column headings, the parties' roles over them.
        w.Area("lblWhoHasCustody", QRectF(kLeft, statusTop, kPlaintiffX - kLeft - 4, 28));
        w.Area("lblPStatus", QRectF(kPlaintiffX, statusTop + 1, kCellWidth, 12));
        w.Area("lblDStatus", QRectF(kDefendantX, statusTop + 1, kCellWidth, 12));
        w.Foot("AOC-CV-627, Rev. 1/23");
        return w.Layout();
    }();
    return layout;
}

}  // namespace qvr
