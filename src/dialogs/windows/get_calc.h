#pragma once
// Shows the calculation's explanation (ExplanationText) in a dialog; hands nothing back.

#include "dialogs/windows/form_kit.h"

namespace qvr {

class GetCalc : public ModalForm {
public:
    GetCalc();
};

}  // namespace qvr
