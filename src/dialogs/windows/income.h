#pragma once
// The income dialog: an amount per pay period turned into the monthly income of worksheet line 1.
// In: DialogTitle, DialogValue (the monthly income). Out: DialogValue, a currency amount.

#include "dialogs/windows/form_kit.h"

namespace qvr {

class Income : public ModalForm {
public:
    Income();

protected:
    bool Form_QueryUnload() override;
    void Form_Unload() override;

private:
    void Form_Load();
    void ConvertToMonthly();

    QLineEdit* amountBox_ = nullptr;     // Text1
    QComboBox* payPeriods_ = nullptr;    // Combo1
    QLabel* monthlyIncome_ = nullptr;    // lblMonthlyIncome
};

}  // namespace qvr
