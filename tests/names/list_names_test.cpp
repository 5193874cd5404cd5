#include "names/windows/list_names.h"

#include "core/program_state.h"
#include "names/name_list.h"
#include "names_fixture.h"
#include "support/list_clicks.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace qvr::test {
namespace {

QListWidget* List(QWidget* picker) { return picker->findChild<QListWidget*>("List1"); }

void ClickRow(QWidget* picker, int row) {
    QListWidget* list = List(picker);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

// Acts on the dialog once its modal loop runs.
ModalAnswerer::Action Later(std::function<void(QWidget*)> act) {
    return [act](QWidget* dialog) { QTimer::singleShot(0, dialog, [dialog, act] { act(dialog); }); };
}

class ListNamesTest : public NamesTest {
protected:
    void SetUp() override {
        NamesTest::SetUp();
        StoreName({{"keynumber", "S1234567"}, {"firmname", "Smith, John"}, {"listname", "John Smith"},
                   {"city", "Raleigh"}});
        StoreName({{"keynumber", "B7654321"}, {"firmname", "Brown, Ann"}, {"listname", "Ann Brown"}});
        StoreName({{"keynumber", "N0000001"}, {"firmname", "  "}, {"listname", "No Sort Name"}});
        StoreName({{"keynumber", ""}, {"firmname", "Aaron, No Key"}});
        StoreName({{"firmname", "Null Key"}});
    }

    int ShowPicker(ModalAnswerer& answerer) {
        ListNames picker;
        QTimer::singleShot(10000, &picker, [&picker] {
            ADD_FAILURE() << "the picker is still open";
            picker.reject();
        });
        const int result = picker.exec();
        EXPECT_TRUE(answerer.Unexpected().isEmpty()) << answerer.Unexpected().join(", ").toStdString();
        return result;
    }
};

TEST_F(ListNamesTest, ListsOnlyPartiesWithASortNameAndAKeyInNameOrder) {
    ListNames picker;
    EXPECT_EQ(picker.windowTitle(), "Select a Name");
    EXPECT_EQ(picker.size(), QSize(6030 / 15, 7650 / 15));
    EXPECT_EQ(Items(List(&picker)), (QStringList{NameListItem(QString("Brown, Ann"), QString("B7654321")),
                                                 NameListItem(QString("Example Law Office"), QString("A0000001")),
                                                 NameListItem(QString("Smith, John"), QString("S1234567"))}));
}

struct PreselectCase {
    const char* label;
    const char* key;
    const char* highlighted;
};

class ListNamesPreselectTest : public ListNamesTest, public ::testing::WithParamInterface<PreselectCase> {};

TEST_P(ListNamesPreselectTest, HighlightsThePresetPartyOrTheFirstAndKeepsTheKey) {
    state.PickerKey = GetParam().key;
    ListNames picker;
    EXPECT_EQ(CurrentItemKey(List(&picker)), GetParam().highlighted);
    EXPECT_EQ(state.PickerKey, GetParam().key);
    EXPECT_EQ(state.BuildingList, "N");
}

INSTANTIATE_TEST_SUITE_P(Names, ListNamesPreselectTest,
                         ::testing::Values(PreselectCase{"listed", "S1234567", "S1234567"},
                                           PreselectCase{"empty", "", "B7654321"},
                                           PreselectCase{"notListed", "N0000001", "B7654321"},
                                           PreselectCase{"unknown", "Q9999999", "B7654321"}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(ListNamesTest, AClickMakesThePartyTheChoice) {
    state.PickerKey = "N0000001";
    ListNames picker;
    picker.show();
    ClickRow(&picker, 2);
    EXPECT_EQ(state.PickerKey, "S1234567");
}

TEST_F(ListNamesTest, SelectTakesTheHighlightedParty) {
    state.SelCity = QString("old");
    ModalAnswerer answerer;
    answerer.Then(Later([](QWidget* picker) {
        ClickRow(picker, 2);
        picker->findChild<QPushButton*>("cmdSelect")->click();
    }));

    EXPECT_EQ(ShowPicker(answerer), QDialog::Accepted);
    EXPECT_EQ(state.PickerKey, "S1234567");
    EXPECT_EQ(state.SelKeynumber, "S1234567");
    EXPECT_EQ(state.SelListname, "John Smith");
    EXPECT_EQ(state.SelCity, "Raleigh");
    EXPECT_EQ(state.SelStreet, "");  // Null in the file, repaired before the pick
}

TEST_F(ListNamesTest, DoubleClickSelects) {
    ModalAnswerer answerer;
    answerer.Then(Later([](QWidget* picker) {
        QListWidget* list = List(picker);
        DoubleClickItem(list, list->item(0));
    }));

    EXPECT_EQ(ShowPicker(answerer), QDialog::Accepted);
    EXPECT_EQ(state.PickerKey, "B7654321");
    EXPECT_EQ(state.SelListname, "Ann Brown");
}

TEST_F(ListNamesTest, NoSelectionLeavesTheKeyAndTheBlockEmpty) {
    state.PickerKey = "S1234567";
    state.SelListname = QString("John Smith");
    state.SelNotes = QString("old");
    ModalAnswerer answerer;
    answerer.Click("No Selection");

    EXPECT_EQ(ShowPicker(answerer), QDialog::Accepted);
    EXPECT_EQ(state.PickerKey, "");
    EXPECT_EQ(state.SelListname, "");
    EXPECT_EQ(state.SelNotes, "");
    EXPECT_EQ(state.SelKeynumber, "");
}

TEST_F(ListNamesTest, AddingAPartyClosesThePickerWithThePartyChosen) {
    state.PickerKey = "S1234567";
    keyDraws = {31};
    ModalAnswerer answerer;
    answerer.Then(Later([](QWidget* picker) { ModalAnswerer::ClickButton(picker, "Add New Name"); }))
        .Then(Later([](QWidget* dialog) {
            TypeText(dialog->findChild<QLineEdit*>("txtFirstName"), "Zoe");
            TypeText(dialog->findChild<QLineEdit*>("txtLastName"), "Adams");
            ModalAnswerer::ClickButton(dialog, "Save");
        }));

    EXPECT_EQ(ShowPicker(answerer), QDialog::Accepted);
    EXPECT_EQ(state.PickerKey, "A0000031");
    EXPECT_EQ(state.CurrentNameKey, "A0000031");
    EXPECT_EQ(state.SelKeynumber, "A0000031");
    EXPECT_EQ(state.SelListname, "Zoe Adams");
    EXPECT_EQ(state.SelFirmname, "Adams, Zoe");
}

TEST_F(ListNamesTest, AddingClosedWithoutSavingLeavesThePickerOpen) {
    state.PickerKey = "S1234567";
    QStringList itemsAfterAdd;
    ModalAnswerer answerer;
    answerer.Then(Later([](QWidget* picker) { ModalAnswerer::ClickButton(picker, "Add New Name"); }))
        .Click("Cancel")
        .Then(Later([&itemsAfterAdd](QWidget* picker) {
            itemsAfterAdd = Items(List(picker));
            EXPECT_EQ(CurrentItemKey(List(picker)), "S1234567");
            picker->close();
        }));

    EXPECT_EQ(ShowPicker(answerer), QDialog::Rejected);
    EXPECT_EQ(answerer.Titles(), (QStringList{"Select a Name", "Add New Name", "Select a Name"}));
    EXPECT_EQ(itemsAfterAdd.size(), 3);
    EXPECT_EQ(state.PickerKey, "S1234567");
    EXPECT_EQ(StoredNames().size(), 6u);
}

TEST_F(ListNamesTest, SelectWithNothingListedKeepsThePickerOpen) {
    for (const char* key : {"A0000001", "S1234567", "B7654321"}) DeleteStoredName(key);
    state.PickerKey = "S1234567";
    ListNames picker;
    picker.show();
    ASSERT_EQ(List(&picker)->count(), 0);

    picker.findChild<QPushButton*>("cmdSelect")->click();

    EXPECT_TRUE(picker.isVisible());
    EXPECT_EQ(state.PickerKey, "S1234567");
}

}  // namespace
}  // namespace qvr::test
