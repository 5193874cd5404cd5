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
namespace {

QListWidget* AddList(QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName("List1");
    list->setFont(MakeFont("Arial", 9.75));
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setTextElideMode(Qt::ElideNone);
    return list;
}

}  // namespace

Names::Names(QWidget* parent)
    : QDialog(parent),
      lblLocation(AddLabel(this, "lblLocation", QString(), MakeFont("Arial", 8))),
      List1(AddList(this)) {
    setObjectName("Names");
    CentreOnScreen(this, 4545, 5460);
    SetBackground(this, kLightYellow);
    SetTwipsGeometry(lblLocation, 150, 120, 4245, 720);
    SetTwipsGeometry(List1, 150, 900, 4245, 3780);

    QPushButton* select = AddButton(this, "cmdSelect", "SELECT NAME");
    select->setFont(MakeFont("Arial", 9, true));
    SetTwipsGeometry(select, 150, 4860, 2040, 420);
    QPushButton* clear = AddButton(this, "cmdClear", "&No Selection");
    SetTwipsGeometry(clear, 2355, 4860, 2040, 420);
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
    if (!state.NamesRecordset) return;
    const QStringList items = SortedNameList(*state.NamesRecordset, NameListing::EveryKeyedRecord);
    List1->addItems(items);
    if (items.isEmpty()) return;
    List1->setCurrentRow(std::max(RowOfKey(items, state.PickerKey), 0));
    List1->scrollToItem(List1->currentItem());
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
