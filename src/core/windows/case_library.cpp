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
#include "platform/threads.h"

#include <QAbstractListModel>
#include <QEvent>
#include <QLabel>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <random>
#include <thread>

namespace qvr {

// The cases as the list shows them, in its order. The names and ids are kept in a few blocks of
// text (one for each thread that read them) and each item's padded text is made only when it is
// shown, so that half a million cases take tens of megabytes; a change moves one item, never the
// whole list.
class CaseList : public QAbstractListModel {
public:
    static constexpr int kNameWidth = 100;  // the id follows the padded name, out of sight
    static constexpr int kTypicalTextLength = 48;  // a name of at most 40 characters and its id

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(rows_.size()); }

    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid()) return {};
        return Item(index.row());
    }

    void Clear() {
        beginResetModel();
        rows_.clear();
        blocks_.clear();
        endResetModel();
    }

    // Every case of the table, read and sorted by several threads; false, with the list empty,
    // when the table cannot be read. Room for a little more than the cases counted is taken at
    // once (room never written takes no memory): growing by copies on several threads would hold
    // far more memory than the list keeps.
    bool Fill(Database& db, long counted) {
        beginResetModel();
        rows_.clear();
        blocks_.assign(ReadingThreads(), QString());
        std::vector<std::vector<Keyed>> parts(blocks_.size());
        const qsizetype roomForEach = qsizetype(counted) / qsizetype(parts.size()) * 5 / 4 + 1;
        for (size_t p = 0; p < parts.size(); ++p) {
            parts[p].reserve(size_t(roomForEach));
            blocks_[p].reserve(roomForEach * kTypicalTextLength);
        }
        const bool read = db.ReadTextsInParts("Cases", {"casedesc", "caseid"}, int(parts.size()),
                                              [&](int part, const Database::TextViews& row) {
                                                  const Listed listed = Store(quint8(part), row[0], row[1]);
                                                  parts[size_t(part)].push_back({Head(listed), listed});
                                              });
        if (read) SortParts(parts);
        else blocks_.clear();
        for (QString& block : blocks_) block.squeeze();
        endResetModel();
        return read;
    }

    // The name and id padded as the user sees them.
    QString Item(int row) const { return Item(rows_[size_t(row)]); }

    // The last characters of the item, trimmed: the id unless a long name or id reaches into them.
    bool KeyIs(int row, qsizetype lastCharacters, QStringView key, quint32 keyHash) const {
        const Listed& listed = rows_[size_t(row)];
        if (listed.idLength <= lastCharacters && listed.nameLength <= kNameWidth - (lastCharacters - listed.idLength))
            return listed.idHash == keyHash && Same(Id(listed), key);
        return QStringView(Item(row)).right(lastCharacters).trimmed() == key;
    }

    // The first row whose key is `key`; the last row when none is.
    int RowOfKey(qsizetype lastCharacters, QStringView key) const {
        const quint32 keyHash = IdHash(key);
        int row = 0;
        while (row < rowCount() - 1 && !KeyIs(row, lastCharacters, key, keyHash)) ++row;
        return row;
    }

    bool HoldsId(QStringView id) const {
        const quint32 hash = IdHash(id);
        return std::any_of(rows_.begin(), rows_.end(),
                           [&](const Listed& listed) { return listed.idHash == hash && Same(Id(listed), id); });
    }

    // The row of the case stored with this name and id; -1 when none is listed.
    int Find(const Value& name, const Value& id) const {
        const QStringView shownName = ShownName(AsView(name));
        const QStringView listedId = ListedId(AsView(id));
        const quint32 hash = IdHash(listedId);
        const auto found = std::find_if(rows_.begin(), rows_.end(), [&](const Listed& listed) {
            return listed.idHash == hash && Same(Id(listed), listedId) && Same(Name(listed), shownName);
        });
        return found == rows_.end() ? -1 : int(found - rows_.begin());
    }

    // Adds the case at its place in the order; gives its row.
    int Insert(const Value& name, const Value& id) {
        if (blocks_.empty()) blocks_.emplace_back();
        const Listed listed = Store(quint8(blocks_.size() - 1), AsView(name), AsView(id));
        const SortKeyHead head = Head(listed);
        const auto place = std::lower_bound(rows_.begin(), rows_.end(), listed, [&](const Listed& a, const Listed& b) {
            return Before(Head(a), a, head, b);
        });
        const int row = int(place - rows_.begin());
        beginInsertRows({}, row, row);
        rows_.insert(place, listed);
        endInsertRows();
        return row;
    }

    void Remove(int row) {
        beginRemoveRows({}, row, row);
        rows_.erase(rows_.begin() + row);
        endRemoveRows();
    }

private:
    struct Listed {
        quint32 start;  // in its block: the name, then the id
        quint32 idLength;
        quint32 idHash;  // most ids are told apart by it, without a look into the block
        quint8 nameLength;
        quint8 block;
    };
    struct Keyed {
        SortKeyHead head;
        Listed listed;
    };

    // Compared where they stand, without a call for each of half a million items that mostly differ
    // in their first characters.
    static bool Same(QStringView a, QStringView b) { return std::equal(a.begin(), a.end(), b.begin(), b.end()); }

    static std::optional<QStringView> AsView(const Value& text) {
        return text ? std::optional(QStringView(*text)) : std::nullopt;
    }
    // A name longer than the item's name part never shows beyond it.
    static QStringView ShownName(std::optional<QStringView> name) { return name.value_or(u"No Name").left(kNameWidth); }
    static QStringView ListedId(std::optional<QStringView> id) { return id ? id->trimmed() : QStringView(); }
    static quint32 IdHash(QStringView id) { return quint32(qHash(id)); }

    static size_t ReadingThreads() { return std::clamp(std::thread::hardware_concurrency(), 1U, 8U); }

    Listed Store(quint8 block, std::optional<QStringView> name, std::optional<QStringView> id) {
        QString& texts = blocks_[block];
        const QStringView shown = ShownName(name);
        const QStringView listedId = ListedId(id);
        const Listed listed{quint32(texts.size()), quint32(listedId.size()), IdHash(listedId), quint8(shown.size()),
                            block};
        texts += shown;
        texts += listedId;
        return listed;
    }

    QStringView Name(const Listed& listed) const {
        return QStringView(blocks_[listed.block]).mid(listed.start, listed.nameLength);
    }
    QStringView Id(const Listed& listed) const {
        return QStringView(blocks_[listed.block]).mid(listed.start + listed.nameLength, listed.idLength);
    }

    QString Item(const Listed& listed) const {
        const QStringView name = Name(listed);
        const QStringView id = Id(listed);
        QString item(kNameWidth + id.size(), ' ');
        std::copy(name.begin(), name.end(), item.begin());
        std::copy(id.begin(), id.end(), item.begin() + kNameWidth);
        return item;
    }

    // From the item's first characters, the padded name's, wherever they tell it.
    SortKeyHead Head(const Listed& listed) const {
        QChar start[kSortKeyHeadLength];
        const QStringView name = Name(listed);
        for (qsizetype i = 0; i < kSortKeyHeadLength; ++i) start[i] = i < name.size() ? name[i] : QChar(' ');
        if (std::optional<SortKeyHead> head = AsciiSortKeyHead(QStringView(start, kSortKeyHeadLength))) return *head;
        return ListSortKeyHead(Item(listed));
    }

    bool Before(const SortKeyHead& headA, const Listed& a, const SortKeyHead& headB, const Listed& b) const {
        if (headA != headB) return headA < headB;
        return ListsBefore(Item(a), Item(b));
    }

    auto KeyedBefore() const {
        return [this](const Keyed& a, const Keyed& b) { return Before(a.head, a.listed, b.head, b.listed); };
    }

    // Each part sorted on a thread of its own; then the list is cut into as many slices, at items of
    // the largest part, and each slice merged from every part on a thread of its own.
    void SortParts(std::vector<std::vector<Keyed>>& parts) {
        std::erase_if(parts, [](const std::vector<Keyed>& part) { return part.empty(); });
        if (parts.empty()) return;
        RunOnThreads(parts.size(), [&](size_t p) { std::sort(parts[p].begin(), parts[p].end(), KeyedBefore()); });
        const std::vector<Keyed>& largest = *std::max_element(
            parts.begin(), parts.end(), [](const auto& a, const auto& b) { return a.size() < b.size(); });
        const size_t slices = parts.size();
        // starts[s][p]: where slice s begins in part p; the last slice ends each part.
        std::vector<std::vector<size_t>> starts(slices + 1, std::vector<size_t>(parts.size(), 0));
        std::vector<size_t> rowOfSlice(slices + 1, 0);
        for (size_t p = 0; p < parts.size(); ++p) {
            for (size_t s = 1; s < slices; ++s) {
                const Keyed& cut = largest[largest.size() * s / slices];
                starts[s][p] = size_t(std::lower_bound(parts[p].begin(), parts[p].end(), cut, KeyedBefore()) -
                                      parts[p].begin());
            }
            starts[slices][p] = parts[p].size();
            for (size_t s = 0; s <= slices; ++s) rowOfSlice[s] += starts[s][p];
        }
        rows_.resize(rowOfSlice[slices]);
        RunOnThreads(slices, [&](size_t s) { MergeSlice(parts, starts[s], starts[s + 1], rowOfSlice[s]); });
    }

    // Rows from `row` on: the items of every part from `from` to `to`, in order.
    void MergeSlice(const std::vector<std::vector<Keyed>>& parts, std::vector<size_t> from,
                    const std::vector<size_t>& to, size_t row) {
        const auto before = KeyedBefore();
        for (;;) {
            std::optional<size_t> first;
            for (size_t p = 0; p < parts.size(); ++p)
                if (from[p] < to[p] && (!first || before(parts[p][from[p]], parts[*first][from[*first]]))) first = p;
            if (!first) return;
            rows_[row++] = parts[*first][from[*first]++].listed;
        }
    }

    std::vector<Listed> rows_;
    std::vector<QString> blocks_;
};

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

// A new id that no stored case holds: two cases sharing an id would send the edits of one into
// the other, so a drawn id that is taken is drawn again. The list holds every id as it reads
// trimmed; the table also those that another workstation added since.
QString DrawNewCaseId(const QString& prefix, Recordset& records, const CaseList& listed) {
    const std::function<double()> random = ReseededRandomSource();
    QString id;
    do {
        id = prefix + SixDigits(random());
    } while (listed.HoldsId(id) || records.FindFirst("caseid", id));
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

    List1 = AddListView(this, "List1", {420, 825, 6120, 6750}, MakeFont("Courier New", 9.75));
    List1->setUniformItemSizes(true);  // one line each: a long list is not measured item by item
    List1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    cases_ = new CaseList(List1);
    List1->setModel(cases_);
    SetColor(List1, QPalette::Base, Qt::white);
    List1->viewport()->installEventFilter(this);
    connect(List1->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { List1_Click(); });
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
    cases_->Clear();
    List1->hide();
    SetDatabasePaths();
    OpenCasesTable();
    if (ProgramEndRequested()) return;
    FixCasesNulls();
    if (ProgramEndRequested()) return;
    const long stored = state.CasesRecordset->RecordCount();
    if (stored == 0) {
        OpenCasesTable();
        if (ProgramEndRequested()) return;
        AddCaseRecord(*state.CasesRecordset, DrawNewCaseId("MO", *state.CasesRecordset, *cases_), "Sample Case");
    }
    cases_->Fill(*state.CasesDatabase, std::max(stored, 1L));
    ShowListChange([] { return true; });
}

// The list and the current case after a change of this library's own; what another workstation
// wrote since the list was made shows with the list made anew.
void CaseLibrary::ShowListChange(const std::function<bool()>& change) {
    state.BuildingList = "Y";
    if (!change()) return BuildList();
    SelectCurrentCase();
    state.BuildingList = "N";
    ShowHint(cases_->rowCount() < 2);
    List1->show();
    List1->scrollTo(List1->currentIndex());
    List1_Click();
    listedStamp_ = Database::StateStamp(state.CasesDatabasePath).value_or(QByteArray());
}

bool CaseLibrary::ListIsCurrent() const {
    return !listedStamp_.isEmpty() && Database::StateStamp(state.CasesDatabasePath) == listedStamp_;
}

void CaseLibrary::ShowHint(bool show) {
    Shape1->setVisible(show);
    lblMessage1->setVisible(show);
    Image1->setVisible(show);
}

// The current case when it is listed, the first case when there is none, the last one when the
// current case is gone.
void CaseLibrary::SelectCurrentCase() {
    const int count = cases_->rowCount();
    if (count == 0) return;
    const int row = state.CurrentCaseId.isEmpty() ? 0 : cases_->RowOfKey(12, state.CurrentCaseId);
    List1->setCurrentIndex(cases_->index(row));
}

void CaseLibrary::List1_Click() {
    if (state.BuildingList == "Y" || !List1->currentIndex().isValid()) return;
    const QString item = cases_->Item(List1->currentIndex().row());
    state.CurrentCaseId = item.right(20).trimmed();
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

    const bool listIsCurrent = ListIsCurrent();
    OpenCasesTable();
    if (ProgramEndRequested()) return;
    const QString id = DrawNewCaseId(CaseIdPrefix(name), *state.CasesRecordset, *cases_);
    const bool added = AddCaseRecord(*state.CasesRecordset, id, name);
    UpdateCasesDatabase();
    if (added) state.CurrentCaseId = id;
    if (added) FixCasesNulls();
    if (ProgramEndRequested()) return;
    ShowListChange([&] {
        if (!added || !listIsCurrent) return false;
        cases_->Insert(name, id);
        return true;
    });
}

void CaseLibrary::cmdRenameCase_Click() {
    if (cases_->rowCount() == 0) {
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

    const bool listIsCurrent = ListIsCurrent();
    OpenCasesTable();
    if (ProgramEndRequested()) return;
    FindCurrentCase();
    Recordset& records = *state.CasesRecordset;
    const Value oldName = records.GetValue("casedesc");
    const Value id = records.GetValue("caseid");
    bool renamed = false;
    if (records.Edit()) {
        records.SetValue("casedesc", state.DialogValue);
        renamed = records.Update();
        if (!renamed) records.CancelUpdate();
    }
    ShowListChange([&] {
        const int row = renamed && listIsCurrent ? cases_->Find(oldName, id) : -1;
        if (row < 0) return false;
        cases_->Remove(row);
        cases_->Insert(state.DialogValue, id);
        return true;
    });
}

void CaseLibrary::cmdDeleteCase_Click() {
    if (state.CurrentCaseId.isEmpty()) {
        MsgBox(kDeleteFirst, MessageButtons::OkOnly, kNoCasesTitle);
        return;
    }
    state.UserAnswer = MsgBox("Are you sure you want to delete the case named '" + state.CurrentCaseName + "'?",
                              MessageButtons::YesNo, "Delete Case");
    if (state.UserAnswer != vbYes) return;

    const bool listIsCurrent = ListIsCurrent();
    OpenCasesTable();
    if (ProgramEndRequested()) return;
    Recordset& records = *state.CasesRecordset;
    const bool found = records.FindFirst("caseid", state.CurrentCaseId);
    const Value name = records.GetValue("casedesc");
    const Value id = records.GetValue("caseid");
    const bool deleted = found && records.Delete();
    state.CurrentCaseId = "";
    ShowListChange([&] {
        const int row = deleted && listIsCurrent && cases_->rowCount() > 1 ? cases_->Find(name, id) : -1;
        if (row < 0) return false;
        cases_->Remove(row);
        return true;
    });
}

void CaseLibrary::OpenWorksheet(const QString& window, const QString& emptyListMessage) {
    if (cases_->rowCount() == 0) {
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
