#include "dialogs/windows/override_dialog.h"

#include "core/program_state.h"
#include "core/values.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qvr {

namespace {

const QString kExplanation =
    "This software program calculates child support based on the North Carolina Child Support Guidelines "
    "(last revised by the NC General Assembly in January, 2020).  You may override this calculation by "
    "entering an \"Override Amount\" in the space below, and then clicking on the checkbox labled \"User "
    "Override Amount\". ";
const QString kNote =
    "NOTE:  If you override the amount calculated by this program, be sure to notify all parties involved "
    "that the resulting child support award was calculated outside the NC Child Support Guidelines.";

}  // namespace

OverRide::OverRide() : ModalForm("OverRide", 7200, 3840) {
    SetBackground(this, kLightYellow);
    setWindowTitle("Override Child Support Amount");
    AddLabel(this, "Label1", kExplanation, {240, 240, 6720, 1200}, MakeFont("Arial", 9.75));
    AddLabel(this, "Label2", "Override Amount $", {240, 1620, 1920, 360}, MakeFont("Arial", 9.75, true))
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    amountBox_ = AddTextBox(this, "Text1", {2280, 1620, 1680, 360}, MakeFont("Arial", 9.75, true));
    useAmount_ =
        AddCheckBox(this, "Check1", "Use Override Amount", {4200, 1620, 2760, 360}, MakeFont("Arial", 9.75, true));
    AddLabel(this, "Label4", kNote, {240, 2220, 6720, 780}, MakeFont("Arial", 9.75, true));
    QPushButton* done = AddButton("Command1", "&Done", {2992, 3180, 1215, 390});

    connect(done, &QPushButton::clicked, this, [this] { close(); });
    connect(amountBox_, &QLineEdit::returnPressed, this, [this] { close(); });

    useAmount_->setChecked(state.OverrideFlag == "Y");
    amountBox_->setText(Format(state.OverrideAmount, "###,##0.00"));
    amountBox_->selectAll();
}

// A text that is no number, or a negative amount, does not turn the override on: the
// calculation needs an amount that line 4 can be.
bool OverRide::TurnsOn() const {
    const QString amount = amountBox_->text();
    return useAmount_->isChecked() && !amount.trimmed().isEmpty() && IsNumeric(amount) && AmountOf(amount) >= 0;
}

bool OverRide::Form_QueryUnload() { return !TurnsOn() || !RefuseTooLarge(AmountOf(amountBox_->text()), amountBox_); }

void OverRide::Form_Unload() {
    const bool on = TurnsOn();
    state.OverrideFlag = on ? "Y" : "N";
    state.OverrideAmount = on ? CurrencyText(AmountOf(amountBox_->text())) : QString("0");
}

}  // namespace qvr
