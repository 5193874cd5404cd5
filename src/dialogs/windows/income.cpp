#include "dialogs/windows/income.h"

#include "core/program_state.h"
#include "core/values.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

namespace qvr {

namespace {

struct PayPeriod {
    const char* item;
    double (*monthly)(double amount);
};

// The guidelines' own factors, not 52/12 and 26/12.
const std::array<PayPeriod, 5> kPayPeriods{{
    {"Monthly", [](double a) { return a; }},
    {"Weekly", [](double a) { return a * 4.33; }},
    {"Bi-Weekly (ie., every other Friday)", [](double a) { return a * 2.167; }},
    {"Semi-Monthly (ie., 1st & 15th)", [](double a) { return a * 2; }},
    {"Annually", [](double a) { return a / 12; }},
}};

const QString kExplanation =
    "The Child Support Guidelines require that income be expressed as a monthly value.  This routine will "
    "convert the most popular pay periods to a monthly value. Enter the income amount and pay period below.";
const QString kExample =
    "If your client says that his/her income is $400 per week, enter '400.00' in the space provided, then "
    "select 'Weekly' from the pull-down menu. The monthly equivalent will be provided. If you are satisfied "
    "with this amount, click on the button labeled 'Use This Amount'.";

}  // namespace

Income::Income() : ModalForm("Income", 7440, 5100) {
    SetBackground(this, kLightYellow);
    AddLabel(this, "Label6", "Express Income as a Monthly Value", {240, 180, 6960, 390}, MakeFont("Arial", 12, true))
        ->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    AddLabel(this, "Label3", kExplanation, {240, 660, 6960, 780}, MakeFont("Arial", 9.75));
    AddLabel(this, "Label2", "Enter Amount $", {240, 1620, 1560, 360}, MakeFont("Arial", 9.75, true))
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    amountBox_ = AddTextBox(this, "Text1", {1860, 1620, 1500, 360}, MakeFont("Arial", 9.75, true));
    payPeriods_ = AddComboBox(this, "Combo1", {3480, 1620, 3720, 360}, MakeFont("Arial", 9.75));
    monthlyIncome_ = AddLabel(this, "lblMonthlyIncome", "", {240, 2160, 6960, 360}, MakeFont("Arial", 12, true));
    monthlyIncome_->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    AddLabel(this, "Label5", "EXAMPLE:", {240, 2700, 1500, 300}, MakeFont("Arial", 9.75, true));
    AddLabel(this, "Label4", kExample, {240, 3000, 6960, 1020}, MakeFont("Arial", 9.75));
    QPushButton* use = AddButton("Command1", "Use This Amount", {2820, 4320, 1800, 450});

    OnLostFocus(amountBox_, [this] { ConvertToMonthly(); });
    // Enter takes the user on to the pay period; leaving the amount converts it.
    connect(amountBox_, &QLineEdit::returnPressed, payPeriods_, [this] { payPeriods_->setFocus(Qt::TabFocusReason); });
    connect(use, &QPushButton::clicked, this, [this] { close(); });
    Form_Load();
    connect(payPeriods_, &QComboBox::currentIndexChanged, this, [this] { ConvertToMonthly(); });
}

void Income::Form_Load() {
    setWindowTitle(state.DialogTitle);
    amountBox_->setText(Format(state.DialogValue, "###,##0.00"));
    for (const PayPeriod& period : kPayPeriods) payPeriods_->addItem(period.item);
    payPeriods_->setCurrentIndex(0);
    ConvertToMonthly();
    // Selected last: the conversion may rewrite the box, which would drop the selection and
    // make the first amount typed go after the "0.00".
    SelectTrimmedText(amountBox_);
}

// A negative amount gives no income, as an amount of 0 or less gives no expense.
void Income::ConvertToMonthly() {
    if (Val(amountBox_->text()) <= 0) {
        amountBox_->setText("0.00");
        state.DialogValue = "0";
    } else if (const int period = payPeriods_->currentIndex(); period >= 0) {
        // A text that is a number only at its start counts by that number, thousands included.
        const double amount = CCur(AmountOf(amountBox_->text()));
        state.DialogValue = Str(kPayPeriods[period].monthly(amount)).trimmed();
    }
    monthlyIncome_->setText("$ " + Format(Val(state.DialogValue), "##,##0.00") + " per Month");
}

// An amount typed and closed by the close box, without leaving the box, still counts.
bool Income::Form_QueryUnload() {
    ConvertToMonthly();
    return !RefuseTooLarge(Val(state.DialogValue), amountBox_);
}

void Income::Form_Unload() { state.DialogValue = CurrencyText(Val(state.DialogValue)); }

}  // namespace qvr
