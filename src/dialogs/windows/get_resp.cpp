#include "dialogs/windows/get_resp.h"

#include "core/program_state.h"
#include "core/values.h"
#include "dialogs/schedule_lookup.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qvr {

namespace {

const QString kCountPrompt = "Enter the number of OTHER Children (ouitside of this support action)";
const QString kInstruction =
    "To calculate a credit for being financially responsible for other children outside of this support "
    "action, you must first enter the number of children in the space above.";
const QString kGuideline =
    "According to the 2019 Guidelines, \"A parent’s financial responsibility for his or her natural or adopted "
    "children who currently reside with the parent (other than children for whom child support is being "
    "determined in the pending action) is equal to the basic child support obligation for these children, "
    "based on the parent’s income.\"";

QString CreditSentence(const QString& count, double children, double income, const QString& creditText) {
    return "Line 1 of the Worksheet states that the " + state.DialogParty + "'s Gross Income is $" +
           Format(income, "###,##0.00") +
           " per month. According to the Schedule of Basic Child Support Obligation, the support amount to be "
           "credited to the " +
           state.DialogParty + " for " + count + (children == 1 ? " child is $" : " children is $") + creditText +
           " per month.  You may override this amount by entering it into the space below.";
}

}  // namespace

GetResp::GetResp() : ModalForm("GetResp", 7440, 5160) {
    SetBackground(this, kLightYellow);
    AddLabel(this, "Label2", kCountPrompt, {240, 240, 5400, 480}, MakeFont("Arial", 9.75, true));
    countBox_ = AddTextBox(this, "Text1", {5760, 270, 960, 360}, MakeFont("Arial", 9.75, true));
    sentence_ = AddLabel(this, "Label6", "", {240, 840, 6960, 1560}, MakeFont("Arial", 9.75));
    AddLabel(this, "Label4", "Amount to be used on the form $", {240, 2580, 3480, 300}, MakeFont("Arial", 9.75, true))
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    creditBox_ = AddTextBox(this, "Text2", {3840, 2550, 1560, 360}, MakeFont("Arial", 9.75, true));
    AddLabel(this, "Label3", kGuideline, {240, 3180, 6960, 1200}, MakeFont("Arial", 9, false));
    QPushButton* ok = AddButton("Command1", "&Ok", {3112, 4530, 1215, 390});

    OnLostFocus(countBox_, [this] { Text1_LostFocus(); });
    OnLostFocus(creditBox_, [this] { Text2_LostFocus(); });
    connect(ok, &QPushButton::clicked, this, [this] { close(); });
    Form_Load();
}

void GetResp::Form_Load() {
    setWindowTitle(state.DialogParty + "'s Responsibility for Other Children");
    countBox_->setText(IsNumeric(state.DialogValue) ? Format(state.DialogValue, "##") : QString("0"));
    SelectTrimmedText(countBox_);
    CalcResponsibilityCredit();
}

void GetResp::CalcResponsibilityCredit() {
    const double children = Val(countBox_->text());
    const double income = AmountOf(state.DialogIncome);
    // No credit (no band, no next row) shows as a credit of 0, which is what goes back.
    const QString creditText = Format(LookupOtherChildrenCredit(income, children).value_or(0), "###,##0.00");
    sentence_->setText(children == 0 ? kInstruction
                                     : CreditSentence(countBox_->text(), children, income, creditText));
    creditBox_->setText(creditText);
}

void GetResp::Text1_LostFocus() {
    countBox_->setText(IsNumeric(countBox_->text()) ? Format(countBox_->text(), "##") : QString("0.00"));
    CalcResponsibilityCredit();
}

// The credit box always shows the computed credit: an amount typed into it does not survive.
void GetResp::Text2_LostFocus() { CalcResponsibilityCredit(); }

void GetResp::Form_Unload() {
    CalcResponsibilityCredit();
    const QString count = countBox_->text();
    if (IsNumeric(count) && AmountOf(count) >= 0) {
        state.DialogValue = CurrencyText(AmountOf(count));
        state.DialogValue2 = IsNumeric(creditBox_->text()) ? CurrencyText(AmountOf(creditBox_->text())) : "0";
    } else {
        state.DialogValue = "0";
        state.DialogValue2 = "0";
    }
}

}  // namespace qvr
