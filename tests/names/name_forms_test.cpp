#include "names/name_forms.h"
#include "names/name_keys.h"
#include "names/name_list.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace qvr {
namespace {

struct FormsCase {
    PersonName name;
    const char* sort;
    const char* display;
    const char* lastFirst;
};

class NameFormsTest : public ::testing::TestWithParam<FormsCase> {};

TEST_P(NameFormsTest, SortDisplayAndLastFirstForms) {
    const FormsCase& example = GetParam();
    EXPECT_EQ(SortForm(example.name), QString::fromUtf8(example.sort));
    EXPECT_EQ(DisplayForm(example.name), QString::fromUtf8(example.display));
    EXPECT_EQ(LastFirstForm(example.name), QString::fromUtf8(example.lastFirst));
}

INSTANTIATE_TEST_SUITE_P(
    Names, NameFormsTest,
    ::testing::Values(
        FormsCase{{"John", "Quincy", "Public", "Jr."}, "Public, John Quincy Jr.", "John Quincy Public Jr.",
                  "Public, John Quincy, Jr."},
        FormsCase{{"John", "", "Public", ""}, "Public, John", "John Public", "Public, John"},
        FormsCase{{"", "", "Public", ""}, "Public", "Public", "Public"},
        FormsCase{{"", "", "Public", "III"}, "Public, III", "Public III", "Public, III"},
        FormsCase{{"", "Ann", "Lee", ""}, "Lee, Ann", "Ann Lee", "Lee, Ann"},
        FormsCase{{"  Mary ", " ", " O'Brien  ", " Sr. "}, "O'Brien, Mary Sr.", "Mary O'Brien Sr.",
                  "O'Brien, Mary, Sr."},
        FormsCase{{"José", "María", "Núñez-Ørsted", ""}, "Núñez-Ørsted, José María", "José María Núñez-Ørsted",
                  "Núñez-Ørsted, José María"},
        FormsCase{{"\"Bud\"", "", "Smith", ""}, "Smith, \"Bud\"", "\"Bud\" Smith", "Smith, \"Bud\""}));

struct InitialCase {
    const char* name;
    char initial;
};

class KeyInitialTest : public ::testing::TestWithParam<InitialCase> {};

TEST_P(KeyInitialTest, IsAnUpperCaseLatinLetter) {
    EXPECT_EQ(KeyInitial(QString::fromUtf8(GetParam().name)), QChar(GetParam().initial)) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Names, KeyInitialTest,
                         ::testing::Values(InitialCase{"smith", 'S'}, InitialCase{"  Brown", 'B'},
                                           InitialCase{"O'Brien", 'O'}, InitialCase{"'t Hooft", 'T'},
                                           InitialCase{"1st Bank of Raleigh", 'S'}, InitialCase{"Ñúñez", 'N'},
                                           InitialCase{"élan", 'E'}, InitialCase{"Ørsted", 'O'},
                                           InitialCase{"æther", 'A'}, InitialCase{"Łukasz", 'L'},
                                           InitialCase{"ßmith", 'S'}, InitialCase{"Ｗide", 'W'},
                                           InitialCase{"ﬁsh", 'F'}, InitialCase{"Жуков", 'A'},
                                           InitialCase{"李", 'A'}, InitialCase{"Ωmega", 'A'}, InitialCase{"", 'A'},
                                           InitialCase{"  ", 'A'}, InitialCase{"123 & 456", 'A'},
                                           InitialCase{"\xF0\x9F\x98\x80 Zed", 'Z'}));

const QRegularExpression kKeyForm("^[A-Z][0-9]{7}$");

class NameKeyTest : public ::testing::Test {
protected:
    void TearDown() override { SetNameKeyRandomSource({}); }
    void Draw(int number) {
        SetNameKeyRandomSource([number] { return number; });
    }
};

TEST_F(NameKeyTest, IsTheInitialAndTheDrawnNumberInSevenDigits) {
    Draw(42);
    EXPECT_EQ(NewNameKey("Public", {}), "P0000042");
    Draw(9999999);
    EXPECT_EQ(NewNameKey("Ñúñez", {}), "N9999999");
}

TEST_F(NameKeyTest, TakenNumbersAreSkippedWithoutRegardToCaseOrBlanks) {
    Draw(42);
    EXPECT_EQ(NewNameKey("Public", {"P0000042", "p0000043 ", " P0000044"}), "P0000045");
    EXPECT_EQ(NewNameKey("Adams", {"P0000042"}), "A0000042");  // another initial is another key
}

TEST_F(NameKeyTest, TheLastNumberWrapsToTheFirst) {
    Draw(9999999);
    EXPECT_EQ(NewNameKey("Public", {"P9999999"}), "P0000001");
}

TEST_F(NameKeyTest, DrawsOutsideTheRangeStayInIt) {
    Draw(0);
    EXPECT_EQ(NewNameKey("Public", {}), "P0000001");
    Draw(123456789);
    EXPECT_EQ(NewNameKey("Public", {}), "P9999999");
}

TEST_F(NameKeyTest, RandomKeysHaveTheFormAndDiffer) {
    QSet<QString> keys;
    for (int draw = 0; draw < 200; ++draw) {
        const QString key = NewNameKey("Жуков", keys);
        EXPECT_TRUE(kKeyForm.match(key).hasMatch()) << key.toStdString();
        keys.insert(key);
    }
    EXPECT_EQ(keys.size(), 200);
}

TEST(NameListItemTest, NameIsPaddedOrCutToOneHundredCharactersBeforeTheKey) {
    const QString item = NameListItem(QString("Public, John"), QString("P1234567"));
    EXPECT_EQ(item, QString("Public, John").leftJustified(100, ' ') + "P1234567");
    EXPECT_EQ(ListItemKey(item), "P1234567");

    const QString long_ = NameListItem(QString(120, 'x'), QString("X0000001"));
    EXPECT_EQ(long_, QString(100, 'x') + "X0000001");
    EXPECT_EQ(ListItemKey(long_), "X0000001");

    EXPECT_EQ(NameListItem(std::nullopt, QString("A1")), QString(100, ' ') + "A1");
    EXPECT_EQ(ListItemKey(QString()), "");
}

TEST(NameListItemTest, ACharacterCutInHalfBecomesABlank) {
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    const QString item = NameListItem(QString(99, 'a') + emoji, QString("A0000001"));
    EXPECT_EQ(item, QString(99, 'a') + " A0000001");
}

TEST(NameListItemTest, RowOfKeyFindsTheItemCarryingIt) {
    const QStringList items{NameListItem(QString("B"), QString("B0000001")),
                            NameListItem(QString("C"), QString("C0000001"))};
    EXPECT_EQ(RowOfKey(items, "C0000001"), 1);
    EXPECT_EQ(RowOfKey(items, " B0000001 "), 0);
    EXPECT_EQ(RowOfKey(items, "D0000001"), -1);
    EXPECT_EQ(RowOfKey(items, ""), -1);
}

}  // namespace
}  // namespace qvr
