#pragma once
// Worksheet B's children dialog: name, date of birth and the overnights with the Plaintiff, with
// the Defendant's nights, both totals and each parent's share shown as the user types.
// In and out: ChildName1…6, ChildDOB1…6, ChildNights1…6.

#include "dialogs/windows/form_kit.h"

#include <array>

namespace qvr {

class GetChBa : public ModalForm {
public:
    GetChBa();

protected:
    bool Form_QueryUnload() override;
    void Form_Unload() override;

private:
    struct Row {
        QLineEdit* name = nullptr;    // txtChildN
        QLineEdit* date = nullptr;    // txtDOBN
        QLineEdit* nights = nullptr;  // TextN: nights with the Plaintiff
        QLabel* defendant = nullptr;  // Label2(N+1): the Defendant's nights
    };

    void AddRow(int row);
    void Form_Load();
    void ShowOvernights();
    bool NightsAreWhole();
    // A name of blanks is no child.
    static bool IsNamed(const Row& row);

    std::array<Row, 6> rows_{};
    QLabel* plaintiffTotal_ = nullptr;    // lblPTotal
    QLabel* defendantTotal_ = nullptr;    // lblDTotal
    QLabel* plaintiffPercent_ = nullptr;  // lblPPercent
    QLabel* defendantPercent_ = nullptr;  // lblDPercent
};

}  // namespace qvr
