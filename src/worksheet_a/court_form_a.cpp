#include "worksheet_a/court_form_a.h"

#include <map>

namespace qvr {
namespace {

// Columns of the worksheet lines.
constexpr double kLeft = 36, kRight = 576;
constexpr double kPlaintiffX = 360, kDefendantX = 432, kCombinedX = 504, kCellWidth = 72;
constexpr double kBlankHeight = 13;

// The form's fields in their order in the document.
const QStringList kFieldOrder{
    "lblCourtFile",  "lblIVDFile",    "lblCaseCode",   "lblUresa",      "Check1",        "Check2",
    "lblCounty",     "Check3",        "lblName1Name",  "Check4",        "lblName2Name",  "lblChild1Name",
    "lblChild1DOB",  "lblChild4Name", "lblChild4DOB",  "lblChild2Name", "lblChild2DOB",  "lblChild5Name",
    "lblChild5DOB",  "lblChild3Name", "lblChild3DOB",  "lblChild6Name", "lblChild6DOB",  "lblPInc",
    "lblDInc",       "lblPPre",       "lblDPre",       "lblPResp",      "lblDResp",      "lblP2",
    "lblD2",         "lblC2",         "lblP3",         "lblD3",         "lblC4",         "lblPAdja",
    "lblDAdja",      "lblPAdjb",      "lblDAdjb",      "lblPAdjc",      "lblDAdjc",      "lblP5d",
    "lblD5d",        "lblC5d",        "lblC6",         "lblP7",         "lblD7",         "lblP8",
    "lblD8",         "lblP9",         "lblD9",         "lblDateSigned", "lblPreparedBy"};

enum Cells { P = 1, D = 2, C = 4 };

struct Line {
    QString number;
    QString caption;
    double height;
    int cells;          // the cells with a blank
    QString plaintiff;  // label names of the blanks
    QString defendant;
    QString combined;
    bool share = false;     // a percentage, not an amount
    bool otherCount = false;  // the count of other children sits at the left of the cell
    bool heading = false;
};

const std::vector<Line> kLines{
    {"1.", "MONTHLY GROSS INCOME", 18, P | D, "lblPInc", "lblDInc", ""},
    {"a.", "Minus pre-existing child support payment", 18, P | D, "lblPPre", "lblDPre", ""},
    {"b.", "Minus responsibility for other children", 18, P | D, "lblPResp", "lblDResp", "", false, true},
    {"2.", "MONTHLY ADJUSTED GROSS INCOME (for each parent, line 1 minus 1a and 1b)", 24, P | D | C, "lblP2", "lblD2",
     "lblC2"},
    {"3.", "PERCENTAGE SHARE OF INCOME (line 2 for each parent's income, divided by Combined income)", 24, P | D,
     "lblP3", "lblD3", "", true},
    {"4.",
     "BASIC CHILD SUPPORT OBLIGATION (apply line 2 Combined to the Schedule of Basic Support Obligations \u2013 "
     "see AOC-A-162, Rev. 1/23)",
     30, C, "", "", "lblC4"},
    {"5.", "ADJUSTMENTS (expenses paid directly by each parent)", 14, 0, "", "", "", false, false, true},
    {"a.", "Work-related child care costs", 18, P | D, "lblPAdja", "lblDAdja", ""},
    {"b.",
     "Health Insurance premium costs \u2013 child's/children's portion only (total premium \u00f7 # of persons "
     "covered \u00d7 # of children subject to order = children's portion)",
     30, P | D, "lblPAdjb", "lblDAdjb", ""},
    {"c.", "Extraordinary expenses", 18, P | D, "lblPAdjc", "lblDAdjc", ""},
    {"d.", "Total Adjustments (for each column, add 5a, 5b, and 5c. Add two totals for Combined amount)", 24,
     P | D | C, "lblP5d", "lblD5d", "lblC5d"},
    {"6.", "TOTAL CHILD SUPPORT OBLIGATION (add line 4 Combined to line 5d Combined)", 24, C, "", "", "lblC6"},
    {"7.", "EACH PARENT'S CHILD SUPPORT OBLIGATION (line 3 \u00d7 line 6 for each parent)", 24, P | D, "lblP7",
     "lblD7", ""},
    {"8.", "NON-CUSTODIAL PARENT ADJUSTMENT (enter non-custodial parent's line 5d)", 24, P | D, "lblP8", "lblD8", ""},
    {"9.",
     "RECOMMENDED CHILD SUPPORT ORDER (subtract line 8 from line 7 for the non-custodial parent only. Leave "
     "custodial parent column blank)",
     30, P | D, "lblP9", "lblD9", ""},
};

class LayoutWriter {
public:
    explicit LayoutWriter(CourtFormLayout& layout) : layout_(layout) {}

    void Text(const QRectF& rect, const QString& text, double size = 8, bool bold = false,
              int align = Qt::AlignLeft | Qt::AlignVCenter) {
        layout_.texts.push_back({rect, text, size, bold, align});
    }
    void Centered(const QRectF& rect, const QString& text, double size = 8, bool bold = false) {
        Text(rect, text, size, bold, Qt::AlignCenter);
    }
    void Line(double x1, double y1, double x2, double y2) { layout_.lines.emplace_back(x1, y1, x2, y2); }
    void Box(const QRectF& rect, bool shaded = false) { layout_.boxes.push_back({rect, shaded}); }
    void Area(const QString& control, const QRectF& rect) { layout_.areas.push_back({control, rect}); }

    // A blank on an underline, with its caption printed under it.
    void UnderlinedBlank(const QString& label, const QString& field, const QRectF& rect, const QString& caption = {}) {
        Blank(label, field, rect);
        Line(rect.left(), rect.bottom(), rect.right(), rect.bottom());
        if (!caption.isEmpty()) Text(QRectF(rect.left(), rect.bottom() + 1, rect.width(), 8), caption, 6.5);
    }
    void Blank(const QString& label, const QString& field, const QRectF& rect, bool checkBox = false) {
        blanks_[label] = {label, field, rect, checkBox};
    }
    void CheckBox(const QString& label, const QString& field, double x, double y, const QString& caption) {
        const QRectF box(x, y, 9, 9);
        Box(box);
        Blank(label, field, box, true);
        Text(QRectF(x + 12, y - 2, 150, 13), caption, 8.5);
    }

    void Finish() {
        for (const QString& label : kFieldOrder) layout_.blanks.push_back(blanks_.at(label));
    }

private:
    CourtFormLayout& layout_;
    std::map<QString, FormBlank> blanks_;
};

void WriteHeading(LayoutWriter& w) {
    w.Text(QRectF(kLeft, 30, 220, 14), "STATE OF NORTH CAROLINA", 10, true);
    w.UnderlinedBlank("lblCounty", "County", QRectF(kLeft, 50, 150, kBlankHeight));
    w.Text(QRectF(kLeft + 154, 50, 60, kBlankHeight), "County", 9);

    const QStringList caseNumbers{"File No.", "IV-D Case No.", "Case No. (Code)", "UIFSA Case No."};
    const QStringList labels{"lblCourtFile", "lblIVDFile", "lblCaseCode", "lblUresa"};
    for (int i = 0; i < 4; ++i) {
        const double y = 28 + i * 17;
        w.Text(QRectF(392, y, 76, kBlankHeight), caseNumbers[i], 8);
        w.UnderlinedBlank(labels[i], caseNumbers[i].chopped(caseNumbers[i].endsWith('.') ? 1 : 0),
                          QRectF(468, y, 108, kBlankHeight));
    }

    w.Centered(QRectF(150, 100, 312, 14), "In The General Court Of Justice", 11, true);
    w.CheckBox("Check1", "District", 205, 120, "District");
    w.CheckBox("Check2", "Superior Court Division", 285, 120, "Superior Court Division");
}

void WriteParties(LayoutWriter& w) {
    w.CheckBox("Check3", "Civil", kLeft, 148, "Civil:");
    w.UnderlinedBlank("lblName1Name", "Plaintiff", QRectF(96, 144, 210, kBlankHeight), "Plaintiff");
    w.CheckBox("Check4", "Criminal", kLeft, 174, "Criminal:");
    w.Text(QRectF(96, 170, 210, kBlankHeight), "STATE OF NORTH CAROLINA", 8.5);
    w.Centered(QRectF(kLeft, 190, 270, 14), "VERSUS", 9, true);
    w.UnderlinedBlank("lblName2Name", "Name Of Defendant", QRectF(kLeft, 206, 270, kBlankHeight), "Name Of Defendant");

    w.Centered(QRectF(330, 148, 246, 18), "WORKSHEET A", 14, true);
    w.Centered(QRectF(330, 168, 246, 14), "CHILD SUPPORT OBLIGATION", 11, true);
    w.Centered(QRectF(330, 183, 246, 14), "PRIMARY CUSTODY", 11, true);
    w.Centered(QRectF(330, 200, 246, 12), "G.S. 50-13.4(c)", 8);
}

void WriteChildren(LayoutWriter& w) {
    constexpr double top = 236, header = 12, row = 15;
    const double columns[] = {kLeft, 216, 306, 486, kRight};
    const QStringList headings{"Children", "Date Of Birth", "Children", "Date Of Birth"};
    w.Box(QRectF(kLeft, top, kRight - kLeft, header + 3 * row));
    w.Line(kLeft, top + header, kRight, top + header);
    for (int c = 0; c < 4; ++c) {
        w.Centered(QRectF(columns[c], top, columns[c + 1] - columns[c], header), headings[c], 8, true);
        if (c > 0) w.Line(columns[c], top, columns[c], top + header + 3 * row);
    }
    for (int r = 0; r < 3; ++r) {
        const double y = top + header + r * row;
        if (r > 0) w.Line(kLeft, y, kRight, y);
        for (int side = 0; side < 2; ++side) {
            const int child = r + 1 + side * 3;
            const double x = columns[side * 2];
            const QString row = QString("Child %1").arg(child);
            w.Blank(QString("lblChild%1Name").arg(child), row + " Name",
                    QRectF(x + 2, y + 1, columns[side * 2 + 1] - x - 4, 13));
            w.Blank(QString("lblChild%1DOB").arg(child), row + " Date Of Birth",
                    QRectF(columns[side * 2 + 1] + 2, y + 1, columns[side * 2 + 2] - columns[side * 2 + 1] - 4, 13));
        }
    }
    w.Area("GetChildInfoHot", QRectF(kLeft, top, kRight - kLeft, header + 3 * row));
}

// One cell of a worksheet line: "$" before an amount, "%" after a share.
void WriteCell(LayoutWriter& w, double x, double y, double height, const QString& label, const QString& field,
               bool share, bool otherCount) {
    const double blankTop = y + (height - kBlankHeight) / 2;
    double left = x + 2;
    if (otherCount) {
        const QString countLabel = label == "lblPResp" ? "lblPOC" : "lblDOC";
        w.Area(countLabel, QRectF(x + 1, blankTop, 16, kBlankHeight));
        left = x + 18;
    }
    if (share) {
        w.Blank(label, field, QRectF(x + 2, blankTop, kCellWidth - 14, kBlankHeight));
        w.Text(QRectF(x + kCellWidth - 11, blankTop, 9, kBlankHeight), "%", 8);
        return;
    }
    w.Text(QRectF(left, blankTop, 7, kBlankHeight), "$", 8);
    w.Blank(label, field, QRectF(left + 7, blankTop, x + kCellWidth - left - 9, kBlankHeight));
}

void WriteLines(LayoutWriter& w) {
    constexpr double headingTop = 324, headingHeight = 14;
    const double cellX[] = {kPlaintiffX, kDefendantX, kCombinedX};
    const QStringList columnNames{"Plaintiff", "Defendant", "Combined"};
    w.Area("lblWhoHasCustody", QRectF(kLeft, headingTop - 14, kPlaintiffX - kLeft - 4, 28));
    w.Area("lblPStatus", QRectF(kPlaintiffX, headingTop - 13, kCellWidth, 12));
    w.Area("lblDStatus", QRectF(kDefendantX, headingTop - 13, kCellWidth, 12));
    for (int c = 0; c < 3; ++c) {
        w.Box(QRectF(cellX[c], headingTop, kCellWidth, headingHeight));
        w.Centered(QRectF(cellX[c], headingTop, kCellWidth, headingHeight), columnNames[c], 8, true);
    }

    double y = headingTop + headingHeight;
    const double tableTop = y;
    QString mainNumber;
    for (const Line& line : kLines) {
        const bool subLine = line.number[0].isLetter();
        if (!subLine) mainNumber = line.number.chopped(1);
        const QString lineName = subLine ? mainNumber + line.number.chopped(1) : mainNumber;
        const double captionX = subLine ? kLeft + 22 : kLeft + 4;
        w.Text(QRectF(captionX, y, 16, line.height), line.number, 8, !subLine);
        w.Text(QRectF(captionX + 16, y + 1, kPlaintiffX - captionX - 20, line.height - 2), line.caption, 7, !subLine,
               Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap);
        const QString labels[] = {line.plaintiff, line.defendant, line.combined};
        for (int c = 0; c < 3; ++c) {
            const QRectF cell(cellX[c], y, kCellWidth, line.height);
            const bool hasBlank = line.cells & (1 << c);
            const bool shaded = lineName == "4" && c < 2;
            if (!line.heading) w.Box(cell, shaded);
            if (!hasBlank) continue;
            const QString field = QString("Line %1 %2").arg(lineName, columnNames[c]);
            WriteCell(w, cellX[c], y, line.height, labels[c], field, line.share, line.otherCount && c < 2);
        }
        if (lineName == "4") w.Area("lblWarning", QRectF(kPlaintiffX + 1, y + 1, 2 * kCellWidth - 2, line.height - 2));
        if (lineName == "3") w.Area("lblOverrideWarning", QRectF(kCombinedX + 1, y + 2, kCellWidth - 2, line.height - 4));
        y += line.height;
    }
    w.Box(QRectF(kLeft, tableTop, kRight - kLeft, y - tableTop));
}

void WriteFoot(LayoutWriter& w) {
    w.UnderlinedBlank("lblDateSigned", "Date", QRectF(kLeft, 700, 150, kBlankHeight), "Date");
    w.UnderlinedBlank("lblPreparedBy", "Prepared By", QRectF(230, 700, 346, kBlankHeight), "Prepared By (type or print)");
    w.Centered(QRectF(kLeft, 730, kRight - kLeft, 12), "(NOTE: This form may be used in both civil and criminal cases.)",
               8);
    w.Text(QRectF(kLeft, 760, 200, 12), "AOC-CV-627, Rev. 1/23", 7.5);
    w.Text(QRectF(kLeft, 770, 400, 10), "Stand-in of the court's form: the blanks are placed as on the form.", 6);
}

CourtFormLayout MakeCourtFormA() {
    CourtFormLayout layout;
    layout.fileName = "AOC-CV-627_2023.PDF";
    layout.title = "AOC-CV-627 Worksheet A, Child Support Obligation, Primary Custody";
    LayoutWriter w(layout);
    WriteHeading(w);
    WriteParties(w);
    WriteChildren(w);
    WriteLines(w);
    WriteFoot(w);
    w.Finish();
    return layout;
}

}  // namespace

const CourtFormLayout& CourtFormA() {
    static const CourtFormLayout layout = MakeCourtFormA();
    return layout;
}

}  // namespace qvr
