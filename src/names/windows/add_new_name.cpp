#include "names/windows/add_new_name.h"

#include "core/names_database.h"
#include "core/program_state.h"
#include "names/name_records.h"
#include "names/windows/names_window_kit.h"
#include "platform/character_limit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace qvr {
namespace {

constexpr int kLabelLeft = 360;
constexpr int kBoxLeft = 2040;

QRadioButton* AddOption(QWidget* parent, const QString& name, const QString& caption, int left) {
    return AddOptionButton(parent, name, caption, {left, 240, 1500, 360}, MakeFont("Arial", 9.75, true));
}

// A box for a part of the name keeps one variable of the selected-name block up to date.
void MirrorInto(QLineEdit* box, Value ProgramState::*variable) {
    state.*variable = box->text();
    QObject::connect(box, &QLineEdit::textChanged, box, [variable](const QString& text) { state.*variable = text; });
}

// The narrowest of the columns a firm's name goes into.
int FirmNameWidth(const Recordset& names) {
    int width = 0;
    for (const char* column : {"firmname", "listname", "lastfirstmiddle"}) {
        const int columnWidth = ColumnWidth(names, column);
        if (columnWidth > 0) width = width > 0 ? std::min(width, columnWidth) : columnWidth;
    }
    return width;
}

}  // namespace

AddNewName::AddNewName(QWidget* parent)
    : QDialog(parent),
      optPerson(AddOption(this, "optPerson", "&Person", kLabelLeft)),
      optFirm(AddOption(this, "optFirm", "F&irm", kBoxLeft)),
      txtFirstName(AddNameBox("txtFirstName", "&First name:", 840)),
      txtMiddleName(AddNameBox("txtMiddleName", "&Middle name:", 1320)),
      txtLastName(AddNameBox("txtLastName", "&Last name:", 1800)),
      txtSuffix(AddNameBox("txtSuffix", "S&uffix:", 2280)),
      txtFirmName(AddNameBox("txtFirmName", "Firm &name:", 3000)) {
    setObjectName("AddNewName");
    setWindowTitle("Add New Name");
    CentreOnScreen(this, 6195, 4380);
    SetBackground(this, kLightYellow);

    QPushButton* save = AddButton(this, "cmdSave", "&Save", {1770, 3720, 1215, 390});
    QPushButton* cancel = AddButton(this, "cmdCancel", "&Cancel", {3195, 3720, 1215, 390});
    save->setDefault(true);
    connect(save, &QPushButton::clicked, this, &AddNewName::cmdSave_Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(optPerson, &QRadioButton::toggled, this, &AddNewName::ShowKind);

    Form_Load();
}

QLineEdit* AddNewName::AddNameBox(const QString& name, const QString& caption, int top) {
    QLineEdit* box = AddTextBox(this, name, {kBoxLeft, top, 3795, 360}, MakeFont("MS Sans Serif", 9.75, true));
    HighlightFocus(box);
    QLabel* label =
        AddLabel(this, "lbl" + name.mid(3), caption, {kLabelLeft, top + 45, 1620, 330}, MakeFont("Arial", 9.75));
    label->setTextFormat(Qt::AutoText);  // the & marks the box's shortcut
    label->setBuddy(box);
    return box;
}

void AddNewName::Form_Load() {
    OpenNamesTable();
    if (const Recordset* names = state.NamesRecordset.get()) {
        LimitCharacters(txtFirstName, ColumnWidth(*names, "firstname"));
        LimitCharacters(txtMiddleName, ColumnWidth(*names, "middlename"));
        LimitCharacters(txtLastName, ColumnWidth(*names, "Lastname"));
        LimitCharacters(txtSuffix, ColumnWidth(*names, "suffix"));
        LimitCharacters(txtFirmName, FirmNameWidth(*names));
    }
    MirrorInto(txtFirstName, &ProgramState::SelFirstname);
    MirrorInto(txtMiddleName, &ProgramState::SelMiddlename);
    MirrorInto(txtLastName, &ProgramState::SelLastname);
    MirrorInto(txtSuffix, &ProgramState::SelSuffix);
    MirrorInto(txtFirmName, &ProgramState::SelFirmname);
    optPerson->setChecked(true);
    ShowKind();
}

// Only the boxes of the kind chosen can be typed in; what the others hold is kept but not saved.
void AddNewName::ShowKind() {
    const bool person = optPerson->isChecked();
    for (QLineEdit* box : {txtFirstName, txtMiddleName, txtLastName, txtSuffix}) box->setEnabled(person);
    txtFirmName->setEnabled(!person);
    (person ? txtFirstName : txtFirmName)->setFocus();
}

void AddNewName::cmdSave_Click() {
    const NewName name{optFirm->isChecked(), txtFirmName->text(),
                       {txtFirstName->text(), txtMiddleName->text(), txtLastName->text(), txtSuffix->text()}};
    if (!CanSave(name)) {
        reject();
        return;
    }
    OpenNamesTable();
    if (!state.NamesRecordset) {
        ReportWriteFailed();
        return;
    }
    QString key;
    std::optional<TooLong> tooLong;
    if (!Written(AddNewNameRecord(*state.NamesRecordset, name, &key, &tooLong), tooLong)) return;
    state.CurrentNameKey = key;
    accept();
}

}  // namespace qvr
