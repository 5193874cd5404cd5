#include "names/name_list.h"
#include "names/name_records.h"

#include "core/names_database.h"
#include "core/program_state.h"
#include "core/settings_database.h"
#include "core/startup.h"
#include "support/temp_drive.h"


namespace qvr::test {
namespace {

class NameRecordsTest : public TempDriveTest {
protected:
    void SetUp() override {
        TempDriveTest::SetUp();
        SetStartValues();
        UpdateMainDatabase();
        ReadMainRecord();
        SetDatabasePaths();
        OpenNamesTable();
        ASSERT_TRUE(state.NamesRecordset);
    }

    static Recordset& Names() { return *state.NamesRecordset; }

    static void Add(const ColumnValues& values) { ASSERT_EQ(AddNameRecord(Names(), values), WriteResult::Written); }

    static Value Column(const QString& key, const QString& column) {
        if (!FindNameRecord(Names(), key)) return QString("<no record>");
        return Names().GetValue(column);
    }

    static int RecordCount() { return int(Names().RecordCount()); }
};

TEST_F(NameRecordsTest, AddedRecordHoldsTheValuesAndTheEmptyTextElsewhere) {
    Add({{"keynumber", "B0000002"}, {"firmname", "Brown, Ann"}, {"city", "Durham"}});

    ASSERT_TRUE(FindNameRecord(Names(), "B0000002"));
    for (int index = 0; index < Names().FieldCount(); ++index) {
        const QString column = Names().Field(index).name;
        const Value expected = column == "keynumber" ? QString("B0000002")
                               : column == "firmname" ? QString("Brown, Ann")
                               : column == "city"     ? QString("Durham")
                                                      : QString("");
        EXPECT_EQ(Names().GetValue(index), expected) << column.toStdString();
    }
}

TEST_F(NameRecordsTest, ValuesLongerThanTheirColumnAreRefusedWhole) {
    std::optional<TooLong> tooLong;
    EXPECT_EQ(AddNameRecord(Names(), {{"keynumber", "X0000001"}, {"namestate", "NCX"}}, &tooLong),
              WriteResult::TooLong);
    ASSERT_TRUE(tooLong);
    EXPECT_EQ(tooLong->column, "namestate");
    EXPECT_EQ(tooLong->width, 2);
    EXPECT_EQ(tooLong->length, 3);
    EXPECT_EQ(RecordCount(), 1);  // the example record alone

    EXPECT_EQ(WriteNameField(Names(), "A0000001", "city", QString(51, 'c'), &tooLong), WriteResult::TooLong);
    EXPECT_EQ(Column("A0000001", "city"), "Exampleton");
}

TEST_F(NameRecordsTest, WidthsCountCharactersNotCodeUnits) {
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    EXPECT_EQ(CharacterCount(emoji.repeated(2)), 2);
    EXPECT_EQ(WriteNameField(Names(), "A0000001", "namestate", emoji.repeated(2)), WriteResult::Written);
    EXPECT_EQ(Column("A0000001", "namestate"), emoji.repeated(2));
    EXPECT_EQ(WriteNameField(Names(), "A0000001", "namestate", emoji.repeated(3)), WriteResult::TooLong);
}

TEST_F(NameRecordsTest, MemoTakesAnyLength) {
    const QString notes = QString("Long note. ").repeated(2000);
    EXPECT_EQ(WriteNameField(Names(), "A0000001", "notes", notes), WriteResult::Written);
    EXPECT_EQ(Column("A0000001", "notes"), notes);
}

TEST_F(NameRecordsTest, WriteToAMissingRecordOrColumnIsReported) {
    EXPECT_EQ(WriteNameField(Names(), "Z9999999", "city", "Cary"), WriteResult::NameMissing);
    EXPECT_EQ(WriteNameField(Names(), "", "city", "Cary"), WriteResult::NameMissing);
    EXPECT_EQ(WriteNameField(Names(), "A0000001", "nosuchcolumn", "x"), WriteResult::TooLong);
}

TEST_F(NameRecordsTest, DeleteRemovesExactlyTheFirstRecordWithTheKey) {
    Add({{"keynumber", "B0000002"}, {"firmname", "Brown"}});
    Add({{"keynumber", "C0000003"}, {"firmname", "Brown"}});

    EXPECT_EQ(DeleteNameRecord(Names(), " B0000002"), WriteResult::Written);
    EXPECT_EQ(StoredNameKeys(Names()), (QSet<QString>{"A0000001", "C0000003"}));
    EXPECT_EQ(DeleteNameRecord(Names(), "B0000002"), WriteResult::NameMissing);
}

TEST_F(NameRecordsTest, ListIsSortedByNameWithoutRegardToCase) {
    Add({{"keynumber", "b0000002"}, {"firmname", "brown, Ann"}});
    Add({{"keynumber", "C0000003"}, {"firmname", "Carter"}});
    Add({{"keynumber", "B0000004"}, {"firmname", "Brown, Ann"}});
    Add({{"keynumber", "N0000005"}, {"firmname", ""}});
    Add({{"keynumber", " "}, {"firmname", "No Key"}});

    const QStringList keyed = SortedNameList(Names(), NameListing::EveryKeyedRecord);
    QStringList keys;
    for (const QString& item : keyed) keys << ListItemKey(item);
    EXPECT_EQ(keys, (QStringList{"N0000005", "b0000002", "B0000004", "C0000003", "A0000001"}));

    keys.clear();
    for (const QString& item : SortedNameList(Names(), NameListing::NamedAndKeyed)) keys << ListItemKey(item);
    EXPECT_EQ(keys, (QStringList{"b0000002", "B0000004", "C0000003", "A0000001"}));
}

TEST_F(NameRecordsTest, AccentedAndLowerCaseNamesAreListedAmongTheirLetters) {
    Add({{"keynumber", "Z0000002"}, {"firmname", "Zeller, Ann"}});
    Add({{"keynumber", "D0000003"}, {"firmname", "de la Cruz, Ana"}});
    Add({{"keynumber", "D0000004"}, {"firmname", "Dunn, Bo"}});
    Add({{"keynumber", "A0000005"}, {"firmname", QString::fromUtf8("Ábalos, Eva")}});
    Add({{"keynumber", "D0000006"}, {"firmname", "Davis, Cy"}});

    QStringList keys;
    for (const QString& item : SortedNameList(Names(), NameListing::NamedAndKeyed)) keys << ListItemKey(item);

    EXPECT_EQ(keys, (QStringList{"A0000005", "D0000006", "D0000003", "D0000004", "A0000001", "Z0000002"}));
}

TEST_F(NameRecordsTest, ChosenNameIsLoadedIntoTheBlockAfterNullRepair) {
    ASSERT_TRUE(Names().AddNew());
    Names().SetValue("keynumber", QString("B0000002"));
    Names().SetValue("listname", QString("Ann Brown"));
    Names().SetValue("street", QString("1 Main St"));
    ASSERT_TRUE(Names().Update());
    state.SelCity = QString("before");

    ASSERT_TRUE(LoadChosenName("B0000002"));
    EXPECT_EQ(state.SelKeynumber, "B0000002");
    EXPECT_EQ(state.SelListname, "Ann Brown");
    EXPECT_EQ(state.SelStreet, "1 Main St");
    EXPECT_EQ(state.SelCity, "");     // was Null
    EXPECT_EQ(state.SelNotes, " ");   // memo Null becomes one blank

    state.SelCity = QString("kept");
    EXPECT_FALSE(LoadChosenName("Z0000000"));
    EXPECT_FALSE(LoadChosenName(""));
    EXPECT_EQ(state.SelCity, "kept");
}

}  // namespace
}  // namespace qvr::test
