#include "schedule/schedule_table.h"

#include <gtest/gtest.h>

#include "core/program_state.h"
#include "platform/database.h"
#include "schedule_fixture.h"
#include "support/temp_drive.h"

namespace qvr::test {
namespace {

struct Amount {
    QString typed;
    std::optional<QString> stored;
};

class WholeDollarsTest : public ::testing::TestWithParam<Amount> {};

TEST_P(WholeDollarsTest, KeepsOnlyWholeDollarsInStoredForm) {
    EXPECT_EQ(WholeDollars(GetParam().typed), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(
    ScheduleTable, WholeDollarsTest,
    ::testing::Values(Amount{"50", "50"}, Amount{"0", "0"}, Amount{"  7 ", "7"}, Amount{"0050", "50"},
                      Amount{"9999999", "9999999"}, Amount{"00000001", std::nullopt}, Amount{"12345678", std::nullopt},
                      Amount{"", std::nullopt}, Amount{"   ", std::nullopt}, Amount{"12a", std::nullopt},
                      Amount{"12.00", std::nullopt}, Amount{"1,234", std::nullopt}, Amount{"-5", std::nullopt},
                      Amount{"+5", std::nullopt}, Amount{"$5", std::nullopt}, Amount{"1 2", std::nullopt},
                      Amount{"1e3", std::nullopt}, Amount{QString(QChar(0x0665)), std::nullopt},
                      Amount{QString(QChar(0xFF15)), std::nullopt}, Amount{"O'Brien", std::nullopt}));

class ScheduleTableTest : public TempDriveTest {
protected:
    void SetUp() override {
        TempDriveTest::SetUp();
        state.ScheduleDatabasePath = "C:\\QVRForms\\TABLE24.MDB";
    }
};

TEST_F(ScheduleTableTest, AMissingDatabaseOrTableReadsAsNothing) {
    QString error;
    EXPECT_FALSE(ReadScheduleTable("C:\\QVRForms\\NOSUCH.MDB", &error));
    EXPECT_FALSE(error.isEmpty());
    ASSERT_NE(Database::CreateDatabase("C:\\QVRForms\\EMPTY.MDB"), nullptr);
    EXPECT_FALSE(ReadScheduleTable("C:\\QVRForms\\EMPTY.MDB", &error));
    EXPECT_EQ(error, "The schedule database has no table Schedule.");
}

TEST_F(ScheduleTableTest, WritesOneRowsAmountsOnly) {
    ScheduleLine changed{"2000", {"1", "2", "3", "4", "5", "6"}};
    ASSERT_EQ(WriteScheduleAmounts(state.ScheduleDatabasePath, 40, changed), RowWrite::Written);

    std::vector<ScheduleLine> expected = ShippedSchedule();
    expected[40] = changed;
    EXPECT_EQ(StoredSchedule(), expected);
}

TEST_F(ScheduleTableTest, WritesNothingWhereTheRowNoLongerHasTheIncome) {
    const ScheduleLine changed{"2050", {"1", "2", "3", "4", "5", "6"}};
    for (int index : {40, -1, 801, 5000})
        EXPECT_EQ(WriteScheduleAmounts(state.ScheduleDatabasePath, index, changed), RowWrite::Moved) << index;
    EXPECT_EQ(StoredSchedule(), ShippedSchedule());
}

TEST_F(ScheduleTableTest, ReplacesEveryRow) {
    const std::vector<ScheduleLine> lines{Line("500", "7"), Line("550", "8"), Line("600", "9")};
    QString error;
    ASSERT_TRUE(ReplaceScheduleRows(state.ScheduleDatabasePath, lines, &error)) << error.toStdString();
    EXPECT_EQ(StoredSchedule(), lines);
}

// A value too long for its column makes the engine refuse that row, far into the replacement.
TEST_F(ScheduleTableTest, AReplacementThatFailsHalfWayLeavesTheRowsAsTheyWere) {
    std::vector<ScheduleLine> lines = ShippedSchedule();
    for (ScheduleLine& line : lines) line.Child[0] = "1";
    lines[500].Child[2] = QString("9").repeated(300);
    QString error;
    EXPECT_FALSE(ReplaceScheduleRows(state.ScheduleDatabasePath, lines, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(StoredSchedule(), ShippedSchedule());
}

TEST_F(ScheduleTableTest, ATableWithoutItsColumnsIsNeitherWrittenNorReplaced) {
    std::unique_ptr<Database> database = Database::CreateDatabase("C:\\QVRForms\\PART.MDB");
    ASSERT_TRUE(database->CreateTable("Schedule", "Income"));
    ASSERT_TRUE(database->Execute("ALTER TABLE Schedule ADD COLUMN Child1 TEXT"));
    database->Close();
    QString error;
    EXPECT_FALSE(ReplaceScheduleRows("C:\\QVRForms\\PART.MDB", {Line("0", "1")}, &error));
    EXPECT_EQ(error, "Table Schedule has no column Child2.");
    EXPECT_EQ(WriteScheduleAmounts("C:\\QVRForms\\PART.MDB", 0, Line("0", "1")), RowWrite::Failed);
}

}  // namespace
}  // namespace qvr::test
