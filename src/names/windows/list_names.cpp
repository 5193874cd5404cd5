#include "names/windows/list_names.h"

#include "core/names_database.h"
#include "core/program_state.h"
#include "names/name_list.h"
#include "names/name_records.h"
#include "names/windows/add_new_name.h"
#include "names/windows/names_window_kit.h"

#include <QListWidget>
#include <QPushButton>

namespace qvr {

ListNames::ListNames(QWidget* parent)
    : QDialog(parent), List1(AddListBox(this, "List1", {330, 330, 5340, 6405}, MakeFont("Arial", 11.25))) {
    setObjectName("ListNames");
    setWindowTitle("Select a Name");
    CentreOnScreen(this, 6030, 7650);
    SetBackground(this, kLightYellow);

    connect(List1, &QListWidget::currentRowChanged, this, &ListNames::List1_Click);
    connect(List1, &QListWidget::itemDoubleClicked, this, &ListNames::List1_DblClick);

    QPushButton* select = AddButton(this, "cmdSelect", "&SELECT", {300, 6945, 1425, 375});
    select->setFont(MakeFont("Arial", 12, true));
    QPushButton* clear = AddButton(this, "cmdClear", "&No Selection", {1972, 6945, 1635, 375});
    QPushButton* add = AddButton(this, "cmdAddNewName", "&Add New Name", {3855, 6945, 1815, 375});
    connect(select, &QPushButton::clicked, this, &ListNames::cmdSelect_Click);
    connect(clear, &QPushButton::clicked, this, &ListNames::cmdClear_Click);
    connect(add, &QPushButton::clicked, this, &ListNames::cmdAddNewName_Click);
    select->setDefault(true);
    List1->setFocus();

    Form_Load();
}

void ListNames::Form_Load() { BuildNameList(); }

// The selections made here leave PickerKey alone: a preset key that is not listed stays the
// choice until the user clicks.
void ListNames::BuildNameList() {
    state.BuildingList = "Y";
    List1->clear();
    OpenNamesTable();
    const int row = FillNameList(List1, NameListing::NamedAndKeyed, state.PickerKey);
    if (row >= 0) state.LoopIndex = row;
    state.BuildingList = "N";
}

void ListNames::List1_Click() {
    if (state.BuildingList != "N" || !List1->currentItem()) return;
    state.PickerKey = ListItemKey(List1->currentItem()->text());
}

void ListNames::List1_DblClick() { cmdSelect_Click(); }

// With nothing listed there is nothing to take: the picker stays open for No Selection or Add.
void ListNames::cmdSelect_Click() {
    if (!List1->currentItem()) return;
    state.PickerKey = ListItemKey(List1->currentItem()->text());
    TakePickedName();
}

void ListNames::cmdClear_Click() {
    state.PickerKey = "";
    ClearNameFields();
    accept();
}

void ListNames::cmdAddNewName_Click() {
    state.CurrentNameKey = state.PickerKey;
    AddNewName(this).exec();
    if (state.CurrentNameKey == state.PickerKey) return;
    state.PickerKey = state.CurrentNameKey;
    TakePickedName();
}

// A party deleted on another workstation since the list was built is not taken: the user is told
// and chooses again from the list as it is now.
void ListNames::TakePickedName() {
    if (LoadChosenName(state.PickerKey)) {
        accept();
        return;
    }
    ReportNameMissing();
    BuildNameList();
}

}  // namespace qvr
