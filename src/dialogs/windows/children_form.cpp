#include "dialogs/windows/children_form.h"

#include "core/cases_database.h"
#include "core/frame.h"
#include "core/program_state.h"
#include "core/values.h"
#include "platform/character_limit.h"
#include "platform/messages.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

namespace qvr {

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

QString StoredDateOfBirth(const QString& text) {
    const std::optional<QDate> date = ParseDate(text);
    return date ? FormatDate(*date) : text.trimmed();
}

QLineEdit* MakeChildBox(QLineEdit* box, const QString& column) {
    SetTextColors(box, kFieldBlue, Qt::white);
    LimitCharacters(box, CasesColumnWidth(column));
    return box;
}

void CheckDateBox(QLineEdit* box) {
    if (box->text().trimmed().isEmpty()) return;
    if (const std::optional<QDate> date = ParseDate(box->text())) {
        box->setText(FormatDate(*date));
        return;
    }
    MsgBox("You have entered an invalid date... Please try again", MessageButtons::OkOnly,
           QCoreApplication::applicationName());
    box->clear();
}

bool DatesRecognised(const std::array<QLineEdit*, 6>& dates) {
    for (int row = 1; row <= 6; ++row) {
        QLineEdit* box = dates[row - 1];
        if (!box || box->text().trimmed().isEmpty() || ParseDate(box->text())) continue;
        AskToCorrect(box, QString("You have entered an invalid date in row %1... Please try again").arg(row),
                     QCoreApplication::applicationName());
        return false;
    }
    return true;
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
    const QString child = "child" + QString::number(row);
    names_[row - 1] = MakeChildBox(AddTextBox(this, "Text" + QString::number(2 * row - 1),
                                              {kNameLeft, top, kNameWidth, kBoxHeight}, MakeFont("Arial", 9.75)),
                                   child + "name");
    QLineEdit* date = MakeChildBox(AddTextBox(this, "Text" + QString::number(2 * row),
                                              {kDateLeft, top, kDateWidth, kBoxHeight}, MakeFont("Arial", 9.75)),
                                   child + "dob");
    dates_[row - 1] = date;
    OnLostFocus(date, [date] { CheckDateBox(date); });
}

void ChildrenForm::LoadNamesAndDates() {
    for (int row = 1; row <= 6; ++row) {
        names_[row - 1]->setText(state.ChildName(row));
        dates_[row - 1]->setText(state.ChildDOB(row));
    }
}

bool ChildrenForm::RowIsNamed(int row) const { return !names_[row - 1]->text().trimmed().isEmpty(); }

bool ChildrenForm::Form_QueryUnload() {
    // The box being typed in is not left when the dialog closes by its close box or the Ok
    // access key: every date is checked again.
    std::array<QLineEdit*, 6> storedDates{};
    for (int row = 1; row <= 6; ++row) storedDates[row - 1] = RowIsNamed(row) ? dates_[row - 1] : nullptr;
    return DatesRecognised(storedDates);
}

void ChildrenForm::Form_Unload() {
    for (int row = 1; row <= 6; ++row) {
        const bool named = RowIsNamed(row);
        state.ChildName(row) = named ? names_[row - 1]->text() : QString("");
        state.ChildDOB(row) = named ? StoredDateOfBirth(dates_[row - 1]->text()) : QString("");
    }
}

}  // namespace qvr
