#include "names/windows/names_admin.h"

#include "core/frame.h"
#include "core/names_database.h"
#include "core/program_state.h"
#include "names/name_list.h"
#include "names/name_records.h"
#include "names/windows/add_new_name.h"
#include "names/windows/names_window_kit.h"
#include "platform/character_limit.h"
#include "platform/messages.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <functional>
#include <span>

namespace qvr {
namespace {

const char kSeedKey[] = "A0000001";

// How wide a box is, in twips; a full box takes the width of its column. The short ones hold
// their column's typical values whole: a phone number with its extension, a date, a ZIP+4.
constexpr int kFullWidth = 0;
constexpr int kShortText = 2100;
constexpr int kPhone = 1800;
constexpr int kDate = 1350;
constexpr int kZip = 1350;
constexpr int kState = 600;

struct FieldSpec {
    const char* column;
    const char* boxName;
    int width = kFullWidth;
    bool besidePrevious = false;  // on the row of the field before it, with its caption before it
};

struct FieldGroup {
    const char* heading;
    std::vector<FieldSpec> fields;
};

// The columns that the window edits, in two columns of groups. The key is shown, not edited:
// cases refer to their parties by it.
const std::vector<std::vector<FieldGroup>> kFieldPanel = {
    {{"Name",
      {{"keynumber", "txtKeyNumber", kShortText},
       {"firstname", "txtFirstName"},
       {"middlename", "txtMiddleName"},
       {"Lastname", "txtLastName"},
       {"suffix", "txtSuffix", kShortText},
       {"listname", "txtListName"},
       {"firmname", "txtFirmName"},
       {"lastfirstmiddle", "txtLastFirstMiddle"}}},
     {"Address",
      {{"street", "txtStreet"},
       {"street2", "txtStreet2"},
       {"city", "txtCity"},
       {"namestate", "txtState", kState},
       {"zipcode", "txtZipCode", kZip, true},
       {"namecounty", "txtCounty"}}},
     {"Telephone and e-mail",
      {{"wphone", "txtWorkPhone", kPhone},
       {"hphone", "txtHomePhone", kPhone},
       {"cphone", "txtMobilePhone", kPhone},
       {"fphone", "txtFax", kPhone},
       {"email", "txtEmail"},
       {"contact", "txtContact"}}}},
    {{"Personal",
      {{"birthdate", "txtBirthDate", kDate},
       {"deathdate", "txtDeathDate", kDate},
       {"namessn", "txtSSN", kShortText},
       {"namesex", "txtSex", kShortText},
       {"namerace", "txtRace", kShortText},
       {"anniversary", "txtDateMarried", kDate},
       {"placemarrg", "txtPlaceMarried"},
       {"barno", "txtBarNo", kShortText}}},
     {"Employment",
      {{"employer", "txtEmployer"},
       {"cempaddr", "txtEmployerStreet"},
       {"cempcity", "txtEmployerCity"},
       {"cempstate", "txtEmployerState", kState},
       {"cempzip", "txtEmployerZip", kZip, true},
       {"clsalary", "txtSalary", kShortText},
       {"startdate", "txtStartDate", kDate}}},
     {"Other", {{"optfield1", "txtOptField1"}, {"notes", "txtNotes"}}}},
};

QString Caption(const FieldSpec& spec) { return ColumnCaption(spec.column) + ":"; }

using BoxMaker = std::function<QWidget*(const FieldSpec&)>;

// Fields that share a row: each after the first with its caption before it.
QHBoxLayout* SharedRow(QWidget* panel, std::span<const FieldSpec> fields, const BoxMaker& addBox) {
    auto* row = new QHBoxLayout;
    row->setSpacing(Pixels(90));
    row->addWidget(addBox(fields.front()));
    for (const FieldSpec& spec : fields.subspan(1)) {
        row->addSpacing(Pixels(90));  // sets the next caption apart from the box before it
        row->addWidget(new QLabel(Caption(spec), panel));
        row->addWidget(addBox(spec));
    }
    row->addStretch();
    return row;
}

// The boxes are made in the order they are read, which is the order Tab goes through them.
void AddFieldRows(QFormLayout* form, std::span<const FieldSpec> fields, const BoxMaker& addBox) {
    while (!fields.empty()) {
        size_t count = 1;
        while (count < fields.size() && fields[count].besidePrevious) ++count;
        if (count == 1)
            form->addRow(Caption(fields.front()), addBox(fields.front()));
        else
            form->addRow(Caption(fields.front()), SharedRow(form->parentWidget(), fields.first(count), addBox));
        fields = fields.subspan(count);
    }
}

QString TextOf(const QWidget* box) {
    if (const auto* line = qobject_cast<const QLineEdit*>(box)) return line->text();
    return static_cast<const QPlainTextEdit*>(box)->toPlainText();
}

// A long value is shown from its beginning.
void SetTextOf(QWidget* box, const QString& text) {
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setText(text);
        line->setCursorPosition(0);
    } else {
        static_cast<QPlainTextEdit*>(box)->setPlainText(text);
    }
}

QLabel* AddHeading(QWidget* parent, const QString& text) {
    QLabel* heading = AddLabel(parent, QString(), text, MakeFont("Arial", 9.75, true));
    SetColor(heading, QPalette::WindowText, PaletteColor(4));
    return heading;
}

}  // namespace

QWidget* MakeNamesAdmin() { return new NamesAdmin(); }

NamesAdmin::NamesAdmin(QWidget* parent) : QWidget(parent) {
    setObjectName("NamesAdmin");
    setWindowTitle("Names Library");
    SetBackground(this, Qt::white);

    QLabel* title = AddLabel(this, "Label1", "Names Library", {435, 225, 3900, 420}, MakeFont("Arial", 18, true));
    SetColor(title, QPalette::WindowText, Qt::red);

    List1 = AddListBox(this, "List1", {420, 825, 3900, 6750}, MakeFont("Arial", 9.75));
    connect(List1, &QListWidget::currentRowChanged, this, &NamesAdmin::List1_Click);

    QPushButton* add = AddButton(this, "cmdAddNewName", "&Add Name", {420, 7800, 1200, 375});
    QPushButton* remove = AddButton(this, "cmdDeleteName", "&Delete Name", {1770, 7800, 1200, 375});
    QPushButton* save = AddButton(this, "cmdSave", "&Save", {3120, 7800, 1200, 375});
    for (QPushButton* button : {add, remove, save}) button->setFont(MakeFont("Arial", 9));
    connect(add, &QPushButton::clicked, this, &NamesAdmin::cmdAddNewName_Click);
    connect(remove, &QPushButton::clicked, this, &NamesAdmin::cmdDeleteName_Click);
    connect(save, &QPushButton::clicked, this, &NamesAdmin::cmdSave_Click);

    AddFieldPanel();
    Form_Load();
}

NamesAdmin::~NamesAdmin() {
    for (const Field& field : fields_) field.box->removeEventFilter(this);
}

// The panel stands beside the title and the list, from the top of the window to its bottom.
void NamesAdmin::AddFieldPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName("FieldPanel");
    panel->setFont(MakeFont("Arial", 9));  // the captions, in the boxes' font
    SetTwipsGeometry(panel, {4620, 225, 10800, 8550});
    auto* columns = new QHBoxLayout(panel);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->setSpacing(Pixels(300));
    const BoxMaker addBox = [this](const FieldSpec& spec) { return AddBox(spec.column, spec.boxName, spec.width); };
    for (const std::vector<FieldGroup>& panelColumn : kFieldPanel) {
        auto* form = new QFormLayout;
        columns->addLayout(form, 1);  // first, so that the captions of shared rows go on the panel
        form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
        form->setLabelAlignment(Qt::AlignLeft);
        form->setVerticalSpacing(Pixels(45));
        for (const FieldGroup& group : panelColumn) {
            form->addRow(AddHeading(panel, group.heading));
            AddFieldRows(form, group.fields, addBox);
        }
    }
}

QWidget* NamesAdmin::AddBox(const QString& column, const QString& name, int widthTwips) {
    QWidget* box = column == "notes" ? static_cast<QWidget*>(new QPlainTextEdit(this)) : new QLineEdit(this);
    box->setObjectName(name);
    box->setFont(MakeFont("Arial", 9));
    if (widthTwips != kFullWidth) box->setFixedWidth(Pixels(widthTwips));
    if (column == "keynumber") {
        txtKeyNumber = static_cast<QLineEdit*>(box);
        txtKeyNumber->setReadOnly(true);
        txtKeyNumber->setFocusPolicy(Qt::NoFocus);
        SetBoxColor(txtKeyNumber, kLightGrey);
        return txtKeyNumber;
    }
    if (auto* notes = qobject_cast<QPlainTextEdit*>(box)) {
        notes->setTabChangesFocus(true);
        notes->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    HighlightFocus(box);
    box->installEventFilter(this);
    fields_.push_back({column, box, QString()});
    return box;
}

void NamesAdmin::Form_Load() {
    state.ActiveFormName = "NamesAdmin";
    SetMenusEnabled({Menu::Produce, Menu::ShowHide}, false);
    PlaceWorkingWindow(this, state.FormLeft, state.FormTop, state.FormWidth, state.FormHeight);
    LimitFields();
    BuildList(state.PickerKey);
    ShowSelectedName();
}

// Each box takes as many characters as its column in the file holds.
void NamesAdmin::LimitFields() {
    OpenNamesTable();
    if (!state.NamesRecordset) return;
    for (const Field& field : fields_)
        if (auto* line = qobject_cast<QLineEdit*>(field.box))
            LimitCharacters(line, ColumnWidth(*state.NamesRecordset, field.column));
}

void NamesAdmin::BuildList(const QString& key, int fallbackRow) {
    const QSignalBlocker blocker(List1);
    List1->clear();
    OpenNamesTable();
    FillNameList(List1, NameListing::EveryKeyedRecord, key, fallbackRow);
}

// A party deleted on another workstation since the list was built is reported, and the list as
// it is now is shown instead.
void NamesAdmin::ShowSelectedName() {
    if (ShowName(SelectedKey()) || !List1->currentItem()) return;
    ReportNameMissing();
    BuildList(QString(), List1->currentRow());
    ShowName(SelectedKey());
}

QString NamesAdmin::SelectedKey() {
    const QListWidgetItem* item = List1->currentItem();
    state.CurrentNameKey = item ? ListItemKey(item->text()) : QString();
    return state.CurrentNameKey;
}

bool NamesAdmin::ShowName(const QString& key) {
    shownKey_.clear();
    FixNamesNulls();
    const bool found = state.NamesRecordset && FindNameRecord(*state.NamesRecordset, key);
    txtKeyNumber->setText(found ? key : QString());
    for (Field& field : fields_) {
        SetTextOf(field.box, found ? state.NamesRecordset->GetValue(field.column).value_or("") : QString());
        field.shown = TextOf(field.box);
        field.box->setEnabled(found);
    }
    if (found) shownKey_ = key;
    return found;
}

void NamesAdmin::WriteField(Field& field) {
    if (shownKey_.isEmpty() || unloading_) return;
    const QString text = TextOf(field.box);
    if (text == field.shown) return;
    OpenNamesTable();
    if (!state.NamesRecordset) {
        ReportWriteFailed();
        return;
    }
    std::optional<TooLong> tooLong;
    const WriteResult result = WriteNameField(*state.NamesRecordset, shownKey_, field.column, text, &tooLong);
    if (!Written(result, tooLong)) {
        if (result != WriteResult::NameMissing) return;
        BuildList(QString(), List1->currentRow());
        ShowName(SelectedKey());
        return;
    }
    field.shown = text;
    const bool formsChanged = ShowFormsAsStored();
    if (formsChanged || field.column == "firmname") BuildList(shownKey_);  // the list shows the sort name
}

// A part of a person's name writes the name's forms too: their boxes show what was written.
bool NamesAdmin::ShowFormsAsStored() {
    bool changed = false;
    for (Field& field : fields_) {
        if (field.column != "firmname" && field.column != "listname" && field.column != "lastfirstmiddle") continue;
        const QString stored = state.NamesRecordset->GetValue(field.column).value_or("");
        if (stored == field.shown) continue;
        SetTextOf(field.box, stored);
        field.shown = stored;
        changed = true;
    }
    return changed;
}

void NamesAdmin::WriteFocusedField() {
    for (Field& field : fields_)
        if (field.box == focusWidget()) WriteField(field);
}

bool NamesAdmin::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && LeftForAnotherControl(static_cast<QFocusEvent*>(event))) {
        for (Field& field : fields_)
            if (field.box == watched) WriteField(field);
    }
    return QWidget::eventFilter(watched, event);
}

void NamesAdmin::closeEvent(QCloseEvent* event) {
    WriteFocusedField();
    unloading_ = true;
    event->accept();
}

void NamesAdmin::List1_Click() { ShowSelectedName(); }

void NamesAdmin::cmdAddNewName_Click() {
    WriteFocusedField();
    const QString before = state.CurrentNameKey;
    AddNewName(this).exec();
    if (state.CurrentNameKey == before) return;
    BuildList(state.CurrentNameKey);
    ShowSelectedName();
}

void NamesAdmin::cmdDeleteName_Click() {
    WriteFocusedField();
    const QListWidgetItem* item = List1->currentItem();
    if (!item) return;
    if (state.CurrentNameKey == kSeedKey) {
        MsgBox("Sorry, but this name is protected and cannot be deleted!", MessageButtons::OkOnly,
               "Delete 'Quorvane'");
        return;
    }
    const QString name = item->text().left(kListNameWidth).trimmed();
    state.UserAnswer =
        MsgBox("Are you sure you want to delete the name '" + name + "'?", MessageButtons::YesNo, "Delete Name");
    if (state.UserAnswer != vbYes) return;
    const int row = List1->currentRow();
    OpenNamesTable();
    const WriteResult result =
        state.NamesRecordset ? DeleteNameRecord(*state.NamesRecordset, state.CurrentNameKey) : WriteResult::Failed;
    Written(result, std::nullopt);
    BuildList(QString(), row);
    ShowName(SelectedKey());
}

// Unloading writes the box being edited.
void NamesAdmin::cmdSave_Click() {
    UnloadAllForms();
    ShowWorkingWindow("CaseLibrary");
}

}  // namespace qvr
