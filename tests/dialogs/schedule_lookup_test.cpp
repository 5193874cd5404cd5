#include "dialogs/schedule_lookup.h"

#include "core/program_state.h"
#include "platform/database.h"
#include "support/temp_drive.h"

#include <QFile>
#include <gtest/gtest.h>

namespace qvr {
namespace {

// Three bands: 500-550, 550-600, and the last row 600 with no row after it.
Schedule ThreeRows() {
    return Schedule({
        {500, {80, 100, 120, 130, 140, 150}},
        {550, {85, 110, 130, 142, 152, 163}},
        {600, {90, 118, 139, 150, 160, 171}},
    });
}

struct LookupCase {
    const char* what;
    double income;
    double children;
    double expected;
};

class WorksheetLookup : public ::testing::TestWithParam<LookupCase> {};

TEST_P(WorksheetLookup, GivesTheInterpolatedAmount) {
    const LookupCase& c = GetParam();
    Schedule schedule = ThreeRows();
    EXPECT_DOUBLE_EQ(ScheduleAmount(schedule, c.income, c.children), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Bands, WorksheetLookup,
    ::testing::Values(
        // 100 + 20.37 * (110 - 100) / 50 = 104.074: fractions of a cent kept.
        LookupCase{"mid-band", 520.37, 2, 104.074},
        // 550 lies in the band of row 500 too: 100 + 50 * 10 / 50 = 110, row 550's own amount.
        LookupCase{"on a middle row", 550, 2, 110},
        // Row 500 holds its own income: 80 + 0 = 80.
        LookupCase{"on the first row", 500, 1, 80},
        // 600 matches the band of row 550: 130 + 50 * (139 - 130) / 50 = 139, the last row's amount.
        LookupCase{"on the last row", 600, 3, 139},
        // Band of the last row, which has no row after it.
        LookupCase{"a cent above the last row", 600.01, 2, 0},
        LookupCase{"far above the last row", 1e9, 2, 0},
        LookupCase{"below the first row", 499.99, 2, 0},
        // 142 + 10 * (150 - 142) / 50 = 143.6 from Child4.
        LookupCase{"four children", 560, 4, 143.6},
        // 140 + 40 * (152 - 140) / 50 = 149.6 from Child5.
        LookupCase{"five children", 540, 5, 149.6},
        // 150 + 25 * (163 - 150) / 50 = 156.5 from Child6.
        LookupCase{"six children", 525, 6, 156.5},
        LookupCase{"seven children use Child6", 525, 7, 156.5},
        LookupCase{"twenty children use Child6", 525, 20, 156.5},
        LookupCase{"no children", 525, 0, 0},
        LookupCase{"negative children", 525, -1, 0},
        LookupCase{"a fraction of a child selects no column", 525, 2.5, 0},
        LookupCase{"half a child", 525, 0.5, 0},
        LookupCase{"income 0", 0, 2, 0},
        LookupCase{"negative income", -520, 2, 0}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(ScheduleLookup, AnEmptyScheduleGivesZero) {
    Schedule empty;
    EXPECT_EQ(ScheduleAmount(empty, 520, 2), 0);
}

TEST(ScheduleLookup, TheWalkKeepsTheBandRowAndTheRowAfterIt) {
    Schedule schedule = ThreeRows();
    const ScheduleWalk walk = WalkSchedule(schedule, 520.37, 2);
    EXPECT_EQ(walk.LowerRowIncome, 500);
    EXPECT_EQ(walk.LowerRowAmount, 100);
    EXPECT_EQ(walk.UpperRowIncome, 550);
    EXPECT_EQ(walk.UpperRowAmount, 110);
}

TEST(ScheduleLookup, TheLastRowIsFoundButHasNoAmount) {
    Schedule schedule = ThreeRows();
    const ScheduleWalk walk = WalkSchedule(schedule, 620, 2);
    EXPECT_EQ(walk.LowerRowIncome, 600);
    EXPECT_EQ(walk.LowerRowAmount, 118);
    EXPECT_FALSE(walk.Amount.has_value());
}

struct CreditCase {
    const char* what;
    double income;
    double children;
    std::optional<double> expected;  // nullopt: no credit
};

class CreditWalk : public ::testing::TestWithParam<CreditCase> {};

TEST_P(CreditWalk, ExcludesTheUpperEndOfTheBand) {
    const CreditCase& c = GetParam();
    Schedule schedule = ThreeRows();
    const std::optional<double> credit = WalkScheduleForCredit(schedule, c.income, c.children).Amount;
    ASSERT_EQ(credit.has_value(), c.expected.has_value()) << c.what;
    if (credit) {
        EXPECT_DOUBLE_EQ(*credit, *c.expected) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bands, CreditWalk,
    ::testing::Values(
        // Row 550 itself: 110 + 0 * (118 - 110) / 50 = 110.
        CreditCase{"on a middle row", 550, 2, 110.0},
        // 100 + 20.37 * 10 / 50 = 104.074.
        CreditCase{"mid-band", 520.37, 2, 104.074},
        // The last row holds its own income and has no next row.
        CreditCase{"on the last row", 600, 2, std::nullopt},
        CreditCase{"below the first row", 499.99, 2, std::nullopt},
        // A band is found but no column: a credit of 0, not "no credit".
        CreditCase{"a fraction of a child", 520, 2.5, 0.0},
        // 163 + 10 * (171 - 163) / 50 = 164.6 from Child6.
        CreditCase{"eight children", 560, 8, 164.6}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(ScheduleLookup, TheCreditWalkHasNoIncomeTest) {
    Schedule fromZero({{0, {50, 55, 60, 65, 70, 75}}, {50, {52, 57, 62, 67, 72, 77}}});
    EXPECT_EQ(WalkScheduleForCredit(fromZero, 0, 1).Amount, 50.0);
}

// The shipped 2023 schedule through the program-wide lookup.
class ScheduleDatabaseTest : public test::TempDriveTest {
protected:
    void SetUp() override {
        TempDriveTest::SetUp();
        state.ScheduleDatabasePath = "C:\\QVRForms\\TABLE24.MDB";
    }

    static double Lookup(double income, double children) {
        state.LookupIncome = income;
        state.LookupChildren = children;
        LookupSchedule();
        return state.LookupResult;
    }
};

TEST_F(ScheduleDatabaseTest, ReadsTheWholeShippedSchedule) {
    Schedule schedule = Schedule::FromDatabase(state.ScheduleDatabasePath);
    ASSERT_TRUE(schedule.Row(800));
    EXPECT_FALSE(schedule.Row(801));
    EXPECT_EQ(schedule.Row(0)->Income, 0);
    EXPECT_EQ(schedule.Row(800)->Income, 40000);
    EXPECT_EQ(schedule.Row(800)->Child[5], 7418);
    // The file's line "1850,367,418,422,427,431,436".
    EXPECT_EQ(schedule.Row(37)->Income, 1850);
    EXPECT_EQ(schedule.Row(37)->Child[1], 418);
}

TEST_F(ScheduleDatabaseTest, LooksUpTheShippedAmounts) {
    // 7000 lies in band 6950: 1610 + 50 * (1614 - 1610) / 50 = 1614.
    EXPECT_DOUBLE_EQ(Lookup(7000, 2), 1614);
    EXPECT_EQ(state.LowerRowIncome, 6950);
    EXPECT_EQ(state.LowerRowAmount, 1610);
    EXPECT_EQ(state.UpperRowIncome, 7000);
    EXPECT_EQ(state.UpperRowAmount, 1614);
    // Band 7000: 1614 + 25 * (1617 - 1614) / 50 = 1615.5.
    EXPECT_DOUBLE_EQ(Lookup(7025, 2), 1615.5);
    // Band 5500, Child1: 957 + 36.8 * (962 - 957) / 50 = 960.68.
    EXPECT_DOUBLE_EQ(Lookup(5536.8, 1), 960.68);
    // The last row's income matches band 39950 and gives the last row's amount.
    EXPECT_DOUBLE_EQ(Lookup(40000, 6), 7418);
    EXPECT_EQ(Lookup(40000.01, 6), 0);
}

TEST_F(ScheduleDatabaseTest, NoChildrenOrNoIncomeGiveZeroWithoutAWalk) {
    EXPECT_DOUBLE_EQ(Lookup(7000, 2), 1614);
    state.LowerRowIncome = -1;
    EXPECT_EQ(Lookup(7000, 0), 0);
    EXPECT_EQ(Lookup(0, 2), 0);
    EXPECT_EQ(Lookup(-7000, 2), 0);
    EXPECT_EQ(state.LowerRowIncome, -1);
}

TEST_F(ScheduleDatabaseTest, AMissingScheduleGivesZero) {
    Lookup(7000, 2);
    state.ScheduleDatabasePath = "C:\\QVRForms\\NOSUCH.MDB";
    EXPECT_EQ(Lookup(7000, 2), 0);
    EXPECT_FALSE(QFile::exists(Host("C:\\QVRForms\\NOSUCH.MDB")));
    EXPECT_EQ(LookupOtherChildrenCredit(7000, 2), std::nullopt);
}

TEST_F(ScheduleDatabaseTest, AnEmptyOrMissingTableGivesZero) {
    const QString path = "C:\\QVRForms\\EMPTY.MDB";
    std::unique_ptr<Database> db = Database::CreateDatabase(path);
    ASSERT_TRUE(db);
    ASSERT_TRUE(db->CreateTable("Other", "Income"));
    db->Close();
    state.ScheduleDatabasePath = path;
    EXPECT_EQ(Lookup(7000, 2), 0);

    db = Database::OpenDatabase(path);
    ASSERT_TRUE(db->CreateTable("Schedule", "Income"));
    for (int n = 1; n <= 6; ++n) ASSERT_TRUE(db->Execute(QString("ALTER TABLE Schedule ADD COLUMN Child%1 TEXT;").arg(n)));
    db->Close();
    EXPECT_EQ(Lookup(7000, 2), 0);
    EXPECT_FALSE(Schedule::FromDatabase(path).Row(0));
}

TEST_F(ScheduleDatabaseTest, EveryLookupReadsTheScheduleAnew) {
    // Band 0, Child1: 50 + 25 * (50 - 50) / 50 = 50.
    EXPECT_DOUBLE_EQ(Lookup(25, 1), 50);
    {
        std::unique_ptr<Database> db = Database::OpenDatabase(state.ScheduleDatabasePath);
        std::unique_ptr<Recordset> rows = db->OpenRecordset("Schedule");
        ASSERT_TRUE(rows->MoveFirst() && rows->Edit());
        rows->SetValue("Child1", QString("70"));
        ASSERT_TRUE(rows->Update());
        db->Close();
    }
    // 70 + 25 * (50 - 70) / 50 = 60.
    EXPECT_DOUBLE_EQ(Lookup(25, 1), 60);
}

TEST_F(ScheduleDatabaseTest, TheCreditComesFromTheShippedSchedule) {
    // An income of 0 matches the first row (Income 0): its Child1 amount, 50.
    EXPECT_EQ(LookupOtherChildrenCredit(0, 1), 50.0);
    EXPECT_EQ(state.LookupIncome, 0);
    // Band 39950: 3243 + 49.99 * (3246 - 3243) / 50 = 3245.9994.
    EXPECT_DOUBLE_EQ(LookupOtherChildrenCredit(39999.99, 1).value(), 3245.9994);
    EXPECT_EQ(state.LookupIncome, 39999.99);
    EXPECT_EQ(state.LowerRowIncome, 39950);
    EXPECT_EQ(state.UpperRowAmount, 3246);
    // The last row's own income: no next row, no credit.
    EXPECT_EQ(LookupOtherChildrenCredit(40000, 1), std::nullopt);
    EXPECT_EQ(LookupOtherChildrenCredit(5000, 0), std::nullopt);
}

}  // namespace
}  // namespace qvr
