#pragma once
// What the children dialogs share: the child arrays' rows of name and date-of-birth boxes, their
// column heading, and the dates written "MM/DD/YYYY".

#include "dialogs/windows/form_kit.h"

#include <array>
#include <utility>
#include <vector>

namespace qvr {

// One caption whose words are set apart by blanks so that each begins over its column, at a
// distance in twips from the caption's left edge.
QString ColumnHeading(const QFont& font, const std::vector<std::pair<QString, int>>& wordsAt);

// A date the date test recognises written "MM/DD/YYYY"; any other text trimmed of blanks.
QString StoredDateOfBirth(const QString& text);

// A child's box: white, blue Arial text, at most what its case column holds ("child1name"...).
QLineEdit* MakeChildBox(QLineEdit* box, const QString& column);

// The check on leaving a date box: a recognised date is rewritten "MM/DD/YYYY"; any other text
// but blanks gives the invalid-date message and is emptied.
void CheckDateBox(QLineEdit* box);

// The check before storing: whether each box holds blanks or a recognised date. Otherwise the
// user is told the first row to correct and is put in its box. A row whose date is not stored
// is given as nullptr.
bool DatesRecognised(const std::array<QLineEdit*, 6>& dates);

// The dialog of names and dates with a date check on leaving each date box and on closing; rows
// that have no name (blanks removed) drop their date on storing, and a date is stored
// "MM/DD/YYYY".
class ChildrenForm : public ModalForm {
protected:
    static constexpr int kNameLeft = 240;
    static constexpr int kNameWidth = 4260;
    static constexpr int kDateLeft = 4620;
    static constexpr int kDateWidth = 1500;
    static constexpr int kFirstRowTop = 600;
    static constexpr int kRowStep = 480;
    static constexpr int kBoxHeight = 360;

    ChildrenForm(const QString& name, int clientWidth, int clientHeight);

    void AddHeading(const std::vector<std::pair<QString, int>>& wordsAt, int width);
    // Row 1 to 6; Text1/Text2 for row 1, Text3/Text4 for row 2 and so on.
    void AddChildRow(int row);
    static int RowTop(int row) { return kFirstRowTop + (row - 1) * kRowStep; }
    void LoadNamesAndDates();
    bool RowIsNamed(int row) const;
    bool Form_QueryUnload() override;
    void Form_Unload() override;

private:
    std::array<QLineEdit*, 6> names_{};
    std::array<QLineEdit*, 6> dates_{};
};

}  // namespace qvr
