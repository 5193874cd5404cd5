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

// A child's name or date box: white, blue Arial text, no length limit.
QLineEdit* MakeChildBox(QLineEdit* box);

// The dialog of names and dates with a date check on leaving each date box; rows that have no
// name (blanks removed) drop their date on storing, and a recognised date is stored
// "MM/DD/YYYY" however the dialog closes.
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
    void Form_Unload() override;

private:
    void CheckDate(QLineEdit* box);

    std::array<QLineEdit*, 6> names_{};
    std::array<QLineEdit*, 6> dates_{};
};

}  // namespace qvr
