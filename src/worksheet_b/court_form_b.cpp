#include "worksheet_b/court_form_b.h"

#include "worksheet/court_form_writer.h"

namespace qvr {
namespace {

using namespace form_columns;

constexpr int kPartyColumns = kPlaintiffColumn | kDefendantColumn;

}  // namespace

// Twenty lines under the children table: lines 1 to 4 and the adjustments a little tighter than on
// worksheet A so that line 14 ends above the foot.
const CourtFormLayout& CourtFormB() {
    static const CourtFormLayout layout = [] {
        CourtFormWriter w("AOC-CV-628_2023.PDF",
                          "AOC-CV-628 Worksheet B, Child Support Obligation, Joint or Shared Physical Custody");
        w.Sheet({"WORKSHEET B", "CHILD SUPPORT OBLIGATION", "JOINT OR SHARED PHYSICAL CUSTODY", "G.S. 50-13.4(c)"},
                JoinLines({
                    IncomeLines({16, 14, 14, 18, 18}),
                    {BasicObligationLine(22),
                     {"5.", "SHARED CUSTODY BASIC OBLIGATION (multiply line 4 by 1.5)", 16, {"", "", "lblC5"},
                      CellKind::Amount, {}, kPartyColumns},
                     {"6.",
                      "EACH PARENT'S PORTION OF SHARED CUSTODY SUPPORT OBLIGATION (line 3 \u00d7 line 5 for each "
                      "parent)",
                      18, {"lblP6", "lblD6", ""}},
                     {"7.", "OVERNIGHTS WITH EACH PARENT (Combined must total 365 \u00d7 total number of children)",
                      18, {"lblP7", "lblD7", "lblTotalOvernights"}, CellKind::Whole},
                     {"8.", "PERCENTAGE WITH EACH PARENT (line 7 divided by 365 \u00d7 total number of children)", 18,
                      {"lblP8", "lblD8", ""}, CellKind::Share},
                     {"9.", "SUPPORT OBLIGATION FOR TIME WITH OTHER PARENT (line 6 \u00d7 other parent's line 8)",
                      18, {"lblP9", "lblD9", ""}}},
                    ExpenseLines(10, {12, 14, 22, 14}),
                    FairShareLines(10),
                    {{"13.", "EACH PARENT'S ADJUSTED SUPPORT OBLIGATION (line 9 minus line 12)", 18,
                      {"lblP13", "lblD13", ""}},
                     {"14.",
                      "RECOMMENDED CHILD SUPPORT ORDER (subtract lesser amount from greater amount in line 13 and "
                      "enter result directly under greater amount)",
                      22, {"lblP14", "lblD14", ""}}},
                }));
        // Left of the column headings, above line 1.
        const QRectF stop(kLeft, w.Layout().linesTop, kPlaintiffX - kLeft - 4, 28);
        w.Box(stop);
        w.Text(stop.adjusted(3, 1, -3, -1),
               "STOP here if the number of overnights with either parent is less than 123, in which case shared "
               "physical custody does not apply (and see Worksheet A, AOC-CV-627).",
               7, true, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap);
        w.Foot("AOC-CV-628, Rev. 1/23");
        return w.Layout();
    }();
    return layout;
}

}  // namespace qvr
