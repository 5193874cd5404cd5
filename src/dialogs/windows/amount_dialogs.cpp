#include "dialogs/windows/amount_dialogs.h"

#include "core/program_state.h"
#include "core/values.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qvr {

namespace {

const QString kChildCareGuideline =
    "According to the 2019 Guidelines, \"Reasonable child care costs that are, or will be, paid by a parent due "
    "to employment or job search are added to the basic child support obligation and prorated between the "
    "parents based on their respective incomes. Other reasonable child care costs, such as child care costs "
    "incurred while the custodial parent attends school, may be the basis for a deviation. The court may also "
    "consider actual child care tax credits received by a parent as a basis for deviation.\"";
const QString kExtraordinaryGuideline =
    "Other extraordinary child-related expenses (including (1) expenses related to special or private "
    "elementary or secondary schools to meet a child’s particular education needs, and (2) expenses for "
    "transporting the child between the parent’s homes) may be added to the basic child support obligation "
    "and ordered paid by the parents in proportion to their respective incomes if the court determines the "
    "expenses are reasonable, necessary, and in the child’s best interest.";
const QString kPreExistingGuideline =
    "According to the 2019 Guidelines, \"A parent’s financial responsibility (as determined below) for his or "
    "her natural or adopted children who currently reside with the parent (other than children for whom child "
    "support is being determined in the pending action) is deducted from the parent’s gross income. Use of "
    "this deduction is appropriate when a child support order is entered or modified, but may not be the sole "
    "basis for modifying an existing order.\"";
const QString kInsuranceCost =
    "The amount that is or will be paid by a parent (or a parent’s spouse) for health (medical, or medical and "
    "dental) insurance for the children for whom support is being determined is added to the basic child "
    "support obligation and prorated between the parents based on their respective incomes. Payments that are "
    "made by a parent’s (or stepparent’s) employer for health insurance and are not deducted from the "
    "parent’s (or stepparent’s) wages are not included. When a child for whom support is being determined is "
    "covered by a family policy, only the health insurance premium actually attributable to that child is "
    "added. If this amount is not available or cannot be verified, the total cost of the premium is divided "
    "by the total number of persons covered by the policy and then multiplied by the number of covered "
    "children for whom support is being determined.";
const QString kUninsuredCosts =
    "The basic guideline support obligation includes $250 per child for the child’s annual uninsured medical "
    "and/or dental expenses. In any case, including those where a parent’s income falls within the shaded "
    "area of the child support schedule, the court may order that uninsured health care costs in excess of "
    "$250 per year (including reasonable and necessary costs related to medical care, dental care, "
    "orthodontia, asthma treatments, physical therapy, treatment of chronic health problems, and counseling "
    "or psychiatric therapy for diagnosed mental disorders) incurred by a parent be paid by either parent or "
    "both parents in such proportion as the court deems appropriate.";
const QString kReasonableCoverage =
    "The court must order either parent to obtain and maintain medical health insurance coverage for a child "
    "if it is actually and currently available to the parent at a reasonable cost. If health insurance is not "
    "actually and currently available to a parent at a reasonable cost at the time the court orders child "
    "support, the court must enter an order requiring the parent to obtain and maintain health insurance for a "
    "child if and when the parent has access to reasonably-priced health insurance for the child. The court "
    "may require one or both parties to maintain dental insurance. Pursuant to G.S. 50-13.11(a1), health "
    "insurance is reasonable if the coverage for the child is available at a cost to the parent that does not "
    "exceed five percent (5%) of the parent’s gross income. In applying this standard, the cost is the cost of "
    "(i) adding the child to the parent’s existing coverage, (ii) child-only coverage, or (iii) if new "
    "coverage must be obtained, the difference between the cost of self-only and family coverage.";

// The layout of the one-amount dialogs: the prompt over the amount box and its button, the
// guideline text below.
constexpr int kWidth = 7440;
constexpr Twips kPrompt{240, 240, 6960, 300};
constexpr Twips kAmountBox{240, 660, 1800, 360};
constexpr Twips kButton{2220, 645, 1215, 390};
constexpr Twips kGuideline{240, 1260, 6960, 1560};
constexpr int kHeight = 3060;

// An amount typed with thousands separators goes back as the whole amount, so that a caller
// reading it by its leading number does not stop at the first separator.
QString WithoutSeparators(const QString& text) {
    return text.contains(',') && IsNumeric(text) ? Format(text, "##0.00") : text;
}

// An amount of 0 or less goes back as none, so that no line takes a negative amount.
QString AmountOrNone(const QString& amount) { return Val(amount) <= 0 ? QString("") : amount; }

QLineEdit* OpeningAmountBox(QLineEdit* box) {
    box->setText(Format(state.DialogValue, "##0.00"));
    SelectTrimmedText(box);
    return box;
}

}  // namespace

GetCcare::GetCcare() : ModalForm("GetCcare", kWidth, kHeight) {
    SetBackground(this, kLightYellow);
    setWindowTitle(state.DialogTitle);
    AddLabel(this, "Label2", "Enter amount paid for work related child care", kPrompt, MakeFont("Arial", 9.75, true));
    amountBox_ = OpeningAmountBox(AddTextBox(this, "Text1", kAmountBox, MakeFont("Arial", 9.75, true)));
    QPushButton* ok = AddButton("Command1", "&Ok", kButton);
    AddLabel(this, "Label3", kChildCareGuideline, kGuideline, MakeFont("Arial", 9));
    connect(ok, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(amountBox_, &QLineEdit::returnPressed, this, [this] { Command1_Click(); });
}

void GetCcare::Command1_Click() {
    const QString amount = AmountOrNone(Format(amountBox_->text(), "#######0.00"));
    if (RefuseTooLarge(Val(amount), amountBox_)) return;
    state.DialogValue = amount;
    close();
}

AmountForm::AmountForm(const QString& name, int clientWidth, int clientHeight)
    : ModalForm(name, clientWidth, clientHeight) {
    SetBackground(this, kLightYellow);
    setWindowTitle(state.DialogTitle);
}

void AmountForm::AddAmountControls(Twips box, const QString& caption, Twips button) {
    amountBox_ = OpeningAmountBox(AddTextBox(this, "Text1", box, MakeFont("Arial", 9.75, true)));
    QPushButton* command = AddButton("Command1", caption, button);
    connect(command, &QPushButton::clicked, this, [this] { close(); });
    connect(amountBox_, &QLineEdit::returnPressed, this, [this] { close(); });
}

void AmountForm::ReformatOnLeaving() {
    OnLostFocus(amountBox_, [this] { amountBox_->setText(Format(amountBox_->text(), "##0.00")); });
}

QString AmountForm::HandedBack() const { return AmountOrNone(WithoutSeparators(amountBox_->text())); }

bool AmountForm::Form_QueryUnload() { return !RefuseTooLarge(Val(HandedBack()), amountBox_); }

void AmountForm::Form_Unload() { state.DialogValue = HandedBack(); }

GetIns::GetIns() : AmountForm("GetIns", 9840, 6960) {
    AddLabel(this, "lblHealthInsuranceCost",
             "Enter the cost of the health insurance for the children for whom support is being sought:",
             {240, 240, 9360, 300}, MakeFont("Arial", 9.75, true));
    AddAmountControls({240, 660, 1800, 360}, "&Done", {2220, 645, 1215, 390});
    AddLabel(this, "Label3", kInsuranceCost, {240, 1260, 9360, 1800}, MakeFont("Arial", 9));
    AddLabel(this, "Label1", kUninsuredCosts, {240, 3180, 9360, 1380}, MakeFont("Arial", 9));
    AddLabel(this, "Label2", kReasonableCoverage, {240, 4680, 9360, 2040}, MakeFont("Arial", 9));
}

GetExtra::GetExtra() : AmountForm("GetExtra", kWidth, kHeight) {
    AddLabel(this, "Label2", "Enter amount to use for Extraordinary Expenses", kPrompt, MakeFont("Arial", 9.75, true));
    AddAmountControls(kAmountBox, "&Ok", kButton);
    AddLabel(this, "Label3", kExtraordinaryGuideline, kGuideline, MakeFont("Arial", 9));
    ReformatOnLeaving();
}

GetPreEx::GetPreEx() : AmountForm("GetPreEx", kWidth, kHeight) {
    AddLabel(this, "Label2", "Enter amount of Pre-Existing Child Support Pmts", kPrompt, MakeFont("Arial", 9.75, true));
    AddAmountControls(kAmountBox, "&Ok", kButton);
    AddLabel(this, "Label5", kPreExistingGuideline, kGuideline, MakeFont("Arial", 9));
    ReformatOnLeaving();
}

}  // namespace qvr
