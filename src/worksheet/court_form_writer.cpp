#include "worksheet/court_form_writer.h"

namespace qvr {

using namespace form_columns;

namespace {

constexpr double kBlankHeight = 13;
const QStringList kColumnNames{"Plaintiff", "Defendant", "Combined"};

// "5" of "5a.": a line printed with its letter ("5a.") is followed by sub-lines "b.", "c." of line 5.
QString LeadingDigits(const QString& number) {
    qsizetype digits = 0;
    while (digits < number.size() && number[digits].isDigit()) ++digits;
    return number.left(digits);
}

}  // namespace

std::vector<FormLine> IncomeLines(const std::array<double, 5>& heights) {
    return {
        {"1.", "MONTHLY GROSS INCOME", heights[0], {"lblPInc", "lblDInc", ""}},
        {"a.", "Minus pre-existing child support payment", heights[1], {"lblPPre", "lblDPre", ""}},
        {"b.", "Minus responsibility for other children", heights[2], {"lblPResp", "lblDResp", ""}, CellKind::Amount,
         {"lblPOC", "lblDOC"}},
        {"2.", "MONTHLY ADJUSTED GROSS INCOME (for each parent, line 1 minus 1a and 1b)", heights[3],
         {"lblP2", "lblD2", "lblC2"}},
        {"3.", "PERCENTAGE SHARE OF INCOME (line 2 for each parent's income, divided by Combined income)", heights[4],
         {"lblP3", "lblD3", ""}, CellKind::Share, {}, 0, "", "lblOverrideWarning"},
    };
}

FormLine BasicObligationLine(double height) {
    return {"4.",
            "BASIC CHILD SUPPORT OBLIGATION (apply line 2 Combined to the Schedule of Basic Support Obligations \u2013 "
            "see AOC-A-162, Rev. 1/23)",
            height,
            {"", "", "lblC4"},
            CellKind::Amount,
            {},
            kPlaintiffColumn | kDefendantColumn,
            "lblWarning"};
}

std::vector<FormLine> ExpenseLines(int number, const std::array<double, 4>& heights) {
    return {
        {QString::number(number) + ".", "ADJUSTMENTS (expenses paid directly by each parent)", heights[0], {},
         CellKind::Amount, {}, 0, "", "", true},
        {"a.", "Work-related child care costs", heights[1], {"lblPAdja", "lblDAdja", ""}},
        {"b.",
         "Health Insurance premium costs \u2013 child's/children's portion only (total premium \u00f7 # of persons "
         "covered \u00d7 # of children subject to order = children's portion)",
         heights[2], {"lblPAdjb", "lblDAdjb", ""}},
        {"c.", "Extraordinary expenses", heights[3], {"lblPAdjc", "lblDAdjc", ""}},
    };
}

std::vector<FormLine> FairShareLines(int number) {
    const QString total = QString::number(number) + "d";
    const QString fairShare = QString::number(number + 1);
    const QString excess = QString::number(number + 2);
    return {
        {"d.",
         QString("Total Adjustments (For each column, add %1a, %1b, and %1c. Add two totals for Combined amount.)")
             .arg(number),
         18, {"lblP" + total, "lblD" + total, "lblC" + total}},
        {fairShare + ".",
         "EACH PARENT'S FAIR SHARE OF ADJUSTMENTS (line " + total + " Combined \u00d7 line 3 for each parent)", 18,
         {"lblP" + fairShare, "lblD" + fairShare, ""}},
        {excess + ".",
         "ADJUSTMENTS PAID IN EXCESS OF FAIR SHARE (line " + total + " minus line " + fairShare +
             ". If negative number, enter zero.)",
         18, {"lblP" + excess, "lblD" + excess, ""}},
    };
}

std::vector<FormLine> JoinLines(std::initializer_list<std::vector<FormLine>> parts) {
    std::vector<FormLine> lines;
    for (const std::vector<FormLine>& part : parts) lines.insert(lines.end(), part.begin(), part.end());
    return lines;
}

CourtFormWriter::CourtFormWriter(const QString& fileName, const QString& title) {
    layout_.fileName = fileName;
    layout_.title = title;
}

void CourtFormWriter::Text(const QRectF& rect, const QString& text, double size, bool bold, int align) {
    layout_.texts.push_back({rect, text, size, bold, align});
}

void CourtFormWriter::Centered(const QRectF& rect, const QString& text, double size, bool bold) {
    Text(rect, text, size, bold, Qt::AlignCenter);
}

void CourtFormWriter::Line(double x1, double y1, double x2, double y2) { layout_.lines.emplace_back(x1, y1, x2, y2); }

void CourtFormWriter::Box(const QRectF& rect, bool shaded) { layout_.boxes.push_back({rect, shaded}); }

void CourtFormWriter::Area(const QString& control, const QRectF& rect) { layout_.areas.push_back({control, rect}); }

void CourtFormWriter::Blank(const QString& label, const QString& field, const QRectF& rect, CellKind kind) {
    layout_.blanks.push_back({label, field, rect, kind});
}

void CourtFormWriter::UnderlinedBlank(const QString& label, const QString& field, const QRectF& rect,
                                      const QString& caption) {
    Blank(label, field, rect);
    Line(rect.left(), rect.bottom(), rect.right(), rect.bottom());
    if (!caption.isEmpty()) Text(QRectF(rect.left(), rect.bottom() + 1, rect.width(), 8), caption, 6.5);
}

void CourtFormWriter::CheckBox(const QString& label, const QString& field, double x, double y,
                               const QString& caption) {
    const QRectF box(x, y, 9, 9);
    Box(box);
    Blank(label, field, box, CellKind::CheckBox);
    Text(QRectF(x + 12, y - 2, 150, 13), caption, 8.5);
}

void CourtFormWriter::Sheet(const QStringList& formTitle, const std::vector<FormLine>& lines) {
    Heading();
    Parties(formTitle);
    Children();
    LineTable(lines);
}

void CourtFormWriter::Heading() {
    Text(QRectF(kLeft, 30, 220, 14), "STATE OF NORTH CAROLINA", 10, true);
    const QStringList caseNumbers{"File No.", "IV-D Case No.", "Case No. (Code)", "UIFSA Case No."};
    const QStringList labels{"lblCourtFile", "lblIVDFile", "lblCaseCode", "lblUresa"};
    for (int i = 0; i < 4; ++i) {
        const double y = 28 + i * 17;
        Text(QRectF(392, y, 76, kBlankHeight), caseNumbers[i], 8);
        UnderlinedBlank(labels[i], caseNumbers[i].chopped(caseNumbers[i].endsWith('.') ? 1 : 0),
                        QRectF(468, y, 108, kBlankHeight));
    }

    Centered(QRectF(150, 100, 312, 14), "In The General Court Of Justice", 11, true);
    CheckBox("Check1", "District", 205, 120, "District");
    CheckBox("Check2", "Superior Court Division", 285, 120, "Superior Court Division");

    UnderlinedBlank("lblCounty", "County", QRectF(kLeft, 50, 150, kBlankHeight));
    Text(QRectF(kLeft + 154, 50, 60, kBlankHeight), "County", 9);
}

void CourtFormWriter::Parties(const QStringList& formTitle) {
    CheckBox("Check3", "Civil", kLeft, 148, "Civil:");
    UnderlinedBlank("lblName1Name", "Plaintiff", QRectF(96, 144, 210, kBlankHeight), "Plaintiff");
    CheckBox("Check4", "Criminal", kLeft, 174, "Criminal:");
    Text(QRectF(96, 170, 210, kBlankHeight), "STATE OF NORTH CAROLINA", 8.5);
    Centered(QRectF(kLeft, 190, 270, 14), "VERSUS", 9, true);
    UnderlinedBlank("lblName2Name", "Name Of Defendant", QRectF(kLeft, 206, 270, kBlankHeight), "Name Of Defendant");

    // The worksheet's name large, then the smaller lines under it.
    const double tops[] = {148, 168, 183, 200};
    const double heights[] = {18, 14, 14, 12};
    const double sizes[] = {14, 11, 11, 8};
    for (int i = 0; i < formTitle.size() && i < 4; ++i)
        Centered(QRectF(330, tops[i], 246, heights[i]), formTitle[i], sizes[i], i < 3);
}

// Row by row, children 1 to 3 in the left pair of columns and 4 to 6 in the right pair.
void CourtFormWriter::Children() {
    constexpr double top = 236, header = 12, row = 15;
    const double columns[] = {kLeft, 216, 306, 486, kRight};
    const QStringList headings{"Children", "Date Of Birth", "Children", "Date Of Birth"};
    Box(QRectF(kLeft, top, kRight - kLeft, header + 3 * row));
    Line(kLeft, top + header, kRight, top + header);
    for (int c = 0; c < 4; ++c) {
        Centered(QRectF(columns[c], top, columns[c + 1] - columns[c], header), headings[c], 8, true);
        if (c > 0) Line(columns[c], top, columns[c], top + header + 3 * row);
    }
    for (int r = 0; r < 3; ++r) {
        const double y = top + header + r * row;
        if (r > 0) Line(kLeft, y, kRight, y);
        for (int side = 0; side < 2; ++side) {
            const int child = r + 1 + side * 3;
            const double x = columns[side * 2];
            const QString name = QString("Child %1").arg(child);
            Blank(QString("lblChild%1Name").arg(child), name + " Name",
                  QRectF(x + 2, y + 1, columns[side * 2 + 1] - x - 4, 13));
            Blank(QString("lblChild%1DOB").arg(child), name + " Date Of Birth",
                  QRectF(columns[side * 2 + 1] + 2, y + 1, columns[side * 2 + 2] - columns[side * 2 + 1] - 4, 13));
        }
    }
    Area("GetChildInfoHot", QRectF(kLeft, top, kRight - kLeft, header + 3 * row));
}

// One cell of a worksheet line: "$" before an amount, "%" after a share, a whole number alone.
void CourtFormWriter::Cell(double x, double y, double height, const QString& label, const QString& field,
                           CellKind kind, const QString& count) {
    const double blankTop = y + (height - kBlankHeight) / 2;
    double left = x + 2;
    if (!count.isEmpty()) {
        Blank(count, QString(), QRectF(x + 1, blankTop, 16, kBlankHeight), CellKind::Count);
        left = x + 18;
    }
    if (kind == CellKind::Share) {
        Blank(label, field, QRectF(x + 2, blankTop, kCellWidth - 14, kBlankHeight), kind);
        Text(QRectF(x + kCellWidth - 11, blankTop, 9, kBlankHeight), "%", 8);
        return;
    }
    if (kind == CellKind::Whole) {
        Blank(label, field, QRectF(left, blankTop, x + kCellWidth - left - 2, kBlankHeight), kind);
        return;
    }
    Text(QRectF(left, blankTop, 7, kBlankHeight), "$", 8);
    Blank(label, field, QRectF(left + 7, blankTop, x + kCellWidth - left - 9, kBlankHeight), kind);
}

void CourtFormWriter::LineTable(const std::vector<FormLine>& lines, double headingTop) {
    constexpr double headingHeight = 14;
    const double cellX[] = {kPlaintiffX, kDefendantX, kCombinedX};
    layout_.linesTop = headingTop - 14;
    for (int c = 0; c < 3; ++c) {
        Box(QRectF(cellX[c], headingTop, kCellWidth, headingHeight));
        Centered(QRectF(cellX[c], headingTop, kCellWidth, headingHeight), kColumnNames[c], 8, true);
    }

    double y = headingTop + headingHeight;
    const double tableTop = y;
    QString mainNumber;
    for (const FormLine& line : lines) {
        const bool subLine = line.number[0].isLetter();
        if (!subLine) mainNumber = LeadingDigits(line.number);
        const QString lineName = subLine ? mainNumber + line.number.chopped(1) : line.number.chopped(1);
        const double captionX = subLine ? kLeft + 22 : kLeft + 4;
        Text(QRectF(captionX, y, 16, line.height), line.number, 8, !subLine);
        Text(QRectF(captionX + 16, y + 1, kPlaintiffX - captionX - 20, line.height - 2), line.caption, 7, !subLine,
             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap);
        for (int c = 0; c < 3; ++c) {
            if (!line.heading) Box(QRectF(cellX[c], y, kCellWidth, line.height), line.shaded & (1 << c));
            if (line.cells[c].isEmpty()) continue;
            const QString field = QString("Line %1 %2").arg(lineName, kColumnNames[c]);
            Cell(cellX[c], y, line.height, line.cells[c], field, line.kind, c < 2 ? line.counts[c] : QString());
        }
        if (!line.overParties.isEmpty())
            Area(line.overParties, QRectF(kPlaintiffX + 1, y + 1, 2 * kCellWidth - 2, line.height - 2));
        if (!line.overCombined.isEmpty())
            Area(line.overCombined, QRectF(kCombinedX + 1, y + 2, kCellWidth - 2, line.height - 4));
        y += line.height;
    }
    Box(QRectF(kLeft, tableTop, kRight - kLeft, y - tableTop));
}

void CourtFormWriter::Foot(const QString& formNumber) {
    UnderlinedBlank("lblDateSigned", "Date", QRectF(kLeft, 700, 150, kBlankHeight), "Date");
    UnderlinedBlank("lblPreparedBy", "Prepared By", QRectF(230, 700, 346, kBlankHeight),
                    "Prepared By (type or print)");
    Centered(QRectF(kLeft, 730, kRight - kLeft, 12), "(NOTE: This form may be used in both civil and criminal cases.)",
             8);
    Text(QRectF(kLeft, 760, 200, 12), formNumber, 7.5);
    Text(QRectF(kLeft, 770, 400, 10), "Stand-in of the court's form: the blanks are placed as on the form.", 6);
}

}  // namespace qvr
