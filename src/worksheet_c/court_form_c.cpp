#include "worksheet_c/court_form_c.h"

#include "worksheet/court_form_writer.h"

namespace qvr {
namespace {

// The page holds more lines than worksheet A's in the same room: one-line captions get 14
// points, two-line captions 18.
std::vector<FormLine> LinesC() {
    std::vector<FormLine> lines = IncomeLines();
    lines.back().overCombined = "lblOverrideWarning";
    const std::vector<FormLine> more{
        {"4.",
         "BASIC CHILD SUPPORT OBLIGATION (apply line 2 Combined to the Schedule of Basic Support Obligations \u2013 "
         "see AOC-A-162, Rev. 1/23)",
         24, {"", "", "lblC4"}, CellKind::Amount, {}, kPlaintiffColumn | kDefendantColumn, "lblWarning"},
        {"5a.",
         "SPLIT CUSTODY ADJUSTMENT (enter the number of children living with each parent and the total number of "
         "children)",
         18, {"lblP5a", "lblD5a", "lblC5a"}, CellKind::Whole},
        {"b.", "Number of children with each parent divided by total number of children", 14,
         {"lblP5b", "lblD5b", ""}, CellKind::Share},
        {"c.", "Multiply line 4 by line 5b for each parent", 14, {"lblP5c", "lblD5c", ""}},
        {"6a.",
         "PLAINTIFF'S SUPPORT FOR CHILDREN WITH DEFENDANT (multiply Defendant's line 5c by Plaintiff's line 3)", 18,
         {"lblP6a", "", ""}},
        {"6b.",
         "DEFENDANT'S SUPPORT FOR CHILDREN WITH PLAINTIFF (multiply Plaintiff's line 5c by Defendant's line 3)", 18,
         {"", "lblD6b", ""}},
        {"7.", "ADJUSTMENTS (expenses paid directly by each parent)", 12, {}, CellKind::Amount, {}, 0, "", "", true},
        {"a.", "Work-related child care costs", 14, {"lblPAdja", "lblDAdja", ""}},
        {"b.",
         "Health Insurance premium costs \u2013 child's/children's portion only (total premium \u00f7 # of persons "
         "covered \u00d7 # of children subject to order = children's portion)",
         18, {"lblPAdjb", "lblDAdjb", ""}},
        {"c.", "Extraordinary expenses", 14, {"lblPAdjc", "lblDAdjc", ""}},
        {"d.", "Total Adjustments (For each column, add 7a, 7b, and 7c. Add two totals for Combined amount.)", 18,
         {"lblP7d", "lblD7d", "lblC7d"}},
        {"8.", "EACH PARENT'S FAIR SHARE OF ADJUSTMENTS (line 7d Combined \u00d7 line 3 for each parent)", 18,
         {"lblP8", "lblD8", ""}},
        {"9.", "ADJUSTMENTS PAID IN EXCESS OF FAIR SHARE (line 7d minus line 8. If negative number, enter zero.)", 18,
         {"lblP9", "lblD9", ""}},
        {"10.", "EACH PARENT'S ADJUSTED SUPPORT OBLIGATION (line 6a or 6b minus line 9 for each parent)", 18,
         {"lblP10", "lblD10", ""}},
        {"11.",
         "RECOMMENDED CHILD SUPPORT ORDER (subtract lesser amount from greater amount on line 10 and enter result "
         "directly under greater amount)",
         18, {"lblP11", "lblD11", ""}},
    };
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
}

CourtFormLayout MakeCourtFormC() {
    CourtFormWriter w("AOC-CV-629_2023.PDF", "AOC-CV-629 Worksheet C, Child Support Obligation, Split Custody");
    w.Heading();
    w.Parties({"WORKSHEET C", "CHILD SUPPORT OBLIGATION", "SPLIT CUSTODY", "G.S. 50-13.4(c)"});
    w.Children();
    w.LineTable(LinesC());
    w.Foot("AOC-CV-629, Rev. 1/23");
    return w.Layout();
}

}  // namespace

const CourtFormLayout& CourtFormC() {
    static const CourtFormLayout layout = MakeCourtFormC();
    return layout;
}

}  // namespace qvr
