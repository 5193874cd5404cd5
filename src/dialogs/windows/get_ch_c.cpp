#include "dialogs/windows/get_ch_c.h"

#include "core/program_state.h"

#include <QCheckBox>
#include <QFrame>
#include <QPushButton>

namespace qvr {

namespace {

constexpr int kPanelLeft = 6360;
constexpr int kPanelWidth = 2760;

}  // namespace

GetChC::GetChC() : ChildrenForm("GetChC", 9360, 4140) {
    AddHeading({{"Child's Name", 0},
                {"Date of Birth", kDateLeft - kNameLeft},
                {"Custodial Arrangement", kPanelLeft - kNameLeft}},
               kPanelLeft + kPanelWidth - kNameLeft);
    for (int row = 1; row <= 6; ++row) {
        AddChildRow(row);
        AddCustodyPair(row);
    }
    QPushButton* ok = AddButton("Command1", "&Ok", {4072, RowTop(6) + 540, 1215, 390});
    connect(ok, &QPushButton::clicked, this, [this] { close(); });
    LoadNamesAndDates();
    LoadCustody();
}

void GetChC::AddCustodyPair(int row) {
    const int top = RowTop(row);
    auto* panel = new QFrame(this);
    panel->setObjectName("Shape" + QString::number(row));
    SetTextColors(panel, Qt::black, Qt::white);
    SetTwipsGeometry(panel, {kPanelLeft, top - 30, kPanelWidth, kBoxHeight + 60});
    QCheckBox* plaintiff = AddCheckBox(this, "Check" + QString::number(2 * row - 1), "Plaintiff",
                                       {kPanelLeft + 120, top, 1200, kBoxHeight}, MakeFont("Arial", 9.75));
    QCheckBox* defendant = AddCheckBox(this, "Check" + QString::number(2 * row), "Defendant",
                                       {kPanelLeft + 1380, top, 1320, kBoxHeight}, MakeFont("Arial", 9.75));
    for (QCheckBox* box : {plaintiff, defendant}) SetTextColors(box, kFieldBlue, Qt::white);
    connect(plaintiff, &QCheckBox::clicked, this, [plaintiff, defendant] { PairRule(plaintiff, defendant); });
    connect(defendant, &QCheckBox::clicked, this, [plaintiff, defendant] { PairRule(defendant, plaintiff); });
    plaintiff_[row - 1] = plaintiff;
    defendant_[row - 1] = defendant;
}

void GetChC::PairRule(QCheckBox* clicked, QCheckBox* partner) { partner->setChecked(!clicked->isChecked()); }

void GetChC::LoadCustody() {
    for (int row = 1; row <= 6; ++row) {
        const bool named = !state.ChildName(row).trimmed().isEmpty();
        const bool withDefendant = state.ChildCust(row) == "D";
        plaintiff_[row - 1]->setChecked(named && !withDefendant);
        defendant_[row - 1]->setChecked(named && withDefendant);
    }
}

void GetChC::Form_Unload() {
    ChildrenForm::Form_Unload();
    for (int row = 1; row <= 6; ++row) {
        // Only the "Defendant" box is read: a named row with neither box ticked lives with the Plaintiff.
        if (!RowIsNamed(row))
            state.ChildCust(row) = "";
        else
            state.ChildCust(row) = defendant_[row - 1]->isChecked() ? "D" : "P";
    }
}

}  // namespace qvr
