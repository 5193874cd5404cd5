#include "names/windows/names_admin.h"

#include "core/program_state.h"
#include "names/name_list.h"
#include "names_fixture.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace qvr::test {
namespace {

const QColor kLightYellow(0xFF, 0xFF, 0xC0);
const QColor kWhite(0xFF, 0xFF, 0xFF);

QColor BoxColor(QWidget* box) { return box->palette().color(QPalette::Base); }

QString TextOf(QWidget* box) {
    if (auto* line = qobject_cast<QLineEdit*>(box)) return line->text();
    return qobject_cast<QPlainTextEdit*>(box)->toPlainText();
}

class NamesAdminTest : public NamesTest {
protected:
    void SetUp() override {
        NamesTest::SetUp();
        StoreName({{"keynumber", "S1234567"}, {"firmname", "Smith, John"}, {"listname", "John Smith"},
                   {"Lastname", "Smith"}, {"street", "12 Oak St"}, {"city", "Raleigh"}, {"namestate", "NC"},
                   {"notes", "first line"}});
        StoreName({{"keynumber", "B7654321"}, {"firmname", "Brown, Ann"}, {"listname", "Ann Brown"},
                   {"city", "Durham"}});
    }

    // As the "Names" menu opens it.
    QWidget* OpenAdmin() {
        state.PickerKey = "";
        state.DialogTitle = "";
        UnloadAllForms();
        ShowWorkingWindow("NamesAdmin");
        DeleteUnloadedWindows();
        ActivateMainWindow();
        admin = LoadedWorkingWindow("NamesAdmin");
        EXPECT_NE(admin, nullptr);
        return admin;
    }

    QListWidget* List() const { return admin->findChild<QListWidget*>("List1"); }
    QWidget* Box(const char* name) const {
        auto* box = admin->findChild<QWidget*>(name);
        EXPECT_NE(box, nullptr) << name;
        return box;
    }
    QPushButton* Button(const char* name) const { return admin->findChild<QPushButton*>(name); }

    void SelectKey(const QString& key) const {
        QListWidget* list = List();
        const int row = RowOfKey(Items(list), key);
        ASSERT_GE(row, 0) << key.toStdString();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
        ASSERT_EQ(CurrentItemKey(list), key);
    }

    // Replaces the box's text as a user does: into the box, select all, type.
    static void Retype(QWidget* box, const QString& text) {
        box->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        TypeText(box, text);
    }

    static void Leave(QWidget* box) { QTest::keyClick(box, Qt::Key_Tab); }

    static Value Stored(const QString& key, const QString& column) {
        const auto record = StoredName(key);
        return record ? record->at(column) : Value(QString("<no record>"));
    }

    QWidget* admin = nullptr;
};

TEST_F(NamesAdminTest, LoadsWithItsNameMenusPlaceAndTheFirstParty) {
    SetMenusEnabled({Menu::CaseLibrary, Menu::Forms, Menu::Guidelines, Menu::Produce, Menu::ShowHide, Menu::Names,
                     Menu::Location, Menu::About},
                    true);
    OpenAdmin();

    EXPECT_EQ(state.ActiveFormName, "NamesAdmin");
    EXPECT_FALSE(MenuEnabled(Menu::Produce));
    EXPECT_FALSE(MenuEnabled(Menu::ShowHide));
    for (Menu menu : {Menu::CaseLibrary, Menu::Forms, Menu::Guidelines, Menu::Names, Menu::Location, Menu::About})
        EXPECT_TRUE(MenuEnabled(menu));
    EXPECT_EQ(SubWindow("NamesAdmin")->geometry(), QRect(0, 0, 15700 / 15, 9000 / 15));
    EXPECT_EQ(Items(List()), (QStringList{NameListItem(QString("Brown, Ann"), QString("B7654321")),
                                          NameListItem(QString("Example Law Office"), QString("A0000001")),
                                          NameListItem(QString("Smith, John"), QString("S1234567"))}));
    EXPECT_EQ(CurrentItemKey(List()), "B7654321");
    EXPECT_EQ(state.CurrentNameKey, "B7654321");
    EXPECT_EQ(TextOf(Box("txtKeyNumber")), "B7654321");
    EXPECT_EQ(TextOf(Box("txtCity")), "Durham");
    EXPECT_EQ(TextOf(Box("txtStreet")), "");  // Null in the file, repaired before it is shown
    SelectKey("S1234567");
    EXPECT_EQ(TextOf(Box("txtCity")), "Raleigh");
    EXPECT_EQ(TextOf(Box("txtNotes")), "first line");
}

struct FieldCase {
    const char* box;
    const char* column;
    const char* typed;
};

class NamesAdminFieldTest : public NamesAdminTest, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(NamesAdminFieldTest, AFieldEditedAndLeftIsStoredInItsRecordAlone) {
    OpenAdmin();
    SelectKey("S1234567");
    const std::vector<NameRecord> before = StoredNames();
    QWidget* box = Box(GetParam().box);

    Retype(box, QString::fromUtf8(GetParam().typed));
    EXPECT_EQ(Stored("S1234567", GetParam().column), before[1].at(GetParam().column));  // not yet
    Leave(box);

    std::vector<NameRecord> expected = before;
    expected[1][GetParam().column] = QString::fromUtf8(GetParam().typed);
    EXPECT_EQ(StoredNames(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, NamesAdminFieldTest,
    ::testing::Values(FieldCase{"txtCity", "city", "Cary"}, FieldCase{"txtState", "namestate", "VA"},
                      FieldCase{"txtZipCode", "zipcode", "02134"}, FieldCase{"txtEmail", "email", "js@example.com"},
                      FieldCase{"txtListName", "listname", "John Q. Smith"},
                      FieldCase{"txtEmployer", "employer", "O'Brien \"Bud\" Ñúñez-Ørsted 李"},
                      FieldCase{"txtNotes", "notes", "Call after 5 pm; ask for \"Bud\"."},
                      FieldCase{"txtOptField1", "optfield1", "'; DROP TABLE Names; --"}),
    [](const auto& info) { return std::string(info.param.box); });

struct NamePartCase {
    const char* key;
    const char* box;
    const char* typed;
    const char* sortName;  // firmname
    const char* listName;
    const char* lastFirst;  // lastfirstmiddle
};

class NamesAdminNamePartTest : public NamesAdminTest, public ::testing::WithParamInterface<NamePartCase> {};

// A person's names are formed anew from the parts, as for a new name, so that the lists and the
// court form show the changed name; a firm's names, and a person's left without a last name, stay.
TEST_P(NamesAdminNamePartTest, FormsThePersonsNamesAnew) {
    const NamePartCase& c = GetParam();
    StoreName({{"keynumber", "P1000001"}, {"firstname", "John"}, {"middlename", "Q"}, {"Lastname", "Smith"},
               {"suffix", "Jr."}, {"firmname", "Smith, John Q Jr."}, {"listname", "John Q Smith Jr."}});
    StoreName({{"keynumber", "F1000001"}, {"firmname", "Acme"}, {"listname", "Acme"}, {"lastfirstmiddle", "Acme"}});
    OpenAdmin();
    SelectKey(c.key);

    Retype(Box(c.box), QString::fromUtf8(c.typed));
    Leave(Box(c.box));

    const QString sortName = QString::fromUtf8(c.sortName);
    EXPECT_EQ(Stored(c.key, "firmname"), sortName);
    EXPECT_EQ(Stored(c.key, "listname"), QString::fromUtf8(c.listName));
    EXPECT_EQ(Stored(c.key, "lastfirstmiddle"), QString::fromUtf8(c.lastFirst));
    EXPECT_EQ(TextOf(Box("txtListName")), QString::fromUtf8(c.listName));
    EXPECT_TRUE(Items(List()).contains(NameListItem(sortName, QString(c.key))));
}

INSTANTIATE_TEST_SUITE_P(
    Parts, NamesAdminNamePartTest,
    ::testing::Values(
        NamePartCase{"P1000001", "txtFirstName", "Jon", "Smith, Jon Q Jr.", "Jon Q Smith Jr.", "Smith, Jon Q, Jr."},
        NamePartCase{"P1000001", "txtLastName", "O'Brien 李", "O'Brien 李, John Q Jr.", "John Q O'Brien 李 Jr.",
                     "O'Brien 李, John Q, Jr."},
        NamePartCase{"P1000001", "txtSuffix", " ", "Smith, John Q", "John Q Smith", "Smith, John Q"},
        NamePartCase{"P1000001", "txtLastName", "", "Smith, John Q Jr.", "John Q Smith Jr.", ""},
        NamePartCase{"F1000001", "txtFirstName", "Bob", "Acme", "Acme", "Acme"}));

TEST_F(NamesAdminTest, SortNameEditedMovesThePartyInTheList) {
    OpenAdmin();
    SelectKey("S1234567");
    Retype(Box("txtFirmName"), "Able, John");
    Leave(Box("txtFirmName"));

    EXPECT_EQ(Stored("S1234567", "firmname"), "Able, John");
    EXPECT_EQ(ListItemKey(Items(List()).front()), "S1234567");
    EXPECT_EQ(CurrentItemKey(List()), "S1234567");
}

// Another database copied in place of the names database opens cleanly: it is told, never listed
// as if no one were in it.
TEST_F(NamesAdminTest, ADatabaseThatIsNotTheNamesDatabaseIsToldNotListedEmpty) {
    ASSERT_TRUE(QFile::remove(Host(state.NamesDatabasePath)));
    ASSERT_TRUE(QFile::copy(Host(state.CasesDatabasePath), Host(state.NamesDatabasePath)));
    ModalAnswerer answerer;
    answerer.Click("OK");
    OpenAdmin();
    EXPECT_EQ(List()->count(), 0);
    EXPECT_EQ(answerer.Answered(), 1);
    EXPECT_TRUE(answerer.Texts().value(0).contains("not one of this program's"));
}

TEST_F(NamesAdminTest, BoxesTakeNoMoreCharactersThanTheirColumns) {
    OpenAdmin();
    for (const auto& [name, width] : {std::pair{"txtState", 2}, std::pair{"txtWorkPhone", 15},
                                      std::pair{"txtCity", 50}, std::pair{"txtStreet", 250}}) {
        Retype(Box(name), QString(width + 5, 'x'));
        EXPECT_EQ(TextOf(Box(name)).size(), width) << name;
    }
    Retype(Box("txtNotes"), QString(300, 'n'));
    EXPECT_EQ(TextOf(Box("txtNotes")).size(), 300);
}

TEST_F(NamesAdminTest, AValueLongerThanItsColumnIsRefusedWithAMessage) {
    OpenAdmin();
    SelectKey("S1234567");
    const std::vector<NameRecord> before = StoredNames();
    auto* city = qobject_cast<QLineEdit*>(Box("txtCity"));
    city->setFocus(Qt::MouseFocusReason);
    city->setText(QString(51, 'c'));  // put there other than by typing, which the box limits
    ModalAnswerer answerer;
    answerer.Click("OK");

    Leave(city);

    EXPECT_EQ(answerer.Titles(), QStringList{"Entry Too Long"});
    EXPECT_EQ(answerer.Texts(), QStringList{"The field \"City\" can hold at most 50 characters, and this entry has "
                                            "51.  It was not saved; please shorten it."});
    EXPECT_EQ(StoredNames(), before);
    EXPECT_EQ(city->text(), QString(51, 'c'));  // kept for the user to shorten
}

TEST_F(NamesAdminTest, HighlightFollowsTheFocus) {
    OpenAdmin();
    QWidget* street = Box("txtStreet");
    QWidget* street2 = Box("txtStreet2");
    QWidget* notes = Box("txtNotes");
    EXPECT_EQ(BoxColor(street), kWhite);

    street->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(BoxColor(street), kLightYellow);
    EXPECT_EQ(BoxColor(street2), kWhite);
    Leave(street);
    EXPECT_EQ(BoxColor(street), kWhite);
    EXPECT_EQ(BoxColor(street2), kLightYellow);
    notes->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(BoxColor(street2), kWhite);
    EXPECT_EQ(BoxColor(notes), kLightYellow);
    List()->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(BoxColor(notes), kWhite);
}

TEST_F(NamesAdminTest, TheExampleRecordCannotBeDeleted) {
    OpenAdmin();
    SelectKey("A0000001");
    ModalAnswerer answerer;
    answerer.Click("OK");

    Button("cmdDeleteName")->click();

    EXPECT_EQ(answerer.Titles(), QStringList{"Delete 'Quorvane'"});
    EXPECT_EQ(answerer.Texts(), QStringList{"Sorry, but this name is protected and cannot be deleted!"});
    EXPECT_EQ(StoredKeys(), (QStringList{"A0000001", "S1234567", "B7654321"}));
    EXPECT_EQ(CurrentItemKey(List()), "A0000001");
}

TEST_F(NamesAdminTest, DeleteAsksAndRemovesExactlyTheChosenParty) {
    StoreName({{"keynumber", "B1111111"}, {"firmname", "Brown, Ann"}, {"listname", "Ann Brown"}});
    OpenAdmin();
    SelectKey("B7654321");
    ModalAnswerer answerer;
    answerer.Click("No").Click("Yes");

    Button("cmdDeleteName")->click();
    EXPECT_EQ(StoredKeys().size(), 4);
    Button("cmdDeleteName")->click();

    EXPECT_EQ(answerer.Titles(), (QStringList{"Delete Name", "Delete Name"}));
    EXPECT_EQ(answerer.Texts().front(), "Are you sure you want to delete the name 'Brown, Ann'?");
    EXPECT_EQ(StoredKeys(), (QStringList{"A0000001", "S1234567", "B1111111"}));
    EXPECT_EQ(RowOfKey(Items(List()), "B7654321"), -1);
    EXPECT_EQ(CurrentItemKey(List()), state.CurrentNameKey);
    EXPECT_EQ(TextOf(Box("txtKeyNumber")), state.CurrentNameKey);
}

TEST_F(NamesAdminTest, AddedPartyIsListedAndShown) {
    OpenAdmin();
    keyDraws = {7};
    ModalAnswerer answerer;
    answerer.Then([](QWidget* dialog) {
        QTimer::singleShot(0, dialog, [dialog] {
            QTest::keyClicks(dialog->findChild<QLineEdit*>("txtFirstName"), "Jimmy");
            QTest::keyClicks(dialog->findChild<QLineEdit*>("txtLastName"), "Carter");
            ModalAnswerer::ClickButton(dialog, "Save");
        });
    });

    Button("cmdAddNewName")->click();

    EXPECT_EQ(answerer.Titles(), QStringList{"Add New Name"});
    EXPECT_EQ(state.CurrentNameKey, "C0000007");
    EXPECT_EQ(CurrentItemKey(List()), "C0000007");
    EXPECT_EQ(TextOf(Box("txtFirmName")), "Carter, Jimmy");
    EXPECT_EQ(TextOf(Box("txtListName")), "Jimmy Carter");
}

TEST_F(NamesAdminTest, AddClosedWithoutSavingKeepsThePartyShown) {
    OpenAdmin();
    SelectKey("S1234567");
    ModalAnswerer answerer;
    answerer.Click("Cancel");

    Button("cmdAddNewName")->click();

    EXPECT_EQ(StoredKeys().size(), 3);
    EXPECT_EQ(CurrentItemKey(List()), "S1234567");
    EXPECT_EQ(TextOf(Box("txtCity")), "Raleigh");
}

TEST_F(NamesAdminTest, SaveReturnsToTheCaseLibrary) {
    OpenAdmin();
    Button("cmdSave")->click();
    DeleteUnloadedWindows();

    EXPECT_EQ(ShownWindows(), QStringList{"CaseLibrary"});
    EXPECT_EQ(LoadedWorkingWindow("NamesAdmin"), nullptr);
    EXPECT_EQ(state.ActiveFormName, "CaseLibrary");
}

TEST_F(NamesAdminTest, AnEditInProgressIsWrittenWhenTheWindowGoes) {
    SetMenusEnabled({Menu::CaseLibrary}, true);
    OpenAdmin();
    SelectKey("S1234567");
    Retype(Box("txtCity"), "Apex");

    Choose("menuCaseLibrary");  // the focus is still in the box

    EXPECT_EQ(ShownWindows(), QStringList{"CaseLibrary"});
    EXPECT_EQ(Stored("S1234567", "city"), "Apex");
}

TEST_F(NamesAdminTest, QuittingWritesTheEditInProgressBeforeTheBackupIsMade) {
    OpenAdmin();
    SelectKey("S1234567");
    Retype(Box("txtCity"), "Apex");
    ModalAnswerer answerer;
    answerer.Click("Yes");

    MenuItem("menuQuitthisprogram")->trigger();  // the focus is still in the box

    EXPECT_EQ(programEnds, 1);
    state.NamesDatabasePath = DataFile("Names_Backup.MDB");
    EXPECT_EQ(Stored("S1234567", "city"), "Apex");
}

TEST_F(NamesAdminTest, ChoosingAnotherPartyWritesTheEditToTheFirst) {
    OpenAdmin();
    SelectKey("S1234567");
    Retype(Box("txtCity"), "Wake Forest");
    SelectKey("B7654321");

    EXPECT_EQ(Stored("S1234567", "city"), "Wake Forest");
    EXPECT_EQ(Stored("B7654321", "city"), "Durham");
    EXPECT_EQ(TextOf(Box("txtCity")), "Durham");
}

TEST_F(NamesAdminTest, AnEditToAPartyDeletedElsewhereIsReported) {
    OpenAdmin();
    SelectKey("S1234567");
    DeleteStoredName("S1234567");
    ModalAnswerer answerer;
    answerer.Click("OK");

    Retype(Box("txtCity"), "Cary");
    Leave(Box("txtCity"));

    EXPECT_EQ(answerer.Titles(), QStringList{"Names"});
    EXPECT_EQ(StoredKeys(), (QStringList{"A0000001", "B7654321"}));
    EXPECT_EQ(RowOfKey(Items(List()), "S1234567"), -1);
    EXPECT_EQ(TextOf(Box("txtKeyNumber")), CurrentItemKey(List()));
}

TEST_F(NamesAdminTest, ChoosingAPartyDeletedElsewhereIsReported) {
    OpenAdmin();
    DeleteStoredName("S1234567");
    ModalAnswerer answerer;
    answerer.Click("OK");

    List()->setCurrentRow(RowOfKey(Items(List()), "S1234567"));

    EXPECT_EQ(answerer.Titles(), QStringList{"Names"});
    EXPECT_EQ(RowOfKey(Items(List()), "S1234567"), -1);
    EXPECT_EQ(state.CurrentNameKey, CurrentItemKey(List()));
    EXPECT_EQ(TextOf(Box("txtKeyNumber")), state.CurrentNameKey);
    EXPECT_TRUE(Box("txtCity")->isEnabled());
}

TEST_F(NamesAdminTest, QuotedAndNonAsciiNamesAreShownAgainAsStored) {
    const QString name = QString::fromUtf8("O'Brien \"Bud\" Ñúñez 李");
    StoreName({{"keynumber", "O0000001"}, {"firmname", name}, {"listname", name}});
    OpenAdmin();
    SelectKey("O0000001");
    EXPECT_EQ(TextOf(Box("txtFirmName")), name);
    Retype(Box("txtCity"), QString::fromUtf8("Zürich"));
    Leave(Box("txtCity"));

    OpenAdmin();
    SelectKey("O0000001");
    EXPECT_EQ(TextOf(Box("txtCity")), QString::fromUtf8("Zürich"));
    EXPECT_EQ(Stored("O0000001", "firmname"), name);
}

}  // namespace
}  // namespace qvr::test
