#pragma once
// Worksheet C's children dialog: name, date of birth and the parent each child lives with.
// In and out: ChildName1…6, ChildDOB1…6, ChildCust1…6 ("P" or "D").

#include "dialogs/windows/children_form.h"

namespace qvr {

class GetChC : public ChildrenForm {
public:
    GetChC();

protected:
    void Form_Unload() override;

private:
    void AddCustodyPair(int row);
    void LoadCustody();
    // A row's two boxes are partners: exactly one stays ticked once either is clicked.
    static void PairRule(QCheckBox* clicked, QCheckBox* partner);

    std::array<QCheckBox*, 6> plaintiff_{};
    std::array<QCheckBox*, 6> defendant_{};
};

}  // namespace qvr
