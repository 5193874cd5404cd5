#include "names/windows/add_new_name.h"

#include "core/program_state.h"
#include "names_fixture.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace qvr::test {
namespace {

struct Typed {
    bool firm = false;
    const char* first = "";
    const char* middle = "";
    const char* last = "";
    const char* suffix = "";
    const char* firmName = "";
};

QLineEdit* Box(QWidget* dialog, const char* name) { return dialog->findChild<QLineEdit*>(name); }

// Fills the dialog as a user would: the kind first, then every box that is open to typing.
void Fill(QWidget* dialog, const Typed& typed) {
    if (typed.firm) dialog->findChild<QRadioButton*>("optFirm")->click();
    const std::pair<const char*, const char*> boxes[] = {{"txtFirstName", typed.first},
                                                         {"txtMiddleName", typed.middle},
                                                         {"txtLastName", typed.last},
                                                         {"txtSuffix", typed.suffix},
                                                         {"txtFirmName", typed.firmName}};
    for (const auto& [name, text] : boxes)
        if (Box(dialog, name)->isEnabled()) TypeText(Box(dialog, name), QString::fromUtf8(text));
}

class AddNewNameTest : public NamesTest {
protected:
    // Shows the dialog modally, fills it and closes it with the button `closing`.
    int AddName(const Typed& typed, const QString& closing = "Save") {
        ModalAnswerer answerer;
        answerer.Then([typed, closing](QWidget* dialog) {
            QTimer::singleShot(0, dialog, [dialog, typed, closing] {
                Fill(dialog, typed);
                ModalAnswerer::ClickButton(dialog, closing);
            });
        });
        AddNewName dialog;
        const int result = dialog.exec();
        EXPECT_EQ(answerer.Answered(), 1);
        return result;
    }
};

struct SavedCase {
    const char* label;
    Typed typed;
    int draw;
    const char* key;
    NameRecord expected;
};

class AddNewNameSavedTest : public AddNewNameTest, public ::testing::WithParamInterface<SavedCase> {};

TEST_P(AddNewNameSavedTest, AddsOneRecordWithThePartsTheFormsAndANewKey) {
    state.CurrentNameKey = "S0000001";
    keyDraws = {GetParam().draw};

    EXPECT_EQ(AddName(GetParam().typed), QDialog::Accepted);

    EXPECT_EQ(state.CurrentNameKey, GetParam().key);
    ASSERT_EQ(StoredNames().size(), 2u);
    const NameRecord added = StoredNames().back();
    for (const auto& [column, value] : added) {
        const auto expected = GetParam().expected.find(column);
        const QString wanted = column == "keynumber"                ? QString(GetParam().key)
                               : expected != GetParam().expected.end() ? expected->second.value()
                                                                       : QString("");
        EXPECT_EQ(value, wanted) << column.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, AddNewNameSavedTest,
    ::testing::Values(
        SavedCase{"person",
                  {false, "John", "Quincy", "Public", "Jr."},
                  1234567,
                  "P1234567",
                  {{"firstname", "John"},
                   {"middlename", "Quincy"},
                   {"Lastname", "Public"},
                   {"suffix", "Jr."},
                   {"firmname", "Public, John Quincy Jr."},
                   {"listname", "John Quincy Public Jr."},
                   {"lastfirstmiddle", "Public, John Quincy, Jr."}}},
        SavedCase{"lastNameOnly",
                  {false, "", "", " Lee ", ""},
                  42,
                  "L0000042",
                  {{"Lastname", "Lee"}, {"firmname", "Lee"}, {"listname", "Lee"}, {"lastfirstmiddle", "Lee"}}},
        SavedCase{"firm",
                  {true, "", "", "", "", "Acme Legal Services, P.A."},
                  7,
                  "A0000007",
                  {{"firmname", "Acme Legal Services, P.A."},
                   {"listname", "Acme Legal Services, P.A."},
                   {"lastfirstmiddle", "Acme Legal Services, P.A."}}},
        SavedCase{"quotesAndAccents",
                  {false, "José \"Pepe\"", "", "Ñúñez-O'Hara", ""},
                  9999999,
                  "N9999999",
                  {{"firstname", "José \"Pepe\""},
                   {"Lastname", "Ñúñez-O'Hara"},
                   {"firmname", "Ñúñez-O'Hara, José \"Pepe\""},
                   {"listname", "José \"Pepe\" Ñúñez-O'Hara"},
                   {"lastfirstmiddle", "Ñúñez-O'Hara, José \"Pepe\""}}},
        SavedCase{"otherScript",
                  {false, "Иван", "", "Жуков", ""},
                  5,
                  "A0000005",
                  {{"firstname", "Иван"},
                   {"Lastname", "Жуков"},
                   {"firmname", "Жуков, Иван"},
                   {"listname", "Иван Жуков"},
                   {"lastfirstmiddle", "Жуков, Иван"}}}),
    [](const auto& info) { return std::string(info.param.label); });

struct UnsavedCase {
    const char* label;
    Typed typed;
    const char* closing;
};

class AddNewNameUnsavedTest : public AddNewNameTest, public ::testing::WithParamInterface<UnsavedCase> {};

TEST_P(AddNewNameUnsavedTest, AddsNothingAndKeepsTheCurrentKey) {
    state.CurrentNameKey = "S0000001";

    AddName(GetParam().typed, GetParam().closing);

    EXPECT_EQ(StoredKeys(), QStringList{"A0000001"});
    EXPECT_EQ(state.CurrentNameKey, "S0000001");
}

INSTANTIATE_TEST_SUITE_P(Names, AddNewNameUnsavedTest,
                         ::testing::Values(UnsavedCase{"nothing", {}, "Save"},
                                           UnsavedCase{"firstNameOnly", {false, "John", "Q", "", "Jr."}, "Save"},
                                           UnsavedCase{"blankLastName", {false, "", "", "   ", ""}, "Save"},
                                           UnsavedCase{"firmWithoutName", {true}, "Save"},
                                           UnsavedCase{"cancelled", {false, "John", "", "Public", ""}, "Cancel"},
                                           UnsavedCase{"cancelledFirm", {true, "", "", "", "", "Acme"}, "Cancel"}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(AddNewNameTest, ANewKeyIsNeverOneTheTableHolds) {
    StoreName({{"keynumber", "P1234567"}, {"firmname", "Public, Jane"}});
    StoreName({{"keynumber", "p1234568"}, {"firmname", "Public, Joe"}});
    keyDraws = {1234567, 1234567};

    AddName({false, "John", "", "Public", ""});
    AddName({false, "Mary", "", "Pike", ""});

    EXPECT_EQ(StoredKeys(), (QStringList{"A0000001", "P1234567", "p1234568", "P1234569", "P1234570"}));
}

TEST_F(AddNewNameTest, ThePartsStandInTheBlockWhileTyped) {
    state.SelLastname = QString("from an earlier pick");
    ModalAnswerer answerer;
    answerer.Then([](QWidget* dialog) {
        QTimer::singleShot(0, dialog, [dialog] {
            EXPECT_EQ(state.SelLastname, "");
            TypeText(Box(dialog, "txtFirstName"), "Ann");
            TypeText(Box(dialog, "txtMiddleName"), "B");
            TypeText(Box(dialog, "txtLastName"), "Cole");
            TypeText(Box(dialog, "txtSuffix"), "II");
            dialog->findChild<QRadioButton*>("optFirm")->click();
            TypeText(Box(dialog, "txtFirmName"), "Cole & Co.");
            EXPECT_EQ(state.SelFirstname, "Ann");
            EXPECT_EQ(state.SelMiddlename, "B");
            EXPECT_EQ(state.SelLastname, "Cole");
            EXPECT_EQ(state.SelSuffix, "II");
            EXPECT_EQ(state.SelFirmname, "Cole & Co.");
            ModalAnswerer::ClickButton(dialog, "Cancel");
        });
    });
    AddNewName dialog;
    dialog.exec();
    EXPECT_EQ(answerer.Answered(), 1);
}

TEST_F(AddNewNameTest, BoxesTakeNoMoreThanTheirColumnsHold) {
    AddNewName dialog;
    TypeText(Box(&dialog, "txtLastName"), QString(55, 'l'));
    dialog.findChild<QRadioButton*>("optFirm")->click();
    TypeText(Box(&dialog, "txtFirmName"), QString(260, 'f'));

    EXPECT_EQ(Box(&dialog, "txtLastName")->text().size(), 50);
    EXPECT_EQ(Box(&dialog, "txtFirmName")->text().size(), 250);
}

}  // namespace
}  // namespace qvr::test
