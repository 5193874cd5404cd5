#include "core/windows/case_library.h"

#include "core/cases_database.h"
#include "core/frame.h"
#include "core/list_order.h"
#include "core/program_state.h"
#include "core/settings_database.h"
#include "core/startup.h"
#include "core/values.h"
#include "core/windows/input_dialogs.h"
#include "core/windows/window_kit.h"
#include "platform/messages.h"
#include "platform/program_end.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSet>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <random>

namespace qvr {
namespace {

const char kNoCasesTitle[] = "No Cases have been created!";
const char kDeleteFirst[] =
    "Before you can Delete, you must add a new Case first!  Click on the 'Add New Case' button below.";
const char kRenameFirst[] =
    "Before you can Rename, you must add a new Case first!  Click on the 'Add New Case' button below.";
const char kSelectFirst[] =
    "Before you can Select, you must add a new Case first!  Click on the 'Add New Case' button below.";
const char kContinueFirst[] =
    "Before you can continue, you must add a new Case first!  Click on the 'Add New Case' button below.";
const char kNamePromptTail[] =
    "or perhaps the name of the plaintiff and defendant (ie., Doe, John vs. Jane).  The maximum number "
    "of characters allowed in this field is 40.";

constexpr int kNameWidth = 100;  // the id follows the padded name, out of sight
constexpr int kCaseNameLength = 40;

std::function<double()>& ReplacedRandomSource() {
    static std::function<double()> source;
    return source;
}

// The draws for one new case: the generator reseeded from the clock, unless tests replaced it.
std::function<double()> ReseededRandomSource() {
    if (ReplacedRandomSource()) return ReplacedRandomSource();
    static std::mt19937_64 generator;
    generator.seed(static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    return [] { return std::uniform_real_distribution<double>(0.0, 1.0)(generator); };
}

// The first six characters of the drawn number followed by zeros: a short number is padded on
// the right.
QString SixDigits(double random) {
    const auto drawn = static_cast<long long>(std::floor(random * 99999999.0));
    return (QString::number(drawn) + "00000000").left(6);
}

// The first two characters of the name, upper-cased. Leading blanks are skipped: the list shows
// and compares ids trimmed, so an id that began with a blank could never be found again.
QString CaseIdPrefix(const QString& name) {
    qsizetype start = 0;
    while (start < name.size() && name[start].isSpace()) ++start;
    qsizetype length = std::min<qsizetype>(2, name.size() - start);
    if (length == 2 && name[start + 1].isHighSurrogate()) ++length;  // never split a character
    return name.mid(start, length).toUpper();
}

// Only the columns that are used, read in one pass: a walk reads every column of every case.
std::vector<std::vector<Value>> StoredCases(Database& db, const QStringList& columns) {
    return db.ReadRows("Cases", columns).value_or(std::vector<std::vector<Value>>{});
}

QSet<QString> StoredCaseIds(Database& db) {
    QSet<QString> ids;
    for (const std::vector<Value>& row : StoredCases(db, {"caseid"})) {
        if (row[0]) ids.insert(row[0]->trimmed());
    }
    return ids;
}

// A new id that no stored case holds: two cases sharing an id would send the edits of one into
// the other, so a drawn id that is taken is drawn again.
QString DrawNewCaseId(const QString& prefix, Database& db) {
    const QSet<QString> taken = StoredCaseIds(db);
    const std::function<double()> random = ReseededRandomSource();
    QString id;
    do {
        id = prefix + SixDigits(random());
    } while (taken.contains(id));
    return id;
}

bool AddCaseRecord(Recordset& records, const QString& id, const QString& name) {
    if (!records.AddNew()) return false;
    records.SetValue("caseid", id);
    records.SetValue("casedesc", name);
    records.SetValue("caseopen", FormatDate(QDate::currentDate()));
    records.SetValue("casefile", id);
    if (records.Update()) return true;
    records.CancelUpdate();
    return false;
}

bool DeleteCaseRecord(Recordset& records, const QString& id) {
    return records.FindFirst("caseid", id) && records.Delete();
}

QString CaseListItem(const Value& name, const Value& id) {
    return name.value_or("No Name").leftJustified(kNameWidth, ' ', true) + id.value_or("").trimmed();
}

QStringList SortedCaseList(Database& db) {
    QStringList items;
    for (const std::vector<Value>& row : StoredCases(db, {"casedesc", "caseid"})) items << CaseListItem(row[0], row[1]);
    SortAsListBox(items);
    return items;
}

QStringView ItemKey(QStringView item, int lastCharacters) { return item.right(lastCharacters).trimmed(); }

QString NamePrompt(const QString& opening) { return opening + kNamePromptTail; }

// The current case's whole name as stored: CurrentCaseName holds only its first 30 characters.
QString StoredCurrentCaseName() {
    OpenCasesTable();
    if (ProgramEndRequested()) return state.CurrentCaseName;
    FindCurrentCase();
    const Value name = state.CasesRecordset->GetValue("casedesc");
    CloseCasesDatabase();
    return name.value_or(state.CurrentCaseName);
}

// An arrow that points at the "ADD CASE" button.
QPixmap PointerPicture() {
    QPixmap picture(29, 30);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x80, 0x00, 0x00), 1));
    painter.setBrush(QColor(0xFF, 0x00, 0x00));
    const QPointF arrow[] = {{1, 15}, {13, 3}, {13, 10}, {27, 10}, {27, 20}, {13, 20}, {13, 27}};
    painter.drawPolygon(arrow, 7);
    return picture;
}

}  // namespace

void SetCaseIdRandomSource(std::function<double()> source) { ReplacedRandomSource() = std::move(source); }

QWidget* MakeCaseLibrary() { return new CaseLibrary(); }

CaseLibrary::CaseLibrary(QWidget* parent) : QWidget(parent) {
    setObjectName("CaseLibrary");
    setWindowTitle("Case Library");
    AddCaseList();
    AddButtons();
    AddWelcomePane();
    AddHint();
    List1->setFocus();
    Form_Load();
}

void CaseLibrary::AddCaseList() {
    QLabel* title = AddLabel(this, "Label1", "Case Library", {435, 225, 6120, 420}, MakeFont("Arial", 18, true));
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    SetColor(title, QPalette::WindowText, Qt::red);

    List1 = AddListBox(this, "List1", {420, 825, 6120, 6750}, MakeFont("Courier New", 9.75));
    List1->setUniformItemSizes(true);  // one line each: a long list is not measured item by item
    SetColor(List1, QPalette::Base, Qt::white);
    List1->viewport()->installEventFilter(this);
    connect(List1, &QListWidget::currentRowChanged, this, [this] { List1_Click(); });
}

void CaseLibrary::AddButtons() {
    const QFont arial = MakeFont("Arial", 9);
    const QFont bold = MakeFont("MS Sans Serif", 9.75, true);
    const struct {
        const char* name;
        const char* caption;
        const QFont& font;
        const QColor& color;
        int left, top;
        void (CaseLibrary::*click)();
    } buttons[] = {
        {"cmdSelectWorksheetA", "Worksheet A", arial, kLightYellow, 405, 7800, &CaseLibrary::cmdSelectWorksheetA_Click},
        {"cmdSelectWorksheetB", "Worksheet B", arial, kLightYellow, 2505, 7800, &CaseLibrary::cmdSelectWorksheetB_Click},
        {"cmdSelectWorksheetC", "Worksheet C", arial, kLightYellow, 4590, 7800, &CaseLibrary::cmdSelectWorksheetC_Click},
        {"cmdRenameCase", "&Rename Case", arial, kLightGrey, 405, 8355, &CaseLibrary::cmdRenameCase_Click},
        {"cmdDeleteCase", "&Delete Case", arial, kLightGrey, 2505, 8355, &CaseLibrary::cmdDeleteCase_Click},
        {"cmdAddNewCase", "&ADD CASE", bold, kLightGrey, 4590, 8355, &CaseLibrary::cmdAddNewCase_Click},
    };
    for (const auto& spec : buttons) {
        QPushButton* button = AddButton(this, spec.name, spec.caption, {spec.left, spec.top, 1935, 375});
        button->setFont(spec.font);
        SetColor(button, QPalette::Button, spec.color);
        connect(button, &QPushButton::clicked, this, spec.click);
    }
    QWidget* worksheetA = findChild<QPushButton*>("cmdSelectWorksheetA");
    QWidget* add = findChild<QPushButton*>("cmdAddNewCase");
    setTabOrder(List1, worksheetA);
    setTabOrder(worksheetA, add);
    setTabOrder(add, findChild<QPushButton*>("cmdDeleteCase"));
}

void CaseLibrary::AddWelcomePane() {
    lblWelcome1 = AddLabel(this, "lblWelcome1", QString(), {7080, 225, 8430, 420}, MakeFont("Arial", 18, true));
    lblWelcome1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblCaseLibraryText =
        AddLabel(this, "lblCaseLibraryText", QString(), {7080, 825, 8325, 6645}, MakeFont("Verdana", 9.75));
}

void CaseLibrary::AddHint() {
    Shape1 = new QWidget(this);
    Shape1->setObjectName("Shape1");
    SetBackground(Shape1, kLightYellow);
    SetTwipsGeometry(Shape1, {7110, 7575, 8400, 1170});
    lblMessage1 = AddLabel(this, "lblMessage1",
                           "To get started, click on the ADD NEW CASE button.  You will be prompted to name your new "
                           "case.  Next, click once on the button labeled SELECT CASE.  Doing so will display the "
                           "form and you may begin entering data relative the selected case.",
                           {7290, 7680, 8055, 990}, MakeFont("Verdana", 9.75));
    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setPixmap(PointerPicture());
    Image1->setAlignment(Qt::AlignCenter);
    SetTwipsGeometry(Image1, {6705, 8325, 435, 450});
}

void CaseLibrary::Form_Load() {
    state.ActiveFormName = "CaseLibrary";
    state.CaseLibraryOpened = "Y";
    SetMenusEnabled({Menu::Forms, Menu::CaseLibrary, Menu::Guidelines, Menu::Names, Menu::Location, Menu::About},
                    true);
    SetMenusEnabled({Menu::Produce, Menu::ShowHide}, false);
    SetFrameBackgroundColor(15);
    PlaceWorkingWindow(this, state.FormLeft, state.FormTop, state.FormWidth, state.FormHeight);
    lblWelcome1->setText(state.ProgramShortTitle);
    ShowWelcomeText();
    ReadMainRecord();
    BuildList();
}

void CaseLibrary::ShowWelcomeText() {
    const QString paragraphEnd = "\r\n\r\n";
    WelcomeText =
        "The Administrative Office of the Courts makes the child support guideline worksheets available as "
        "fillable PDF forms, which let you print a form together with the information of your case." +
        paragraphEnd +
        "This program adds a database to those forms: it saves the information of each case for later use, "
        "performs the calculations of the worksheets and can produce addendum pages." +
        paragraphEnd +
        "This software program is version 01012024, and is based on the NC Child Support Guidelines "
        "dated January 1, 2024. " +
        paragraphEnd + "The current location of the dataase files is " + state.FilesLocation +
        ".  You may change the location so that "
        "the database files may be shared across a local area network (LAN) by clicking on the pull-down menu "
        "item labeled 'Location' shown at the "
        "top of this window." +
        paragraphEnd;
    lblCaseLibraryText->setText(QString(WelcomeText).replace("\r\n", "\n"));
}

void CaseLibrary::BuildList() {
    state.BuildingList = "Y";
    List1->clear();
    List1->hide();
    SetDatabasePaths();
    OpenCasesTable();
    if (ProgramEndRequested()) return;
    FixCasesNulls();
    if (ProgramEndRequested()) return;
    if (state.CasesRecordset->RecordCount() == 0) {
        OpenCasesTable();
        if (ProgramEndRequested()) return;
        AddCaseRecord(*state.CasesRecordset, DrawNewCaseId("MO", *state.CasesDatabase), "Sample Case");
    }
    ShowHint(state.CasesRecordset->RecordCount() < 2);
    const QStringList items = SortedCaseList(*state.CasesDatabase);
    List1->addItems(items);
    SelectCurrentCase(items);
    state.BuildingList = "N";
    List1->show();
    List1->scrollToItem(List1->currentItem());
    List1_Click();
}

void CaseLibrary::ShowHint(bool show) {
    Shape1->setVisible(show);
    lblMessage1->setVisible(show);
    Image1->setVisible(show);
}

// The current case when it is listed, the first case when there is none, the last one when the
// current case is gone.
void CaseLibrary::SelectCurrentCase(const QStringList& items) {
    if (items.isEmpty()) return;
    if (state.CurrentCaseId.isEmpty()) {
        List1->setCurrentRow(0);
        return;
    }
    int row = 0;
    while (row < items.size() - 1 && ItemKey(items[row], 12) != state.CurrentCaseId) ++row;
    List1->setCurrentRow(row);
}

void CaseLibrary::List1_Click() {
    if (state.BuildingList == "Y" || !List1->currentItem()) return;
    const QString item = List1->currentItem()->text();
    state.CurrentCaseId = ItemKey(item, 20).toString();
    state.CurrentCaseName = item.left(30).trimmed();
    UpdateCasesDatabase();
    OpenCasesTable();
    if (ProgramEndRequested()) return;
    FindCurrentCase();
    state.CasesRecordset->Close();
}

void CaseLibrary::cmdAddNewCase_Click() {
    state.DialogValue = "";
    state.DialogTitle = "New Case Name";
    state.DialogMaxLength = kCaseNameLength;
    state.DialogPrompt =
        NamePrompt("Enter a Name for this new Case in the space below.  You may enter the name of your client, ");
    GetShort(this).exec();
    const QString name = state.DialogValue;
    if (name.trimmed().isEmpty()) return;

    OpenCasesTable();
    if (ProgramEndRequested()) return;
    const QString id = DrawNewCaseId(CaseIdPrefix(name), *state.CasesDatabase);
    const bool added = AddCaseRecord(*state.CasesRecordset, id, name);
    UpdateCasesDatabase();
    if (added) state.CurrentCaseId = id;
    BuildList();
}

void CaseLibrary::cmdRenameCase_Click() {
    if (List1->count() == 0) {
        MsgBox(kRenameFirst, MessageButtons::OkOnly, kNoCasesTitle);
        return;
    }
    const QString currentName = StoredCurrentCaseName();
    if (ProgramEndRequested()) return;
    state.DialogValue = currentName;
    state.DialogTitle = "Change Case Name";
    state.DialogMaxLength = kCaseNameLength;
    state.DialogPrompt = NamePrompt(
        "Enter a new Name for this new Case in the space below.  You may enter the name of your client, ");
    GetShort(this).exec();
    if (state.DialogValue.trimmed().isEmpty() || state.DialogValue == currentName) return;

    OpenCasesTable();
    if (ProgramEndRequested()) return;
    FindCurrentCase();
    Recordset& records = *state.CasesRecordset;
    if (records.Edit()) {
        records.SetValue("casedesc", state.DialogValue);
        if (!records.Update()) records.CancelUpdate();
    }
    BuildList();
}

void CaseLibrary::cmdDeleteCase_Click() {
    if (state.CurrentCaseId.isEmpty()) {
        MsgBox(kDeleteFirst, MessageButtons::OkOnly, kNoCasesTitle);
        return;
    }
    state.UserAnswer = MsgBox("Are you sure you want to delete the case named '" + state.CurrentCaseName + "'?",
                              MessageButtons::YesNo, "Delete Case");
    if (state.UserAnswer != vbYes) return;

    OpenCasesTable();
    if (ProgramEndRequested()) return;
    DeleteCaseRecord(*state.CasesRecordset, state.CurrentCaseId);
    state.CurrentCaseId = "";
    BuildList();
}

void CaseLibrary::OpenWorksheet(const QString& window, const QString& emptyListMessage) {
    if (List1->count() == 0) {
        MsgBox(emptyListMessage, MessageButtons::OkOnly, kNoCasesTitle);
        return;
    }
    UnloadAllForms();
    ShowWorkingWindow(window);
}

void CaseLibrary::cmdSelectWorksheetA_Click() { OpenWorksheet("FormA", kSelectFirst); }
void CaseLibrary::cmdSelectWorksheetB_Click() { OpenWorksheet("FormB", kSelectFirst); }
void CaseLibrary::cmdSelectWorksheetC_Click() { OpenWorksheet("FormC", kSelectFirst); }
void CaseLibrary::List1_DblClick() { OpenWorksheet("FormA", kContinueFirst); }

// A double-click anywhere in the list, on an item or below the last one, opens worksheet A.
bool CaseLibrary::eventFilter(QObject* watched, QEvent* event) {
    if (watched == List1->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        List1_DblClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace qvr
