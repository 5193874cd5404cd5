#pragma once
// The override dialog: an amount of the user's own in place of the schedule's basic obligation.
// In and out: OverrideFlag ("Y" or "N") and OverrideAmount.

#include "dialogs/windows/form_kit.h"

namespace qvr {

class OverRide : public ModalForm {
public:
    OverRide();

protected:
    bool Form_QueryUnload() override;
    void Form_Unload() override;

private:
    bool TurnsOn() const;

    QLineEdit* amountBox_ = nullptr;  // Text1
    QCheckBox* useAmount_ = nullptr;  // Check1
};

}  // namespace qvr
