#pragma once
// The other-children dialog: a party's number of other children and the responsibility credit
// that the schedule gives for them at the party's own income.
// In: DialogParty, DialogIncome, DialogValue (the number). Out: DialogValue, DialogValue2 (the credit).

#include "dialogs/windows/form_kit.h"

namespace qvr {

class GetResp : public ModalForm {
public:
    GetResp();

protected:
    void Form_Unload() override;

private:
    void Form_Load();
    void Text1_LostFocus();
    void Text2_LostFocus();
    void CalcResponsibilityCredit();

    QLineEdit* countBox_ = nullptr;   // Text1
    QLineEdit* creditBox_ = nullptr;  // Text2
    QLabel* sentence_ = nullptr;      // Label6
};

}  // namespace qvr
