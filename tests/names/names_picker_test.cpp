#include "names/windows/names_picker.h"

#include "core/program_state.h"
#include "names/name_list.h"
#include "names_fixture.h"
#include "support/list_clicks.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace qvr::test {
namespace {

struct BlockValue {
    Value ProgramState::*variable;
    const char* name;
};

const BlockValue kWholeBlock[] = {
    {&ProgramState::SelKeynumber, "SelKeynumber"},   {&ProgramState::SelFirmname, "SelFirmname"},
    {&ProgramState::SelListname, "SelListname"},     {&ProgramState::SelFirstname, "SelFirstname"},
    {&ProgramState::SelMiddlename, "SelMiddlename"}, {&ProgramState::SelLastname, "SelLastname"},
    {&ProgramState::SelSuffix, "SelSuffix"},         {&ProgramState::SelStreet, "SelStreet"},
    {&ProgramState::SelStreet2, "SelStreet2"},       {&ProgramState::SelCity, "SelCity"},
    {&ProgramState::SelNamestate, "SelNamestate"},   {&ProgramState::SelZipcode, "SelZipcode"},
    {&ProgramState::SelWphone, "SelWphone"},         {&ProgramState::SelHphone, "SelHphone"},
    {&ProgramState::SelFphone, "SelFphone"},         {&ProgramState::SelCphone, "SelCphone"},
    {&ProgramState::SelBirthdate, "SelBirthdate"},   {&ProgramState::SelDeathdate, "SelDeathdate"},
    {&ProgramState::SelShortnote, "SelShortnote"},   {&ProgramState::SelNamecounty, "SelNamecounty"},
    {&ProgramState::SelNamessn, "SelNamessn"},       {&ProgramState::SelBarno, "SelBarno"},
    {&ProgramState::SelEmployer, "SelEmployer"},     {&ProgramState::SelEmail, "SelEmail"},
    {&ProgramState::SelNotes, "SelNotes"},           {&ProgramState::SelLastfirstmiddle, "SelLastfirstmiddle"},
    {&ProgramState::SelAnniversary, "SelAnniversary"}, {&ProgramState::SelPlacemarrg, "SelPlacemarrg"},
    {&ProgramState::SelStartdate, "SelStartdate"},   {&ProgramState::SelEnddate, "SelEnddate"},
    {&ProgramState::SelContact, "SelContact"},       {&ProgramState::SelCresdate, "SelCresdate"},
    {&ProgramState::SelCempaddr, "SelCempaddr"},     {&ProgramState::SelCempaddr2, "SelCempaddr2"},
    {&ProgramState::SelCempcity, "SelCempcity"},     {&ProgramState::SelCempstate, "SelCempstate"},
    {&ProgramState::SelCempzip, "SelCempzip"},       {&ProgramState::SelClsalary, "SelClsalary"},
    {&ProgramState::SelOptfield1, "SelOptfield1"},   {&ProgramState::SelOptfield2, "SelOptfield2"},
    {&ProgramState::SelOptfield3, "SelOptfield3"},
};

void FillBlock(const QString& value) {
    for (const BlockValue& entry : kWholeBlock) state.*entry.variable = value;
}

void ExpectBlock(const QString& value) {
    for (const BlockValue& entry : kWholeBlock) EXPECT_EQ(state.*entry.variable, value) << entry.name;
}

QListWidget* List(QWidget* picker) { return picker->findChild<QListWidget*>("List1"); }

void SelectKey(QWidget* picker, const QString& key) {
    QListWidget* list = List(picker);
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->text().mid(kListNameWidth) == key) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
            return;
        }
    ADD_FAILURE() << "no item " << key.toStdString();
}

class NamesPickerTest : public NamesTest {
protected:
    void SetUp() override {
        NamesTest::SetUp();
        StoreName({{"keynumber", "S1234567"}, {"firmname", "Smith, John"}, {"listname", "John Smith"},
                   {"street", "12 Oak St"}, {"street2", "Apt 3"}, {"city", "Raleigh"}, {"namestate", "NC"},
                   {"zipcode", "02134"}, {"shortnote", "Attorney at law"}, {"notes", "two\nlines"},
                   {"namesex", "F"}, {"optfield3", "third"}});
        StoreName({{"keynumber", "B7654321"}, {"firmname", "Brown, Ann"}, {"listname", "Ann Brown"}});
        StoreName({{"keynumber", "A2222222"}, {"firmname", "Adams, Zoe"}, {"listname", "Zoe Adams"}});
    }

    // Opens the picker modally and lets `answer` act on it once it is up.
    static ModalAnswerer::Action Picking(std::function<void(QWidget*)> answer) {
        return [answer](QWidget* picker) { QTimer::singleShot(0, picker, [picker, answer] { answer(picker); }); };
    }

    static int ShowPicker(ModalAnswerer& answerer) {
        Names picker;
        QTimer::singleShot(10000, &picker, [&picker] {
            ADD_FAILURE() << "the picker is still open";
            picker.reject();
        });
        const int result = picker.exec();
        EXPECT_TRUE(answerer.Unexpected().isEmpty()) << answerer.Unexpected().join(", ").toStdString();
        return result;
    }
};

struct PreselectCase {
    const char* label;
    const char* key;
    const char* partyName;
    const char* selected;
};

class NamesPreselectTest : public NamesPickerTest, public ::testing::WithParamInterface<PreselectCase> {};

TEST_P(NamesPreselectTest, SelectsThePresetPartyOrTheFirstAndAddsNothing) {
    state.PickerKey = GetParam().key;
    state.PickerPartyName = GetParam().partyName;

    Names picker;
    EXPECT_EQ(CurrentItemKey(List(&picker)), GetParam().selected);
    EXPECT_EQ(StoredNames().size(), 4u);
    EXPECT_EQ(state.PickerKey, GetParam().key);
}

INSTANTIATE_TEST_SUITE_P(Names, NamesPreselectTest,
                         ::testing::Values(PreselectCase{"listed", "S1234567", "John Smith", "S1234567"},
                                           PreselectCase{"blanks", " B7654321 ", "", "B7654321"},
                                           PreselectCase{"none", "", "", "A2222222"},
                                           PreselectCase{"nameWithoutKey", "", "Jane Doe", "A2222222"},
                                           PreselectCase{"keyWithoutName", "Q0000009", "  ", "A2222222"}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(NamesPickerTest, ListsEveryPartyBySortName) {
    Names picker;
    EXPECT_EQ(Items(List(&picker)),
              (QStringList{NameListItem(QString("Adams, Zoe"), QString("A2222222")),
                           NameListItem(QString("Brown, Ann"), QString("B7654321")),
                           NameListItem(QString("Example Law Office"), QString("A0000001")),
                           NameListItem(QString("Smith, John"), QString("S1234567"))}));
}

TEST_F(NamesPickerTest, MissingPresetKeyIsAddedUnderThatKeyAndSelected) {
    state.PickerKey = "Z7777777";
    state.PickerPartyName = "Zed O'Zulu";

    {
        Names picker;
        EXPECT_EQ(CurrentItemKey(List(&picker)), "Z7777777");
        EXPECT_EQ(List(&picker)->currentItem()->text().left(kListNameWidth).trimmed(), "Zed O'Zulu");
    }
    Names again;
    ASSERT_EQ(StoredNames().size(), 5u);
    const auto added = StoredName("Z7777777");
    ASSERT_TRUE(added);
    EXPECT_EQ(added->at("firmname"), "Zed O'Zulu");
    EXPECT_EQ(added->at("listname"), "Zed O'Zulu");
    EXPECT_EQ(added->at("city"), "");
}

TEST_F(NamesPickerTest, SelectNameFillsTheBlockWithTheStoredValues) {
    state.PickerKey = "B7654321";
    FillBlock("old");
    ModalAnswerer answerer;
    answerer.Then(Picking([](QWidget* picker) {
        SelectKey(picker, "S1234567");
        picker->findChild<QPushButton*>("cmdSelect")->click();
    }));

    EXPECT_EQ(ShowPicker(answerer), QDialog::Accepted);
    EXPECT_EQ(state.PickerKey, "S1234567");
    EXPECT_EQ(state.CurrentNameKey, "S1234567");
    EXPECT_EQ(state.SelKeynumber, "S1234567");
    EXPECT_EQ(state.SelListname, "John Smith");
    EXPECT_EQ(state.SelFirmname, "Smith, John");
    EXPECT_EQ(state.SelStreet, "12 Oak St");
    EXPECT_EQ(state.SelStreet2, "Apt 3");
    EXPECT_EQ(state.SelCity, "Raleigh");
    EXPECT_EQ(state.SelNamestate, "NC");
    EXPECT_EQ(state.SelZipcode, "02134");
    EXPECT_EQ(state.SelShortnote, "Attorney at law");
    EXPECT_EQ(state.SelNotes, "two\nlines");
    EXPECT_EQ(state.SelOptfield3, "third");
    EXPECT_EQ(state.SelBarno, "");  // Null in the file, repaired before the pick
}

TEST_F(NamesPickerTest, DoubleClickSelectsLikeTheButton) {
    ModalAnswerer answerer;
    answerer.Then(Picking([](QWidget* picker) {
        QListWidget* list = List(picker);
        DoubleClickItem(list, list->item(1));
    }));

    EXPECT_EQ(ShowPicker(answerer), QDialog::Accepted);
    EXPECT_EQ(state.PickerKey, "B7654321");
    EXPECT_EQ(state.SelListname, "Ann Brown");
    EXPECT_EQ(state.SelNotes, " ");  // a Null memo is repaired to one blank
}

TEST_F(NamesPickerTest, NoSelectionEmptiesTheBlockAndTheKeys) {
    state.PickerKey = "S1234567";
    state.CurrentNameKey = "S1234567";
    FillBlock("old");
    ModalAnswerer answerer;
    answerer.Click("No Selection");

    EXPECT_EQ(ShowPicker(answerer), QDialog::Accepted);
    EXPECT_EQ(state.PickerKey, "");
    EXPECT_EQ(state.CurrentNameKey, "");
    ExpectBlock("");
}

TEST_F(NamesPickerTest, ClosingOtherwiseLeavesTheBlockAndTheKeys) {
    const std::vector<std::function<void(QWidget*)>> closings{
        [](QWidget* picker) { picker->close(); },
        [](QWidget* picker) { QTest::keyClick(picker, Qt::Key_Escape); }};
    for (const auto& closing : closings) {
        state.PickerKey = "S1234567";
        state.CurrentNameKey = "K1";
        FillBlock("old");
        ModalAnswerer answerer;
        answerer.Then(Picking([closing](QWidget* picker) {
            SelectKey(picker, "B7654321");
            closing(picker);
        }));

        EXPECT_EQ(ShowPicker(answerer), QDialog::Rejected);
        EXPECT_EQ(state.PickerKey, "S1234567");
        EXPECT_EQ(state.CurrentNameKey, "K1");
        ExpectBlock("old");
    }
}

TEST_F(NamesPickerTest, CaptionLocationWidthAndPlace) {
    state.FilesLocation = "C:\\Child Support Data";
    for (const auto& [title, caption] : {std::pair{"Select Name of Plaintiff", "Select Name of Plaintiff"},
                                         std::pair{"", "NAMES Database"}}) {
        state.DialogTitle = title;
        Names picker;
        picker.show();
        EXPECT_EQ(picker.windowTitle(), caption);
        EXPECT_EQ(picker.findChild<QLabel*>("lblLocation")->text(),
                  "DATABASE LOCATION:   C:\\Child Support Data\\NAMES.mdb");
        EXPECT_EQ(picker.width(), 4545 / 15);
        EXPECT_LE((picker.frameGeometry().center() - picker.screen()->availableGeometry().center()).manhattanLength(),
                  4);
    }
}

TEST_F(NamesPickerTest, APartyDeletedMeanwhileIsNotTaken) {
    state.PickerKey = "S1234567";
    FillBlock("old");
    Names picker;
    picker.show();
    DeleteStoredName("S1234567");
    ModalAnswerer answerer;
    answerer.Click("OK");

    picker.findChild<QPushButton*>("cmdSelect")->click();

    EXPECT_EQ(answerer.Titles(), QStringList{"Names"});
    EXPECT_TRUE(picker.isVisible());
    EXPECT_EQ(RowOfKey(Items(List(&picker)), "S1234567"), -1);
    ExpectBlock("old");
    EXPECT_EQ(state.PickerKey, "S1234567");
}

}  // namespace
}  // namespace qvr::test
