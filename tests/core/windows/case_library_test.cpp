#include "core/frame.h"
#include "core/program_state.h"
#include "core/settings_database.h"
#include "core/startup.h"
#include "core/values.h"
#include "core/windows/background.h"
#include "core/windows/case_library.h"
#include "platform/database.h"
#include "support/modal_answerer.h"
#include "support/temp_drive.h"

#include <QDate>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <deque>

namespace qvr::test {
namespace {

struct StoredCase {
    Value name;
    Value id;
    Value opened;
    Value file;
};

const char* const kWorksheets[] = {"FormA", "FormB", "FormC"};

class CaseLibraryTest : public TempDriveTest {
protected:
    void SetUp() override {
        TempDriveTest::SetUp();
        SetStartValues();
        UpdateMainDatabase();
        ReadMainRecord();
        SetDatabasePaths();
        RegisterWorkingWindow("CaseLibrary", MakeCaseLibrary);
        for (const char* name : kWorksheets) RegisterWorkingWindow(name, [] { return new QWidget; });
        SetCaseIdRandomSource([this] { return NextDraw(); });
    }

    void TearDown() override {
        DiscardMainWindow();
        SetCaseIdRandomSource({});
        for (const char* name : kWorksheets) RegisterWorkingWindow(name, {});
        TempDriveTest::TearDown();
    }

    // The value in [0, 1) that makes the generator's number the next scripted one.
    double NextDraw() {
        if (draws.empty()) {
            ADD_FAILURE() << "more case ids drawn than scripted";
            return 0.5;
        }
        const long long number = draws.front();
        draws.pop_front();
        return (double(number) + 0.5) / 99999999.0;
    }

    static std::unique_ptr<Database> OpenCases() { return Database::OpenDatabase(state.CasesDatabasePath); }

    static void StoreCase(const Value& name, const QString& id) {
        auto db = OpenCases();
        ASSERT_TRUE(db);
        auto records = db->OpenRecordset("Cases");
        ASSERT_TRUE(records && records->AddNew());
        records->SetValue("casedesc", name);
        records->SetValue("caseid", id);
        ASSERT_TRUE(records->Update());
    }

    static std::vector<StoredCase> StoredCases() {
        std::vector<StoredCase> cases;
        auto db = OpenCases();
        auto records = db ? db->OpenRecordset("Cases") : nullptr;
        if (!records) return cases;
        for (bool more = records->MoveFirst(); more && !records->IsEOF(); more = records->MoveNext()) {
            cases.push_back({records->GetValue("casedesc"), records->GetValue("caseid"),
                             records->GetValue("caseopen"), records->GetValue("casefile")});
        }
        return cases;
    }

    static QWidget* OpenLibrary() {
        ShowWorkingWindow("CaseLibrary");
        return LoadedWorkingWindow("CaseLibrary");
    }

    static QListView* List(QWidget* library) { return library->findChild<QListView*>("List1"); }

    static QStringList Items(QWidget* library) {
        QStringList items;
        const QAbstractItemModel* model = List(library)->model();
        for (int row = 0; row < model->rowCount(); ++row) items << model->index(row, 0).data().toString();
        return items;
    }

    static QString CurrentItem(QWidget* library) { return List(library)->currentIndex().data().toString(); }

    static QPoint ItemMiddle(QWidget* library, int row) {
        QListView* list = List(library);
        return list->visualRect(list->model()->index(row, 0)).center();
    }

    static void ClickItem(QWidget* library, int row) {
        QTest::mouseClick(List(library)->viewport(), Qt::LeftButton, {}, ItemMiddle(library, row));
    }

    static void Click(QWidget* library, const char* button) { library->findChild<QPushButton*>(button)->click(); }

    static bool HintShown(QWidget* library) {
        const bool shown = !library->findChild<QWidget*>("Shape1")->isHidden();
        EXPECT_EQ(!library->findChild<QLabel*>("lblMessage1")->isHidden(), shown);
        EXPECT_EQ(!library->findChild<QLabel*>("Image1")->isHidden(), shown);
        return shown;
    }

    static QString Item(const QString& name, const QString& id) { return name.leftJustified(100, ' ') + id; }

    static ModalAnswerer::Action TypeThenClick(const QString& typed, const QString& button) {
        return [typed, button](QWidget* dialog) {
            auto* text = dialog->findChild<QLineEdit*>("Text1");
            text->clear();
            text->insert(typed);
            ModalAnswerer::ClickButton(dialog, button);
        };
    }

    std::deque<long long> draws;
};

TEST_F(CaseLibraryTest, LoadingSetsTheMenusAndShowsTheWelcome) {
    StoreCase("Doe", "DO000001");
    ModalAnswerer answerer;

    QWidget* library = OpenLibrary();

    ASSERT_NE(library, nullptr);
    EXPECT_EQ(state.ActiveFormName, "CaseLibrary");
    EXPECT_EQ(state.CaseLibraryOpened, "Y");
    for (Menu menu : {Menu::Forms, Menu::CaseLibrary, Menu::Guidelines, Menu::Names, Menu::Location, Menu::About})
        EXPECT_TRUE(MenuEnabled(menu));
    EXPECT_FALSE(MenuEnabled(Menu::Produce));
    EXPECT_FALSE(MenuEnabled(Menu::ShowHide));
    EXPECT_EQ(library->size(), QSize(1046, 600));
    EXPECT_EQ(library->findChild<QLabel*>("Label1")->text(), "Case Library");
    EXPECT_EQ(library->findChild<QLabel*>("lblWelcome1")->text(), state.ProgramShortTitle);
    const QString welcome = library->findChild<QLabel*>("lblCaseLibraryText")->text();
    EXPECT_TRUE(welcome.contains("This software program is version 01012024, and is based on the NC Child Support "
                                 "Guidelines dated January 1, 2024. \n\n"));
    EXPECT_TRUE(welcome.contains("The current location of the dataase files is C:\\QVRForms.  You may change the "
                                 "location so that the database files may be shared across a local area network "
                                 "(LAN) by clicking on the pull-down menu item labeled 'Location' shown at the top "
                                 "of this window.\n\n"));
    for (const char* name : {"lblCaseLibraryText", "lblMessage1", "Label1", "lblWelcome1"}) {
        const QLabel* label = library->findChild<QLabel*>(name);
        EXPECT_LE(label->heightForWidth(label->width()), label->height()) << name << " is cut off";
    }
    EXPECT_EQ(library->findChild<QPushButton*>("cmdAddNewCase")->text(), "&ADD CASE");
    EXPECT_EQ(library->findChild<QPushButton*>("cmdSelectWorksheetA")->palette().color(QPalette::Button),
              QColor("#FFFFC0"));
    EXPECT_EQ(library->findChild<QPushButton*>("cmdDeleteCase")->palette().color(QPalette::Button),
              QColor("#E0E0E0"));
    EXPECT_TRUE(answerer.Titles().isEmpty());
}

TEST_F(CaseLibraryTest, EmptyTableGetsTheSampleCaseWithItsNumberPaddedOnTheRight) {
    draws = {123};

    QWidget* library = OpenLibrary();

    const std::vector<StoredCase> cases = StoredCases();
    ASSERT_EQ(cases.size(), 1u);
    EXPECT_EQ(cases[0].name, "Sample Case");
    EXPECT_EQ(cases[0].id, "MO123000");
    EXPECT_EQ(cases[0].file, "MO123000");
    EXPECT_EQ(cases[0].opened, FormatDate(QDate::currentDate()));
    EXPECT_EQ(Items(library), QStringList{Item("Sample Case", "MO123000")});
    EXPECT_EQ(state.CurrentCaseId, "MO123000");
    EXPECT_EQ(state.CurrentCaseName, "Sample Case");
    EXPECT_TRUE(HintShown(library));
}

TEST_F(CaseLibraryTest, HintShowsWithOneCaseAndNotWithTwo) {
    StoreCase("Doe", "DO000001");
    EXPECT_TRUE(HintShown(OpenLibrary()));

    UnloadAllForms();
    StoreCase("Roe", "RO000001");
    EXPECT_FALSE(HintShown(OpenLibrary()));
}

TEST_F(CaseLibraryTest, ListsEveryCaseByNameWhateverItsCaseWithTheIdOutOfSight) {
    StoreCase("banana", "BA000001");
    StoreCase(std::nullopt, "NN000001");
    StoreCase("Apple", "AP000001");
    StoreCase("cherry", "CH000001");
    StoreCase("Apple pie", "AP000002");

    QWidget* library = OpenLibrary();

    EXPECT_EQ(Items(library), (QStringList{Item("Apple", "AP000001"), Item("Apple pie", "AP000002"),
                                           Item("banana", "BA000001"), Item("cherry", "CH000001"),
                                           Item("No Name", "NN000001")}));
    EXPECT_EQ(List(library)->currentIndex().row(), 0);
    EXPECT_EQ(state.CurrentCaseId, "AP000001");
    EXPECT_GT(QFontMetrics(List(library)->font()).horizontalAdvance(QString(100, ' ')),
              List(library)->viewport()->width());
}

TEST_F(CaseLibraryTest, AccentedAndLowerCaseNamesAreListedAmongTheirLetters) {
    StoreCase("Zeller", "ZE000001");
    StoreCase(QString::fromUtf8("Ábalos v. Roe"), "AB000001");
    StoreCase("de la Cruz", "DE000001");
    StoreCase("Edwards", "ED000001");
    StoreCase("Davis", "DA000001");

    QWidget* library = OpenLibrary();

    EXPECT_EQ(Items(library), (QStringList{Item(QString::fromUtf8("Ábalos v. Roe"), "AB000001"),
                                           Item("Davis", "DA000001"), Item("de la Cruz", "DE000001"),
                                           Item("Edwards", "ED000001"), Item("Zeller", "ZE000001")}));
}

// A long table is read and sorted in parts by several threads: the cases come in one order as
// ever, names alike in their first characters among them, and the current case is selected.
TEST_F(CaseLibraryTest, CasesReadInPartsAreListedInOneOrder) {
    const QStringList names{"Zeller v. Zeller, second", "de la Cruz", "Zeller v. Zeller, first", "Ábalos",
                            "zeller v. zeller, first", "Able", "Davis"};
    for (int i = 0; i < names.size(); ++i) StoreCase(names[i], QString("ID%1").arg(i));
    ASSERT_TRUE(OpenCases()->Execute("UPDATE Cases SET rowid = rowid * 30000"));
    state.CurrentCaseId = "ID3";

    QWidget* library = OpenLibrary();

    EXPECT_EQ(Items(library), (QStringList{Item("Ábalos", "ID3"), Item("Able", "ID5"), Item("Davis", "ID6"),
                                           Item("de la Cruz", "ID1"), Item("Zeller v. Zeller, first", "ID2"),
                                           Item("zeller v. zeller, first", "ID4"),
                                           Item("Zeller v. Zeller, second", "ID0")}));
    EXPECT_EQ(CurrentItem(library), Item("Ábalos", "ID3"));
}

TEST_F(CaseLibraryTest, ClickingACaseMakesItCurrent) {
    StoreCase("Alpha", "AL000001");
    StoreCase("Beta", "BE000001");
    QWidget* library = OpenLibrary();

    ClickItem(library, 1);

    EXPECT_EQ(state.CurrentCaseId, "BE000001");
    EXPECT_EQ(state.CurrentCaseName, "Beta");
}

TEST_F(CaseLibraryTest, TheCurrentCaseStaysSelectedWhenItIsStillThere) {
    StoreCase("Alpha", "AL000001");
    StoreCase("Beta", "BE000001");
    StoreCase("Gamma", "GA000001");
    state.CurrentCaseId = "BE000001";

    QWidget* library = OpenLibrary();

    EXPECT_EQ(CurrentItem(library), Item("Beta", "BE000001"));
    EXPECT_EQ(state.CurrentCaseId, "BE000001");
}

TEST_F(CaseLibraryTest, AVanishedCurrentCaseSelectsTheLastItem) {
    StoreCase("Gamma", "GA000001");
    StoreCase("Alpha", "AL000001");
    StoreCase("Beta", "BE000001");
    state.CurrentCaseId = "DE000009";

    QWidget* library = OpenLibrary();

    EXPECT_EQ(CurrentItem(library), Item("Gamma", "GA000001"));
    EXPECT_EQ(state.CurrentCaseId, "GA000001");
    EXPECT_EQ(state.CurrentCaseName, "Gamma");
}

TEST_F(CaseLibraryTest, AFortyCharacterNameIsListedWholeButCurrentByItsFirstThirty) {
    const QString name = "Doe, Jonathan Alexander vs. Roe, Jennife";
    ASSERT_EQ(name.size(), 40);
    StoreCase(name, "DO000001");
    QWidget* library = OpenLibrary();
    EXPECT_EQ(Items(library), QStringList{Item(name, "DO000001")});
    EXPECT_EQ(state.CurrentCaseName, name.left(30));

    // Renaming offers the whole name, so that a change at its end keeps the rest.
    const QString renamed = name.left(33) + "Jenny A";
    ModalAnswerer answerer;
    QString offered;
    answerer.Then([&](QWidget* dialog) {
        offered = dialog->findChild<QLineEdit*>("Text1")->text();
        TypeThenClick(renamed, "Ok")(dialog);
    });
    Click(library, "cmdRenameCase");

    EXPECT_EQ(offered, name);
    EXPECT_EQ(StoredCases().at(0).name, renamed);
}

struct AddCase {
    const char* typed;
    long long draw;
    const char* id;
};

void PrintTo(const AddCase& c, std::ostream* os) { *os << c.typed; }

class AddingACase : public CaseLibraryTest, public ::testing::WithParamInterface<AddCase> {};

TEST_P(AddingACase, StoresItUnderANewIdAndMakesItCurrent) {
    const QString typed = QString::fromUtf8(GetParam().typed);
    StoreCase("Zeta", "ZE000001");
    QWidget* library = OpenLibrary();
    draws = {GetParam().draw};
    ModalAnswerer answerer;
    answerer.Then([&](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "New Case Name");
        EXPECT_EQ(dialog->findChild<QLineEdit*>("Text1")->maxLength(), 40);
        EXPECT_EQ(dialog->findChild<QLabel*>("Label1")->text(),
                  "Enter a Name for this new Case in the space below.  You may enter the name of your client, or "
                  "perhaps the name of the plaintiff and defendant (ie., Doe, John vs. Jane).  The maximum number of "
                  "characters allowed in this field is 40.");
        TypeThenClick(typed, "Ok")(dialog);
    });

    Click(library, "cmdAddNewCase");

    const QString id = QString::fromUtf8(GetParam().id);
    const std::vector<StoredCase> cases = StoredCases();
    ASSERT_EQ(cases.size(), 2u);
    EXPECT_EQ(cases[1].name, typed);
    EXPECT_EQ(cases[1].id, id);
    EXPECT_EQ(cases[1].file, id);
    EXPECT_EQ(cases[1].opened, FormatDate(QDate::currentDate()));
    EXPECT_EQ(state.CurrentCaseId, id);
    EXPECT_EQ(state.CurrentCaseName, typed.left(30).trimmed());
    EXPECT_EQ(CurrentItem(library), Item(typed, id));
    EXPECT_FALSE(HintShown(library));
}

INSTANTIATE_TEST_SUITE_P(Names, AddingACase,
                         ::testing::Values(AddCase{"Doe v. Roe", 123456, "DO123456"}, AddCase{"x", 42, "X420000"},
                                           AddCase{"o'Brien", 0, "O'000000"},
                                           AddCase{"  smith & sons ", 99999998, "SM999999"},
                                           AddCase{"\xC3\xB1" "a Pe\xC3\xB1" "a", 7, "\xC3\x91" "A700000"},
                                           AddCase{"a\xF0\x9F\x98\x80 b", 5, "A\xF0\x9F\x98\x80" "500000"}));

TEST_F(CaseLibraryTest, ADrawnIdThatIsTakenIsDrawnAgain) {
    StoreCase("Doe", "DO123456");
    StoreCase("Dover", "DO111111 ");
    QWidget* library = OpenLibrary();
    draws = {123456, 111111, 654321};
    ModalAnswerer answerer;
    answerer.Then(TypeThenClick("Doe again", "Ok"));

    Click(library, "cmdAddNewCase");

    EXPECT_TRUE(draws.empty());
    EXPECT_EQ(StoredCases().back().id, "DO654321");
    EXPECT_EQ(state.CurrentCaseId, "DO654321");
    EXPECT_EQ(state.CurrentCaseName, "Doe again");
}

class NamingNothing : public CaseLibraryTest, public ::testing::WithParamInterface<std::pair<const char*, const char*>> {};

TEST_P(NamingNothing, AddsNothing) {
    StoreCase("Doe", "DO000001");
    QWidget* library = OpenLibrary();
    ModalAnswerer answerer;
    answerer.Then(TypeThenClick(GetParam().first, GetParam().second));

    Click(library, "cmdAddNewCase");

    EXPECT_EQ(StoredCases().size(), 1u);
    EXPECT_EQ(state.CurrentCaseId, "DO000001");
    EXPECT_EQ(answerer.Answered(), 1);
}

INSTANTIATE_TEST_SUITE_P(Answers, NamingNothing,
                         ::testing::Values(std::pair{"Roe", "Cancel"}, std::pair{"", "Ok"}, std::pair{"   ", "Ok"}));

TEST_F(CaseLibraryTest, RenamingKeepsTheIdAndSortsTheListAnew) {
    StoreCase("Alpha", "AL000001");
    StoreCase("Beta", "BE000001");
    QWidget* library = OpenLibrary();
    ClickItem(library, 1);
    ModalAnswerer answerer;
    QString offered;
    answerer.Then([&](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Change Case Name");
        EXPECT_TRUE(dialog->findChild<QLabel*>("Label1")->text().startsWith(
            "Enter a new Name for this new Case in the space below.  You may enter the name of your client, or "
            "perhaps"));
        offered = dialog->findChild<QLineEdit*>("Text1")->text();
        TypeThenClick("Aardvark", "Ok")(dialog);
    });

    Click(library, "cmdRenameCase");

    EXPECT_EQ(offered, "Beta");
    const std::vector<StoredCase> cases = StoredCases();
    EXPECT_EQ(cases.at(1).name, "Aardvark");
    EXPECT_EQ(cases.at(1).id, "BE000001");
    EXPECT_EQ(cases.at(0).name, "Alpha");
    EXPECT_EQ(Items(library), (QStringList{Item("Aardvark", "BE000001"), Item("Alpha", "AL000001")}));
    EXPECT_EQ(List(library)->currentIndex().row(), 0);
    EXPECT_EQ(state.CurrentCaseId, "BE000001");
    EXPECT_EQ(state.CurrentCaseName, "Aardvark");
}

TEST_F(CaseLibraryTest, RenamingCancelledOrEmptiedWritesNothing) {
    StoreCase("Alpha", "AL000001");
    QWidget* library = OpenLibrary();
    ModalAnswerer answerer;
    answerer.Then(TypeThenClick("Omega", "Cancel")).Then(TypeThenClick("  ", "Ok"));

    Click(library, "cmdRenameCase");
    Click(library, "cmdRenameCase");

    EXPECT_EQ(answerer.Answered(), 2);
    EXPECT_EQ(StoredCases().at(0).name, "Alpha");
}

TEST_F(CaseLibraryTest, DeletingAsksFirstAndOnNoKeepsTheCase) {
    StoreCase("Doe", "DO000001");
    StoreCase("Roe", "RO000001");
    QWidget* library = OpenLibrary();
    ModalAnswerer answerer;
    answerer.Click("No");

    Click(library, "cmdDeleteCase");

    EXPECT_EQ(answerer.Titles(), QStringList{"Delete Case"});
    EXPECT_EQ(answerer.Texts(), QStringList{"Are you sure you want to delete the case named 'Doe'?"});
    EXPECT_EQ(StoredCases().size(), 2u);
    EXPECT_EQ(state.CurrentCaseId, "DO000001");
}

TEST_F(CaseLibraryTest, DeletingACaseMakesTheFirstCaseCurrent) {
    StoreCase("Alpha", "AL000001");
    StoreCase("Beta", "BE000001");
    StoreCase("Gamma", "GA000001");
    QWidget* library = OpenLibrary();
    ClickItem(library, 1);
    ModalAnswerer answerer;
    answerer.Click("Yes");

    Click(library, "cmdDeleteCase");

    const std::vector<StoredCase> cases = StoredCases();
    ASSERT_EQ(cases.size(), 2u);
    EXPECT_EQ(cases[0].id, "AL000001");
    EXPECT_EQ(cases[1].id, "GA000001");
    EXPECT_EQ(state.CurrentCaseId, "AL000001");
    EXPECT_EQ(Items(library).size(), 2);
}

TEST_F(CaseLibraryTest, DeletingTheOnlyCaseBringsANewSampleCase) {
    StoreCase("Doe", "DO000001");
    QWidget* library = OpenLibrary();
    draws = {987654};
    ModalAnswerer answerer;
    answerer.Click("Yes");

    Click(library, "cmdDeleteCase");

    const std::vector<StoredCase> cases = StoredCases();
    ASSERT_EQ(cases.size(), 1u);
    EXPECT_EQ(cases[0].name, "Sample Case");
    EXPECT_EQ(cases[0].id, "MO987654");
    EXPECT_EQ(state.CurrentCaseId, "MO987654");
    EXPECT_EQ(state.CurrentCaseName, "Sample Case");
    EXPECT_TRUE(HintShown(library));
}

struct ListChange {
    const char* button;
    const char* typed;  // the name typed; empty: Yes to the deletion
    bool writtenElsewhere;  // another workstation adds a case while the list shows
    bool readInParts;  // the cases lie so far apart in the table that several threads read them
};

class AfterAChange : public CaseLibraryTest, public ::testing::WithParamInterface<ListChange> {};

// The list that one change leaves is the list the library shows when it is opened anew: order,
// texts, the selected case, the first record in table order for an id stored twice.
TEST_P(AfterAChange, TheListIsAsIfOpenedAnew) {
    StoreCase("Doe", "DO000001");
    StoreCase("doe", "DO000001");
    StoreCase(std::nullopt, "NN000001");
    StoreCase(QString(98, 'W'), "WI000001");
    StoreCase(QString::fromUtf8("Ábalos"), "AB000001");
    StoreCase("Zed", " ZE000001");
    if (GetParam().readInParts) ASSERT_TRUE(OpenCases()->Execute("UPDATE Cases SET rowid = rowid * 30000"));
    state.CurrentCaseId = "DO000001";
    QWidget* library = OpenLibrary();
    if (GetParam().writtenElsewhere) StoreCase("Elsewhere", "EL000001");
    draws = {5};
    ModalAnswerer answerer;
    if (*GetParam().typed)
        answerer.Then(TypeThenClick(GetParam().typed, "Ok"));
    else
        answerer.Click("Yes");

    Click(library, GetParam().button);
    const QStringList items = Items(library);
    const QString current = CurrentItem(library);
    const QString currentId = state.CurrentCaseId;
    UnloadAllForms();

    EXPECT_EQ(items, Items(OpenLibrary()));
    EXPECT_EQ(current, CurrentItem(LoadedWorkingWindow("CaseLibrary")));
    EXPECT_EQ(currentId, state.CurrentCaseId);
    EXPECT_EQ(items.contains(Item("Elsewhere", "EL000001")), GetParam().writtenElsewhere);
    EXPECT_EQ(items.contains(Item("doe", "DO000001")), true);
}

INSTANTIATE_TEST_SUITE_P(Changes, AfterAChange,
                         ::testing::Values(ListChange{"cmdAddNewCase", "Middle", false, false},
                                           ListChange{"cmdAddNewCase", "Middle", true, false},
                                           ListChange{"cmdAddNewCase", "Middle", false, true},
                                           ListChange{"cmdRenameCase", "Aaron", false, false},
                                           ListChange{"cmdRenameCase", "Aaron", true, false},
                                           ListChange{"cmdRenameCase", "Aaron", false, true},
                                           ListChange{"cmdDeleteCase", "", false, false},
                                           ListChange{"cmdDeleteCase", "", true, false},
                                           ListChange{"cmdDeleteCase", "", false, true}),
                         [](const auto& info) {
                             return std::string(info.param.button + 3) + (info.param.writtenElsewhere ? "AfterAnother" : "") +
                                    (info.param.readInParts ? "ReadInParts" : "");
                         });

TEST_F(CaseLibraryTest, AChangedFolderShowsItsOwnCases) {
    StoreCase("One", "ON000001");
    OpenLibrary();
    EXPECT_EQ(state.CurrentCaseId, "ON000001");
    UnloadAllForms();

    ASSERT_TRUE(QDir().mkpath(driveC + "/Shared/Cases"));
    state.FilesLocation = "C:\\Shared\\Cases";
    ASSERT_TRUE(SaveFilesLocation());
    state.CurrentCaseId = "";
    SetDatabasePaths();
    StoreCase("Two", "TW000001");
    QWidget* library = OpenLibrary();

    EXPECT_EQ(Items(library), QStringList{Item("Two", "TW000001")});
    EXPECT_EQ(state.CurrentCaseId, "TW000001");
    EXPECT_TRUE(library->findChild<QLabel*>("lblCaseLibraryText")
                    ->text()
                    .contains("The current location of the dataase files is C:\\Shared\\Cases.  "));
}

struct WorksheetCase {
    const char* button;  // empty: a double-click on the list
    const char* window;
};

class OpeningAWorksheet : public CaseLibraryTest, public ::testing::WithParamInterface<WorksheetCase> {};

TEST_P(OpeningAWorksheet, UnloadsTheLibraryAndShowsTheWorksheet) {
    StoreCase("Alpha", "AL000001");
    StoreCase("Beta", "BE000001");
    QPointer<QWidget> library = OpenLibrary();
    ModalAnswerer answerer;

    ClickItem(library, 1);  // also the first click of a double-click
    if (*GetParam().button) {
        Click(library, GetParam().button);
    } else {
        QTest::mouseDClick(List(library)->viewport(), Qt::LeftButton, {}, ItemMiddle(library, 1));
    }

    EXPECT_EQ(LoadedWorkingWindow("CaseLibrary"), nullptr);
    EXPECT_NE(LoadedWorkingWindow(GetParam().window), nullptr);
    EXPECT_EQ(state.CurrentCaseId, "BE000001");
    EXPECT_TRUE(answerer.Titles().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Buttons, OpeningAWorksheet,
                         ::testing::Values(WorksheetCase{"cmdSelectWorksheetA", "FormA"},
                                           WorksheetCase{"cmdSelectWorksheetB", "FormB"},
                                           WorksheetCase{"cmdSelectWorksheetC", "FormC"},
                                           WorksheetCase{"", "FormA"}));

struct EmptyListCase {
    const char* button;  // empty: a double-click on the list
    const char* message;
};

class WithNoCaseStored : public CaseLibraryTest, public ::testing::WithParamInterface<EmptyListCase> {};

// A table that refuses every new record keeps the list empty, as a read-only data folder would.
TEST_P(WithNoCaseStored, EachCommandSaysSoAndOpensNothing) {
    ASSERT_TRUE(OpenCases()->Execute(
        "CREATE TRIGGER refuse BEFORE INSERT ON Cases BEGIN SELECT RAISE(ABORT, 'read-only'); END;"));
    draws = {1};
    QWidget* library = OpenLibrary();
    ASSERT_EQ(List(library)->model()->rowCount(), 0);
    ModalAnswerer answerer;
    answerer.Click("OK");

    if (*GetParam().button)
        Click(library, GetParam().button);
    else
        QTest::mouseDClick(List(library)->viewport(), Qt::LeftButton, {}, QPoint(20, 20));

    EXPECT_EQ(answerer.Titles(), QStringList{"No Cases have been created!"});
    EXPECT_EQ(answerer.Texts(), QStringList{GetParam().message});
    EXPECT_EQ(LoadedWorkingWindow("CaseLibrary"), library);
    for (const char* worksheet : kWorksheets) EXPECT_EQ(LoadedWorkingWindow(worksheet), nullptr);
    EXPECT_EQ(state.CurrentCaseId, "");
}

INSTANTIATE_TEST_SUITE_P(
    Commands, WithNoCaseStored,
    ::testing::Values(
        EmptyListCase{"cmdDeleteCase",
                      "Before you can Delete, you must add a new Case first!  Click on the 'Add New Case' button below."},
        EmptyListCase{"cmdRenameCase",
                      "Before you can Rename, you must add a new Case first!  Click on the 'Add New Case' button below."},
        EmptyListCase{"cmdSelectWorksheetA",
                      "Before you can Select, you must add a new Case first!  Click on the 'Add New Case' button below."},
        EmptyListCase{"cmdSelectWorksheetB",
                      "Before you can Select, you must add a new Case first!  Click on the 'Add New Case' button below."},
        EmptyListCase{"cmdSelectWorksheetC",
                      "Before you can Select, you must add a new Case first!  Click on the 'Add New Case' button below."},
        EmptyListCase{"", "Before you can continue, you must add a new Case first!  Click on the 'Add New Case' button "
                          "below."}));

}  // namespace
}  // namespace qvr::test
