#pragma once
// Writes a court form's page: the blocks that every worksheet's form shares (heading, parties
// with the form's title, children table, line table, foot), each adding its blanks in the form's
// field order. A worksheet's form is these blocks, its title and its line table.

#include "worksheet/court_form_layout.h"

#include <array>

namespace qvr {

// Columns of the line table.
namespace form_columns {
constexpr double kLeft = 36, kRight = 576;
constexpr double kPlaintiffX = 360, kDefendantX = 432, kCombinedX = 504, kCellWidth = 72;
}  // namespace form_columns

enum FormColumn { kPlaintiffColumn = 1, kDefendantColumn = 2, kCombinedColumn = 4 };

// One row of a worksheet's line table. A number that is a letter ("a.") is a sub-line of the
// line before it; its cells' fields are named "Line 1a Plaintiff" and so on. A line printed with
// its letter ("5a.") stands as a main line, and the sub-lines after it belong to its number (5).
struct FormLine {
    QString number;
    QString caption;
    double height;
    std::array<QString, 3> cells{};  // labels of the Plaintiff, Defendant and Combined blanks; empty: none
    CellKind kind = CellKind::Amount;  // Share: a percentage
    std::array<QString, 2> counts{};   // counts at the left of the Plaintiff and Defendant cells
    int shaded = 0;                    // FormColumn bits of the shaded cells
    QString overParties{};             // a notice laid over the Plaintiff and Defendant cells
    QString overCombined{};            // a notice laid over the Combined cell
    bool heading = false;              // a heading without cells
};

// Lines 1 to 3, the same on every worksheet's form, with the override notice over line 3's
// Combined cell; `heights` of 1, 1a, 1b, 2 and 3.
std::vector<FormLine> IncomeLines(const std::array<double, 5>& heights = {18, 18, 18, 24, 24});
// Line 4, the same on every worksheet's form: the combined basic obligation, with the warning laid
// over the shaded plaintiff and defendant cells.
FormLine BasicObligationLine(double height);
// The adjustments heading, numbered `number`, and its expense lines a to c; `heights`: the
// heading's, then a, b and c.
std::vector<FormLine> ExpenseLines(int number, const std::array<double, 4>& heights);
// After the expense lines of the worksheets on which each parent bears a fair share of them:
// their totals (line <number>d), the fair shares and what each paid beyond it.
std::vector<FormLine> FairShareLines(int number);
// A line table from its parts, top down.
std::vector<FormLine> JoinLines(std::initializer_list<std::vector<FormLine>> parts);

class CourtFormWriter {
public:
    CourtFormWriter(const QString& fileName, const QString& title);

    // The heading, the parties with the form's title beside them (its lines top down), the
    // children table and the line table.
    void Sheet(const QStringList& formTitle, const std::vector<FormLine>& lines);
    void Foot(const QString& formNumber);

    void Text(const QRectF& rect, const QString& text, double size = 8, bool bold = false,
              int align = Qt::AlignLeft | Qt::AlignVCenter);
    void Centered(const QRectF& rect, const QString& text, double size = 8, bool bold = false);
    void Line(double x1, double y1, double x2, double y2);
    void Box(const QRectF& rect, bool shaded = false);
    void Area(const QString& control, const QRectF& rect);

    const CourtFormLayout& Layout() const { return layout_; }

private:
    void Heading();
    void Parties(const QStringList& formTitle);
    void Children();
    // The column headings at `headingTop` and the lines under them.
    void LineTable(const std::vector<FormLine>& lines, double headingTop = 324);
    void Blank(const QString& label, const QString& field, const QRectF& rect, CellKind kind = CellKind::Text);
    // A blank on an underline, with its caption printed under it.
    void UnderlinedBlank(const QString& label, const QString& field, const QRectF& rect, const QString& caption = {});
    void CheckBox(const QString& label, const QString& field, double x, double y, const QString& caption);
    void Cell(double x, double y, double height, const QString& label, const QString& field, CellKind kind,
              const QString& count);

    CourtFormLayout layout_;
};

}  // namespace qvr
