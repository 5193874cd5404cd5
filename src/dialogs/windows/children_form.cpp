#include "dialogs/windows/children_form.h"

#include "core/frame.h"
#include "core/program_state.h"
#include "core/values.h"
#include "platform/messages.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

namespace qvr {
namespace {

// A recognised date as leaving its box writes it; any other text as it stands.
QString DateAsLeft(const QString& text) {
    const std::optional<QDate> date = ParseDate(text);
    return date ? FormatDate(*date) : text;
}

}  // namespace

QString ColumnHeading(const QFont& font, const std::vector<std::pair<QString, int>>& wordsAt) {
    const QFontMetrics metrics(font);
    QString heading;
    for (const auto& [word, twips] : wordsAt) {
        if (!heading.isEmpty()) heading += ' ';
        while (metrics.horizontalAdvance(heading) < Pixels(twips)) heading += ' ';
        heading += word;
    }
    return heading;
}

QString StoredDateOfBirth(const QString& text) { return DateAsLeft(text.trimmed()); }

QLineEdit* MakeChildBox(QLineEdit* box) {
    SetTextColors(box, kFieldBlue, Qt::white);
    return box;
}

ChildrenForm::ChildrenForm(const QString& name, int clientWidth, int clientHeight)
    : ModalForm(name, clientWidth, clientHeight) {
    SetBackground(this, kLightYellow);
    setWindowTitle("Information about Children");
}

void ChildrenForm::AddHeading(const std::vector<std::pair<QString, int>>& wordsAt, int width) {
    const QFont font = MakeFont("Arial", 9.75, true);
    AddLabel(this, "Label1", ColumnHeading(font, wordsAt), {kNameLeft, 240, width, 300}, font)->setWordWrap(false);
}

void ChildrenForm::AddChildRow(int row) {
    const int top = RowTop(row);
    names_[row - 1] = MakeChildBox(AddTextBox(this, "Text" + QString::number(2 * row - 1),
                                              {kNameLeft, top, kNameWidth, kBoxHeight}, MakeFont("Arial", 9.75)));
    QLineEdit* date = MakeChildBox(AddTextBox(this, "Text" + QString::number(2 * row),
                                              {kDateLeft, top, kDateWidth, kBoxHeight}, MakeFont("Arial", 9.75)));
    dates_[row - 1] = date;
    OnLostFocus(date, [this, date] { CheckDate(date); });
}

void ChildrenForm::LoadNamesAndDates() {
    for (int row = 1; row <= 6; ++row) {
        names_[row - 1]->setText(state.ChildName(row));
        dates_[row - 1]->setText(state.ChildDOB(row));
    }
}

bool ChildrenForm::RowIsNamed(int row) const { return !names_[row - 1]->text().trimmed().isEmpty(); }

void ChildrenForm::CheckDate(QLineEdit* box) {
    if (box->text().trimmed().isEmpty()) return;
    if (const std::optional<QDate> date = ParseDate(box->text())) {
        box->setText(FormatDate(*date));
        return;
    }
    MsgBox("You have entered an invalid date... Please try again", MessageButtons::OkOnly,
           QCoreApplication::applicationName());
    box->clear();
}

void ChildrenForm::Form_Unload() {
    for (int row = 1; row <= 6; ++row) {
        const bool named = RowIsNamed(row);
        state.ChildName(row) = named ? names_[row - 1]->text() : QString("");
        // The box being typed in is not left when the dialog closes by its close box or the
        // Ok access key; its date is stored as leaving it would have written it.
        state.ChildDOB(row) = named ? DateAsLeft(dates_[row - 1]->text()) : QString("");
    }
}

}  // namespace qvr
