#include "dialogs/windows/get_ch_ba.h"

#include "core/cases_database.h"
#include "core/program_state.h"
#include "core/values.h"
#include "dialogs/windows/children_form.h"
#include "platform/character_limit.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qvr {

namespace {

constexpr int kDaysInYear = 365;

constexpr int kNameLeft = 240;
constexpr int kNameWidth = 3900;
constexpr int kDateLeft = 4260;
constexpr int kDateWidth = 1350;
constexpr int kNightsLeft = 5730;
constexpr int kNightsWidth = 840;
constexpr int kDefendantLeft = 6690;
constexpr int kDefendantWidth = 1920;
constexpr int kFirstRowTop = 2220;
constexpr int kRowStep = 420;
constexpr int kBoxHeight = 360;
constexpr int kTotalsTop = kFirstRowTop + 6 * kRowStep;

const QString kInstructions =
    "Worksheet B (Joint or Shared Physical Custody) is primarily based on the number of overnights that the "
    "children spend with each parent during the year. Using the form below, enter the name and birthdate of "
    "each child that is included in this support action. Then, enter the number of overnights that the "
    "children will spend with the Plaintiff. The program will automatically calculate the number of "
    "overnights for the Defendant.";

// The nights a stored text gives: the number it begins with, blanks anywhere in it ignored.
double StoredNights(QString text) { return Val(text.remove(' ').remove('\t').remove('\n')); }

// The nights a box holds: a whole number from 0 to 365, an empty box being 0; nullopt for anything else.
std::optional<int> Nights(const QString& text) {
    if (text.trimmed().isEmpty()) return 0;
    const std::optional<int> nights = WholeNumber(text);
    return nights && *nights >= 0 && *nights <= kDaysInYear ? nights : std::nullopt;
}

QString Share(double part, double whole) { return "(" + Str(Round(part / whole * 100)) + "%)"; }

}  // namespace

GetChBa::GetChBa() : ModalForm("GetChBa", 8850, 6300) {
    SetBackground(this, kLightYellow);
    setWindowTitle("Number of Overnights");
    AddLabel(this, "Label5", kInstructions, {240, 180, 8370, 1320}, MakeFont("Arial", 9.75));
    AddLabel(this, "Label2", "OVERNIGHTS", {kNightsLeft, 1620, kDefendantLeft + kDefendantWidth - kNightsLeft, 300},
             MakeFont("Arial", 9.75, true))
        ->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    const QFont headingFont = MakeFont("Arial", 9.75, true);
    AddLabel(this, "Label1",
             ColumnHeading(headingFont, {{"Child's Name", 0}, {"Date of Birth", kDateLeft - kNameLeft}}),
             {kNameLeft, 1920, kDateLeft + kDateWidth - kNameLeft, 300}, headingFont)
        ->setWordWrap(false);
    AddLabel(this, "Label3", "Plaintiff", {kNightsLeft - 120, 1920, kNightsWidth + 240, 300}, headingFont)
        ->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    AddLabel(this, "Label4", "Defendant", {kDefendantLeft + 240, 1920, kDefendantWidth - 240, 300}, headingFont);
    for (int row = 1; row <= 6; ++row) AddRow(row);

    const QFont totalsFont = MakeFont("Arial", 9.75, true);
    plaintiffTotal_ = AddLabel(this, "lblPTotal", "", {kNightsLeft, kTotalsTop, kNightsWidth, 300}, totalsFont);
    defendantTotal_ = AddLabel(this, "lblDTotal", "", {kDefendantLeft, kTotalsTop, kDefendantWidth, 300}, totalsFont);
    plaintiffPercent_ =
        AddLabel(this, "lblPPercent", "", {kNightsLeft, kTotalsTop + 300, kNightsWidth, 300}, totalsFont);
    defendantPercent_ =
        AddLabel(this, "lblDPercent", "", {kDefendantLeft, kTotalsTop + 300, kDefendantWidth, 300}, totalsFont);
    for (QLabel* total : {plaintiffTotal_, defendantTotal_}) SetTextColors(total, Qt::red, kLightYellow);
    for (QLabel* rightAligned : {plaintiffTotal_, plaintiffPercent_})
        rightAligned->setAlignment(Qt::AlignRight | Qt::AlignTop);

    QPushButton* ok = AddButton("Command1", "&Ok", {240, kTotalsTop + 780, 1215, 390});
    connect(ok, &QPushButton::clicked, this, [this] { close(); });
    Form_Load();
}

void GetChBa::AddRow(int row) {
    const int top = kFirstRowTop + (row - 1) * kRowStep;
    const QString n = QString::number(row);
    Row& controls = rows_[row - 1];
    controls.name = MakeChildBox(
        AddTextBox(this, "txtChild" + n, {kNameLeft, top, kNameWidth, kBoxHeight}, MakeFont("Arial", 9.75)),
        "child" + n + "name");
    controls.date = MakeChildBox(
        AddTextBox(this, "txtDOB" + n, {kDateLeft, top, kDateWidth, kBoxHeight}, MakeFont("Arial", 9.75)),
        "child" + n + "dob");
    controls.nights =
        AddTextBox(this, "Text" + n, {kNightsLeft, top, kNightsWidth, kBoxHeight}, MakeFont("Arial", 9.75, true));
    LimitCharacters(controls.nights, CasesColumnWidth("child" + n + "nights"));
    SetTextColors(controls.nights, Qt::red, Qt::white);
    controls.nights->setAlignment(Qt::AlignRight);
    controls.defendant = AddLabel(this, "Label" + QString::number(21 + row), "",
                                  {kDefendantLeft, top, kDefendantWidth, kBoxHeight}, MakeFont("Arial", 9.75, true));
    controls.defendant->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (QLineEdit* box : {controls.name, controls.nights}) OnLostFocus(box, [this] { ShowOvernights(); });
    OnLostFocus(controls.date, [this, date = controls.date] {
        CheckDateBox(date);
        ShowOvernights();
    });
}

bool GetChBa::IsNamed(const Row& row) { return !row.name->text().trimmed().isEmpty(); }

void GetChBa::Form_Load() {
    for (int row = 1; row <= 6; ++row) {
        Row& controls = rows_[row - 1];
        controls.name->setText(state.ChildName(row));
        controls.date->setText(state.ChildDOB(row));
        const QString& nights = state.ChildNights(row);
        controls.nights->setText(IsNamed(controls) && StoredNights(nights) > 0 ? nights : QString());
    }
    ShowOvernights();
}

void GetChBa::ShowOvernights() {
    double plaintiffNights = 0;
    double defendantNights = 0;
    bool allRead = true;
    for (Row& row : rows_) {
        if (!IsNamed(row)) row.nights->clear();
        const std::optional<int> nights = Nights(row.nights->text());
        allRead = allRead && nights;
        if (!IsNamed(row) || !nights) {
            row.defendant->clear();
            continue;
        }
        plaintiffNights += *nights;
        defendantNights += kDaysInYear - *nights;
        row.defendant->setText(" + " + Str(kDaysInYear - *nights) + "  =  365");
    }
    // Totals that left out a child would mislead: they wait until every box holds whole nights.
    const double allNights = plaintiffNights + defendantNights;
    if (allRead && allNights > 0) {
        plaintiffTotal_->setText(Str(plaintiffNights));
        defendantTotal_->setText(" + " + Str(defendantNights) + "  = " + Str(allNights));
        plaintiffPercent_->setText(Share(plaintiffNights, allNights));
        defendantPercent_->setText(Share(defendantNights, allNights));
    } else {
        for (QLabel* label : {plaintiffTotal_, defendantTotal_, plaintiffPercent_, defendantPercent_}) label->clear();
    }
}

bool GetChBa::NightsAreWhole() {
    for (int row = 1; row <= 6; ++row) {
        const Row& controls = rows_[row - 1];
        if (!IsNamed(controls) || Nights(controls.nights->text())) continue;
        AskToCorrect(controls.nights,
                     QString("The overnights with the Plaintiff in row %1 must be a whole number from 0 to 365... "
                             "Please try again")
                         .arg(row),
                     QCoreApplication::applicationName());
        return false;
    }
    return true;
}

bool GetChBa::Form_QueryUnload() {
    std::array<QLineEdit*, 6> dates{};
    for (int row = 1; row <= 6; ++row) dates[row - 1] = rows_[row - 1].date;
    return NightsAreWhole() && DatesRecognised(dates);
}

void GetChBa::Form_Unload() {
    for (int row = 1; row <= 6; ++row) {
        const Row& controls = rows_[row - 1];
        const bool named = IsNamed(controls);
        state.ChildName(row) = named ? controls.name->text() : QString("");
        state.ChildNights(row) = named ? QString::number(Nights(controls.nights->text()).value_or(0)) : QString("0");
        state.ChildDOB(row) = StoredDateOfBirth(controls.date->text());
    }
}

}  // namespace qvr
