#include "dialogs/windows/get_ch_a.h"

#include <QPushButton>

namespace qvr {

GetChA::GetChA() : ChildrenForm("GetChA", 7800, 3660) {
    AddHeading({{"Child's Name", 0}, {"Date of Birth", kDateLeft - kNameLeft}}, kNameWidth + kDateWidth + 120);
    for (int row = 1; row <= 6; ++row) AddChildRow(row);
    QPushButton* ok = AddButton("Command1", "&Ok", {6360, RowTop(6), 1215, 390});
    connect(ok, &QPushButton::clicked, this, [this] { close(); });
    LoadNamesAndDates();
}

}  // namespace qvr
