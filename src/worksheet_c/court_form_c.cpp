#include "worksheet_c/court_form_c.h"

#include "worksheet/court_form_writer.h"

namespace qvr {

// The page holds more lines than worksheet A's in the same room: one-line captions get 14 points,
// two-line captions 18.
const CourtFormLayout& CourtFormC() {
    static const CourtFormLayout layout = [] {
        CourtFormWriter w("AOC-CV-629_2023.PDF", "AOC-CV-629 Worksheet C, Child Support Obligation, Split Custody");
        w.Sheet({"WORKSHEET C", "CHILD SUPPORT OBLIGATION", "SPLIT CUSTODY", "G.S. 50-13.4(c)"},
                JoinLines({
                    IncomeLines(),
                    {BasicObligationLine(24),
                     {"5a.",
                      "SPLIT CUSTODY ADJUSTMENT (enter the number of children living with each parent and the total "
                      "number of children)",
                      18, {"lblP5a", "lblD5a", "lblC5a"}, CellKind::Whole},
                     {"b.", "Number of children with each parent divided by total number of children", 14,
                      {"lblP5b", "lblD5b", ""}, CellKind::Share},
                     {"c.", "Multiply line 4 by line 5b for each parent", 14, {"lblP5c", "lblD5c", ""}},
                     {"6a.",
                      "PLAINTIFF'S SUPPORT FOR CHILDREN WITH DEFENDANT (multiply Defendant's line 5c by Plaintiff's "
                      "line 3)",
                      18, {"lblP6a", "", ""}},
                     {"6b.",
                      "DEFENDANT'S SUPPORT FOR CHILDREN WITH PLAINTIFF (multiply Plaintiff's line 5c by Defendant's "
                      "line 3)",
                      18, {"", "lblD6b", ""}}},
                    ExpenseLines(7, {12, 14, 18, 14}),
                    FairShareLines(7),
                    {{"10.", "EACH PARENT'S ADJUSTED SUPPORT OBLIGATION (line 6a or 6b minus line 9 for each parent)",
                      18, {"lblP10", "lblD10", ""}},
                     {"11.",
                      "RECOMMENDED CHILD SUPPORT ORDER (subtract lesser amount from greater amount on line 10 and "
                      "enter result directly under greater amount)",
                      18, {"lblP11", "lblD11", ""}}},
                }));
        w.Foot("AOC-CV-629, Rev. 1/23");
        return w.Layout();
    }();
    return layout;
}

}  // namespace qvr
