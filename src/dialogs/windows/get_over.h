#pragma once
// The overnights dialog: the nights with each parent in a year and the choice of the obligor.
// In and out: PlaintiffOvernights, DefendantOvernights, ObligorChoice.

#include "dialogs/windows/form_kit.h"

class QRadioButton;

namespace qvr {

class GetOver : public ModalForm {
public:
    GetOver();

protected:
    void Form_Unload() override;

private:
    void Form_Load();
    void Text1_LostFocus();

    QLineEdit* plaintiffNights_ = nullptr;  // Text1
    QLabel* defendantNights_ = nullptr;     // Label7
    QRadioButton* plaintiffObligor_ = nullptr;
    QRadioButton* defendantObligor_ = nullptr;
    QRadioButton* programObligor_ = nullptr;
};

}  // namespace qvr
