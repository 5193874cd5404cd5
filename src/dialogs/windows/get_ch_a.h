#pragma once
// Worksheet A's children dialog: each child's name and date of birth.
// In and out: ChildName1…6, ChildDOB1…6.

#include "dialogs/windows/children_form.h"

namespace qvr {

class GetChA : public ChildrenForm {
public:
    GetChA();
};

}  // namespace qvr
