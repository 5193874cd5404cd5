#include "dialogs/windows/get_ch_ba.h"

#include "core/program_state.h"
#include "core/values.h"
#include "dialogs/windows/children_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qvr {

namespace {

constexpr double kDaysInYear = 365;

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

// The nights a text gives: the number it begins with, blanks anywhere in it ignored.
double Nights(QString text) { return Val(text.remove(' ').remove('\t').remove('\n')); }

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
        AddTextBox(this, "txtChild" + n, {kNameLeft, top, kNameWidth, kBoxHeight}, MakeFont("Arial", 9.75)));
    controls.date =
        MakeChildBox(AddTextBox(this, "txtDOB" + n, {kDateLeft, top, kDateWidth, kBoxHeight}, MakeFont("Arial", 9.75)));
    controls.nights =
        AddTextBox(this, "Text" + n, {kNightsLeft, top, kNightsWidth, kBoxHeight}, MakeFont("Arial", 9.75, true));
    SetTextColors(controls.nights, Qt::red, Qt::white);
    controls.nights->setAlignment(Qt::AlignRight);
    controls.defendant = AddLabel(this, "Label" + QString::number(21 + row), "",
                                  {kDefendantLeft, top, kDefendantWidth, kBoxHeight}, MakeFont("Arial", 9.75, true));
    controls.defendant->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (QLineEdit* box : {controls.name, controls.date, controls.nights})
        OnLostFocus(box, [this] { ShowOvernights(); });
}

bool GetChBa::IsNamed(const Row& row) { return !row.name->text().isEmpty(); }

void GetChBa::Form_Load() {
    for (int row = 1; row <= 6; ++row) {
        Row& controls = rows_[row - 1];
        controls.name->setText(state.ChildName(row));
        controls.date->setText(state.ChildDOB(row));
        const QString& nights = state.ChildNights(row);
        controls.nights->setText(IsNamed(controls) && Nights(nights) > 0 ? nights : QString());
    }
    ShowOvernights();
}

void GetChBa::ShowOvernights() {
    double plaintiffNights = 0;
    double defendantNights = 0;
    for (Row& row : rows_) {
        if (!IsNamed(row)) {
            row.nights->clear();
            row.defendant->clear();
            continue;
        }
        const double nights = Nights(row.nights->text());
        plaintiffNights += nights;
        defendantNights += kDaysInYear - nights;
        row.defendant->setText(" + " + Str(kDaysInYear - nights) + "  =  365");
    }
    const double allNights = plaintiffNights + defendantNights;
    if (allNights > 0) {
        plaintiffTotal_->setText(Str(plaintiffNights));
        defendantTotal_->setText(" + " + Str(defendantNights) + "  = " + Str(allNights));
        plaintiffPercent_->setText(Share(plaintiffNights, allNights));
        defendantPercent_->setText(Share(defendantNights, allNights));
    } else {
        for (QLabel* label : {plaintiffTotal_, defendantTotal_, plaintiffPercent_, defendantPercent_}) label->clear();
    }
}

void GetChBa::Form_Unload() {
    for (int row = 1; row <= 6; ++row) {
        const Row& controls = rows_[row - 1];
        state.ChildName(row) = controls.name->text();
        state.ChildNights(row) = Nights(controls.nights->text()) > 0 ? controls.nights->text() : QString("0");
        state.ChildDOB(row) = StoredDateOfBirth(controls.date->text());
    }
}

}  // namespace qvr
