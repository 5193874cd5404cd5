#include "names/windows/names_picker.h"

#include "core/names_database.h"
#include "core/program_state.h"
#include "names/name_list.h"
#include "names/name_records.h"
#include "names/windows/names_window_kit.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace qvr {
Names::Names(QWidget* parent)
    : QDialog(parent),
      lblLocation(AddLabel(this, "lblLocation", QString(), {150, 120, 4245, 720}, MakeFont("Arial", 8))),
      List1(AddListBox(this, "List1", {150, 900, 4245, 3780}, MakeFont("Arial", 9.75))) {
    setObjectName("Names");
    CentreOnScreen(this, 4545, 5460);
    SetBackground(this, kLightYellow);

    QPushButton* select = AddButton(this, "cmdSelect", "SELECT NAME", {150, 4860, 2040, 420});
    select->setFont(MakeFont("Arial", 9, true));
    QPushButton* clear = AddButton(this, "cmdClear", "&No Selection", {2355, 4860, 2040, 420});
    connect(select, &QPushButton::clicked, this, &Names::cmdSelect_Click);
    connect(clear, &QPushButton::clicked, this, &Names::cmdClear_Click);
    connect(List1, &QListWidget::itemDoubleClicked, this, &Names::cmdSelect_Click);
    select->setDefault(true);
    List1->setFocus();

    Form_Load();
}

Names::~Names() = default;

void Names::Form_Load() {
    setWindowTitle(state.DialogTitle.isEmpty() ? QString("NAMES Database") : state.DialogTitle);
    lblLocation->setText("DATABASE LOCATION:   " + state.FilesLocation + "\\NAMES.mdb");
    FixNamesNulls();
    if (state.NamesRecordset) AddMissingPresetName();
    BuildList();
}

void Names::BuildList() {
    List1->clear();
    FixNamesNulls();
    FillNameList(List1, NameListing::EveryKeyedRecord, state.PickerKey);
}

// A party stored with a case but gone from the table comes back under its key, so that the
// case's party can be chosen again.
void Names::AddMissingPresetName() {
    const QString key = state.PickerKey.trimmed();
    const QString name = state.PickerPartyName.trimmed();
    if (key.isEmpty() || name.isEmpty()) return;
    Recordset& names = *state.NamesRecordset;
    if (StoredNameKeys(names).contains(key)) return;
    AddNameRecord(names, {{"keynumber", state.PickerKey}, {"firmname", state.PickerPartyName},
                          {"listname", state.PickerPartyName}});
}

void Names::cmdSelect_Click() {
    const QListWidgetItem* item = List1->currentItem();
    if (!item) return;
    const QString key = ListItemKey(item->text());
    if (!LoadChosenName(key)) {
        ReportNameMissing();
        BuildList();
        return;
    }
    state.CurrentNameKey = key;
    state.PickerKey = key;
    accept();
}

void Names::cmdClear_Click() {
    state.PickerKey = "";
    state.CurrentNameKey = "";
    ClearNameFields();
    accept();
}

}  // namespace qvr
