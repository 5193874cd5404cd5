#include "dialogs/windows/get_over.h"

#include "core/program_state.h"
#include "core/values.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace qvr {

namespace {

constexpr double kDaysInYear = 365;
// Worksheet B needs more than this many nights with each parent.
constexpr double kFewestNights = 122;

const QString kInstruction =
    "Enter the number of nights the child(ren) spend with each parent during the year.  If the child(ren) does "
    "not spend at least 123 overnights with each parent, Worksheet B may not be used.";
const QString kSpecialNote =
    "For the purposes of calculating child support, this program assumes that the OBLIGOR in this case is the "
    "party with the least number of overnights.  If so desired, you may change the assignment of the OBLIGOR "
    "below";

}  // namespace

GetOver::GetOver() : ModalForm("GetOver", 6720, 5640) {
    SetBackground(this, kLightYellow);
    setWindowTitle("Number of Overnights");
    AddLabel(this, "Label1", kInstruction, {240, 240, 6240, 780}, MakeFont("Arial", 9.75));
    AddLabel(this, "Label2", "Plaintiff", {1200, 1140, 1200, 300}, MakeFont("Arial", 9.75, true));
    plaintiffNights_ = AddTextBox(this, "Text1", {1200, 1440, 1200, 360}, MakeFont("Arial", 9.75, true));
    AddLabel(this, "Label4", "+", {2520, 1440, 360, 360}, MakeFont("Arial", 12, true));
    AddLabel(this, "Label3", "Defendant", {3000, 1140, 1200, 300}, MakeFont("Arial", 9.75, true));
    defendantNights_ = AddLabel(this, "Label7", "", {3000, 1440, 1200, 360}, MakeFont("Arial", 9.75, true));
    AddLabel(this, "Label5", "= 365", {4320, 1440, 1200, 360}, MakeFont("Arial", 9.75, true));
    AddLabel(this, "Label8", "Special Note", {240, 2040, 6240, 300}, MakeFont("Arial", 9.75, true));
    AddLabel(this, "Label6", kSpecialNote, {240, 2340, 6240, 1020}, MakeFont("Arial", 9.75));
    const QFont optionFont = MakeFont("Arial", 9.75);
    plaintiffObligor_ =
        AddOptionButton(this, "Option1", "Make the Plaintiff the Obligor", {480, 3480, 5760, 300}, optionFont);
    defendantObligor_ =
        AddOptionButton(this, "Option2", "Make the Defendant the Obligor", {480, 3840, 5760, 300}, optionFont);
    programObligor_ =
        AddOptionButton(this, "Option3", "Let the program assign the Obligor", {480, 4200, 5760, 300}, optionFont);
    QPushButton* ok = AddButton("Command1", "&Ok", {2752, 4860, 1215, 390});

    OnLostFocus(plaintiffNights_, [this] { Text1_LostFocus(); });
    connect(ok, &QPushButton::clicked, this, [this] { close(); });
    Form_Load();
}

void GetOver::Form_Load() {
    if (state.PlaintiffOvernights > 0) {
        plaintiffNights_->setText(Str(state.PlaintiffOvernights).trimmed());
        defendantNights_->setText(Str(kDaysInYear - state.PlaintiffOvernights).trimmed());
    }
    if (state.ObligorChoice == "P")
        plaintiffObligor_->setChecked(true);
    else if (state.ObligorChoice == "D")
        defendantObligor_->setChecked(true);
    else
        programObligor_->setChecked(true);
    plaintiffNights_->setSelection(0, 3);
}

void GetOver::Text1_LostFocus() {
    const double nights = Val(plaintiffNights_->text());
    if (nights <= kFewestNights) {
        defendantNights_->clear();
        state.PlaintiffOvernights = 0;
        state.DefendantOvernights = 0;
    } else {
        defendantNights_->setText(Str(kDaysInYear - nights).trimmed());
        state.PlaintiffOvernights = nights;
        state.DefendantOvernights = kDaysInYear - nights;
    }
}

void GetOver::Form_Unload() {
    // The box is read again as on leaving it, so that nights typed without leaving the box
    // count, and a count too small for Worksheet B never goes back.
    Text1_LostFocus();
    state.ObligorChoice = plaintiffObligor_->isChecked() ? "P" : defendantObligor_->isChecked() ? "D" : " ";
}

}  // namespace qvr
