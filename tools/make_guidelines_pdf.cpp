// Makes the guidelines document of the fixed folder: the schedule of basic child support
// obligations that the program ships, printed page by page with its shaded area marked, and a
// pointer to the official guidelines as the binding text.

#include "core/program_state.h"
#include "core/startup.h"
#include "core/values.h"

#include <QFile>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextStream>
#include <array>
#include <cstdio>
#include <vector>

namespace {

constexpr int kChildColumns = 6;

struct ScheduleRow {
    int income = 0;
    std::array<int, kChildColumns> amounts{};
};

// Letter page in points.
constexpr double kPageWidth = 612, kPageHeight = 792;
constexpr double kLeft = 44, kTop = 40, kBottom = 752;
constexpr double kIncomeWidth = 122, kAmountWidth = 67;
constexpr double kTableWidth = kIncomeWidth + kChildColumns * kAmountWidth;
constexpr double kHeaderHeight = 26, kRowHeight = 12;
constexpr double kFirstTableTop = 262, kNextTableTop = 76;

const QColor kShade(0xD0, 0xD0, 0xD0);
const QString kTitle = "Schedule of Basic Child Support Obligations";
const QString kBindingText = "North Carolina Child Support Guidelines, AOC-A-162, Rev. 1/23";
const std::array<const char*, kChildColumns> kColumnHeads{"One Child",   "Two Children",  "Three Children",
                                                          "Four Children", "Five Children", "Six Children"};

int Fail(const QString& message) {
    std::fprintf(stderr, "make_guidelines_pdf: %s\n", qPrintable(message));
    return 1;
}

std::vector<ScheduleRow> ReadSchedule(const QString& path, QString& problem) {
    QFile csv(path);
    if (!csv.open(QIODevice::ReadOnly | QIODevice::Text)) {
        problem = "cannot read " + path;
        return {};
    }
    QTextStream in(&csv);
    in.readLine();  // the header
    std::vector<ScheduleRow> rows;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty()) continue;
        const QStringList fields = line.split(',');
        bool ok = fields.size() == kChildColumns + 1;
        ScheduleRow row;
        if (ok) row.income = fields[0].toInt(&ok);
        for (int column = 0; ok && column < kChildColumns; ++column)
            row.amounts[size_t(column)] = fields[column + 1].toInt(&ok);
        if (!ok) {
            problem = "not a schedule row: " + line;
            return {};
        }
        rows.push_back(row);
    }
    if (rows.empty()) problem = "no rows in " + path;
    return rows;
}

QFont SansFont(double points, bool bold = false) {
    QFont font("Liberation Sans");
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QString Dollars(double amount) { return "$" + qvr::Format(amount, "#,##0"); }

// Whether a cell lies in the shaded area: the income at or below the bound for its children.
bool Shaded(const ScheduleRow& row, int column) { return row.income <= qvr::state.ShadedAreaLimit(column + 1); }

class GuidelinesDocument {
public:
    GuidelinesDocument(QPainter& painter, QPdfWriter& writer, const std::vector<ScheduleRow>& rows)
        : painter_(painter), writer_(writer), rows_(rows) {}

    void Draw() {
        const int pages = PageCount();
        size_t next = 0;
        for (int page = 1; page <= pages; ++page) {
            if (page > 1) writer_.newPage();
            const double tableTop = page == 1 ? kFirstTableTop : kNextTableTop;
            page == 1 ? DrawIntroduction() : DrawRunningHead();
            const size_t count = std::min(RowsPerPage(tableTop), rows_.size() - next);
            DrawTable(tableTop, next, count);
            next += count;
            DrawFooter(page, pages);
        }
    }

private:
    static size_t RowsPerPage(double tableTop) { return size_t((kBottom - tableTop - kHeaderHeight) / kRowHeight); }

    int PageCount() const {
        const size_t first = RowsPerPage(kFirstTableTop);
        if (rows_.size() <= first) return 1;
        const size_t next = RowsPerPage(kNextTableTop);
        return 1 + int((rows_.size() - first + next - 1) / next);
    }

    void Text(const QRectF& rect, const QString& text, const QFont& font, int flags = Qt::AlignLeft | Qt::AlignTop) {
        painter_.setFont(font);
        painter_.setPen(Qt::black);
        painter_.drawText(rect, flags, text);
    }

    void DrawIntroduction() {
        const double width = kPageWidth - 2 * kLeft;
        Text({kLeft, kTop, width, 14}, "North Carolina Child Support Guidelines", SansFont(10), Qt::AlignHCenter);
        Text({kLeft, kTop + 16, width, 22}, kTitle, SansFont(16, true), Qt::AlignHCenter);
        const int wrap = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
        Text({kLeft, kTop + 50, width, 44},
             "This document prints the schedule of basic child support obligations that this program uses for its "
             "worksheets: the basic child support obligation per month for one to six children, by the parents' "
             "combined monthly adjusted gross income. For a combined income between two rows of the schedule, the "
             "obligation is interpolated between them.",
             SansFont(9.5), wrap);
        DrawShadingLegend(kTop + 100);
        Text({kLeft, kTop + 160, width, 50},
             "The binding text is the official " + kBindingText +
                 ", published by the North Carolina Administrative Office of the Courts. Consult it for the "
                 "rules that apply to a case and for the deviations that the court may allow; this document is a "
                 "reference copy of the schedule only.",
             SansFont(9.5, true), wrap);
    }

    void DrawShadingLegend(double top) {
        painter_.setPen(QPen(Qt::black, 0.5));
        painter_.setBrush(kShade);
        painter_.drawRect(QRectF(kLeft, top + 2, 22, 10));
        painter_.setBrush(Qt::NoBrush);
        QStringList bounds;
        for (int children = 1; children <= kChildColumns; ++children)
            bounds << Dollars(qvr::state.ShadedAreaLimit(children)) + " (" + QString::number(children) + ")";
        Text({kLeft + 30, top, kPageWidth - 2 * kLeft - 30, 56},
             "Shaded cells mark the shaded area of the schedule: an obligor's monthly adjusted gross income at or "
             "below " +
                 bounds.join(", ") +
                 " for the number of children in parentheses. In the shaded area the basic obligation is "
                 "computed from the obligor's income alone, and child care and health insurance are not added "
                 "(see the Guidelines).",
             SansFont(9.5), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
    }

    void DrawRunningHead() {
        Text({kLeft, kTop, kTableWidth, 16}, kTitle + " (continued)", SansFont(11, true), Qt::AlignLeft);
        Text({kLeft, kTop + 16, kTableWidth, 14}, "Shaded cells: the shaded area of the schedule.", SansFont(8.5),
             Qt::AlignLeft);
    }

    void DrawTable(double top, size_t first, size_t count) {
        DrawHeader(top);
        double y = top + kHeaderHeight;
        for (size_t i = first; i < first + count; ++i, y += kRowHeight) DrawRow(rows_[i], y);
        painter_.setPen(QPen(Qt::black, 0.75));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(QRectF(kLeft, top, kTableWidth, y - top));
    }

    void DrawHeader(double top) {
        painter_.setPen(QPen(Qt::black, 0.5));
        painter_.setBrush(QColor(0xF0, 0xF0, 0xF0));
        painter_.drawRect(QRectF(kLeft, top, kTableWidth, kHeaderHeight));
        const int centred = Qt::AlignCenter | Qt::TextWordWrap;
        Text({kLeft + 2, top, kIncomeWidth - 4, kHeaderHeight}, "Combined Monthly Adjusted Gross Income",
             SansFont(8, true), centred);
        for (int column = 0; column < kChildColumns; ++column)
            Text({ColumnLeft(column), top, kAmountWidth, kHeaderHeight}, kColumnHeads[size_t(column)],
                 SansFont(8, true), centred);
    }

    void DrawRow(const ScheduleRow& row, double y) {
        painter_.setPen(Qt::NoPen);
        for (int column = 0; column < kChildColumns; ++column) {
            if (!Shaded(row, column)) continue;
            painter_.setBrush(kShade);
            painter_.drawRect(QRectF(ColumnLeft(column), y, kAmountWidth, kRowHeight));
        }
        painter_.setPen(QPen(QColor(0x90, 0x90, 0x90), 0.25));
        painter_.drawLine(QLineF(kLeft, y + kRowHeight, kLeft + kTableWidth, y + kRowHeight));
        const int right = Qt::AlignRight | Qt::AlignVCenter;
        Text({kLeft, y, kIncomeWidth - 12, kRowHeight}, Dollars(row.income), SansFont(8.5), right);
        for (int column = 0; column < kChildColumns; ++column)
            Text({ColumnLeft(column), y, kAmountWidth - 12, kRowHeight}, Dollars(row.amounts[size_t(column)]),
                 SansFont(8.5), right);
    }

    static double ColumnLeft(int column) { return kLeft + kIncomeWidth + column * kAmountWidth; }

    void DrawFooter(int page, int pages) {
        Text({kLeft, kBottom + 10, kTableWidth, 12}, "Binding text: " + kBindingText, SansFont(7.5), Qt::AlignLeft);
        Text({kLeft, kBottom + 10, kTableWidth, 12}, QString("Page %1 of %2").arg(page).arg(pages), SansFont(7.5),
             Qt::AlignRight);
    }

    QPainter& painter_;
    QPdfWriter& writer_;
    const std::vector<ScheduleRow>& rows_;
};

bool WriteDocument(const std::vector<ScheduleRow>& rows, const QString& path) {
    QPdfWriter writer(path);
    writer.setTitle(kTitle);
    writer.setCreator("NC Child Support Worksheets");
    writer.setPageSize(QPageSize(QPageSize::Letter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(72);  // one unit is one point
    QPainter painter(&writer);
    if (!painter.isActive()) return false;
    GuidelinesDocument(painter, writer, rows).Draw();
    return painter.end();
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 3) return Fail("usage: make_guidelines_pdf SCHEDULE.csv CS2023.pdf");
    QString problem;
    const std::vector<ScheduleRow> rows = ReadSchedule(QString::fromLocal8Bit(argv[1]), problem);
    if (!problem.isEmpty()) return Fail(problem);
    qvr::SetShadedAreaLimits();
    const QString output = QString::fromLocal8Bit(argv[2]);
    if (!WriteDocument(rows, output)) return Fail("cannot write " + output);
    return 0;
}
