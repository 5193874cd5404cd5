#include "worksheet_b/court_form_b.h"

#include "worksheet/court_form_writer.h"

namespace qvr {
namespace {

using namespace form_columns;

constexpr int kPartyColumns = kPlaintiffColumn | kDefendantColumn;

// Twenty lines under the children table: the shared lines 1 to 3 a little tighter than on
// worksheet A so that line 14 ends above the foot.
std::vector<FormLine> LinesB() {
    std::vector<FormLine> lines = IncomeLines();
    const double incomeHeights[] = {16, 14, 14, 18, 18};
    for (size_t i = 0; i < lines.size(); ++i) lines[i].height = incomeHeights[i];
    lines.back().overCombined = "lblOverrideWarning";
    const std::vector<FormLine> more{
        {"4.",
         "BASIC CHILD SUPPORT OBLIGATION (apply line 2 Combined to the Schedule of Basic Support Obligations \u2013 "
         "see AOC-A-162, Rev. 1/23)",
         22, {"", "", "lblC4"}, CellKind::Amount, {}, kPartyColumns, "lblWarning"},
        {"5.", "SHARED CUSTODY BASIC OBLIGATION (multiply line 4 by 1.5)", 16, {"", "", "lblC5"}, CellKind::Amount,
         {}, kPartyColumns},
        {"6.",
         "EACH PARENT'S PORTION OF SHARED CUSTODY SUPPORT OBLIGATION (line 3 \u00d7 line 5 for each parent)", 18,
         {"lblP6", "lblD6", ""}},
        {"7.", "OVERNIGHTS WITH EACH PARENT (Combined must total 365 \u00d7 total number of children)", 18,
         {"lblP7", "lblD7", "lblTotalOvernights"}, CellKind::Whole},
        {"8.", "PERCENTAGE WITH EACH PARENT (line 7 divided by 365 \u00d7 total number of children)", 18,
         {"lblP8", "lblD8", ""}, CellKind::Share},
        {"9.", "SUPPORT OBLIGATION FOR TIME WITH OTHER PARENT (line 6 \u00d7 other parent's line 8)", 18,
         {"lblP9", "lblD9", ""}},
        {"10.", "ADJUSTMENTS (expenses paid directly by each parent)", 12, {}, CellKind::Amount, {}, 0, "", "", true},
        {"a.", "Work-related child care costs", 14, {"lblPAdja", "lblDAdja", ""}},
        {"b.",
         "Health Insurance premium costs \u2013 child's/children's portion only (total premium \u00f7 # of persons "
         "covered \u00d7 # of children subject to order = children's portion)",
         22, {"lblPAdjb", "lblDAdjb", ""}},
        {"c.", "Extraordinary expenses", 14, {"lblPAdjc", "lblDAdjc", ""}},
        {"d.", "Total Adjustments (For each column, add 10a, 10b, and 10c. Add two totals for Combined amount.)", 18,
         {"lblP10d", "lblD10d", "lblC10d"}},
        {"11.", "EACH PARENT'S FAIR SHARE OF ADJUSTMENTS (line 10d Combined \u00d7 line 3 for each parent)", 18,
         {"lblP11", "lblD11", ""}},
        {"12.", "ADJUSTMENTS PAID IN EXCESS OF FAIR SHARE (line 10d minus line 11. If negative number, enter zero.)",
         18, {"lblP12", "lblD12", ""}},
        {"13.", "EACH PARENT'S ADJUSTED SUPPORT OBLIGATION (line 9 minus line 12)", 18, {"lblP13", "lblD13", ""}},
        {"14.",
         "RECOMMENDED CHILD SUPPORT ORDER (subtract lesser amount from greater amount in line 13 and enter result "
         "directly under greater amount)",
         22, {"lblP14", "lblD14", ""}},
    };
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
}

CourtFormLayout MakeCourtFormB() {
    CourtFormWriter w("AOC-CV-628_2023.PDF",
                      "AOC-CV-628 Worksheet B, Child Support Obligation, Joint or Shared Physical Custody");
    w.Heading();
    w.Parties({"WORKSHEET B", "CHILD SUPPORT OBLIGATION", "JOINT OR SHARED PHYSICAL CUSTODY", "G.S. 50-13.4(c)"});
    w.Children();
    w.LineTable(LinesB());
    // Left of the column headings, above line 1.
    const QRectF stop(kLeft, w.Layout().linesTop, kPlaintiffX - kLeft - 4, 28);
    w.Box(stop);
    w.Text(stop.adjusted(3, 1, -3, -1),
           "STOP here if the number of overnights with either parent is less than 123, in which case shared "
           "physical custody does not apply (and see Worksheet A, AOC-CV-627).",
           7, true, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap);
    w.Foot("AOC-CV-628, Rev. 1/23");
    return w.Layout();
}

}  // namespace

const CourtFormLayout& CourtFormB() {
    static const CourtFormLayout layout = MakeCourtFormB();
    return layout;
}

}  // namespace qvr
