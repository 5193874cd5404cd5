// The current case's record as the worksheets reach it, and a worksheet's calculation of it.

#include "worksheet/case_record.h"

#include "core/cases_database.h"
#include "core/program_state.h"
#include "core/startup.h"
#include "platform/database.h"
#include "support/print_qstring.h"
#include "support/temp_drive.h"
#include "worksheet_a/calculation.h"

#include <QDir>
#include <gtest/gtest.h>

namespace qvr {
namespace {

class CurrentCaseTest : public test::TempDriveTest {
protected:
    void SetUp() override {
        TempDriveTest::SetUp();
        SetStartValues();
        SetShadedAreaLimits();
        QDir(driveC).mkpath("Data");
        state.CasesDatabasePath = "C:\\Data\\VESK0232.MDB";
        UpdateCasesDatabase();
        std::unique_ptr<Database> db = Database::OpenDatabase(state.CasesDatabasePath);
        ASSERT_TRUE(db);
        std::unique_ptr<Recordset> cases = db->OpenRecordset("Cases");
        AddCase(*cases, "OT000001", {{"pinc", "1"}});
        AddCase(*cases, "MO123456", {{"pinc", " 4000"}, {"dinc", " 3000"}, {"child1name", "Ann"},
                                     {"child2name", "Bo"}, {"chkbox3", " 1"}});
        db->Close();
    }

    static void AddCase(Recordset& cases, const QString& id,
                        std::initializer_list<std::pair<const char*, const char*>> columns) {
        ASSERT_TRUE(cases.AddNew());
        cases.SetValue("caseid", id);
        for (const auto& [column, text] : columns) cases.SetValue(column, QString(text));
        ASSERT_TRUE(cases.Update());
    }
};

TEST_F(CurrentCaseTest, CalculatesTheCurrentCaseAndSetsTheProgramWideVariables) {
    state.CurrentCaseId = "MO123456";
    const std::optional<WorksheetResult> r = CalculateCurrentCase(CalculateWorksheetA, &ProgramState::RoundLinesA);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->captions.at("lblD9"), "691.76 ");
    EXPECT_EQ(r->checkBoxes, (std::array<int, 4>{0, 0, 1, 0}));
    EXPECT_EQ(state.Obligor, "D");
    EXPECT_EQ(state.NumChildren, 2);
    EXPECT_EQ(state.CLine4, 1614);
    EXPECT_NEAR(state.DLine9, 691.7604, 1e-9);
    EXPECT_DOUBLE_EQ(state.PLine3, 57.14);
    EXPECT_EQ(state.MinimumOrder, "N");
    EXPECT_EQ(state.ShadedAreaFlag, "N");
    EXPECT_EQ(state.OverrideFlag, "N");
    EXPECT_FALSE(state.CasesRecordset);
    EXPECT_FALSE(state.CasesDatabase);
}

TEST_F(CurrentCaseTest, NoCurrentIdTakesTheFirstCase) {
    const std::optional<CaseRecord> record = ReadCurrentCaseRecord();
    ASSERT_TRUE(record);
    EXPECT_EQ(state.CurrentCaseId, "OT000001");
    EXPECT_EQ(record->at("PINC"), "1");
    EXPECT_EQ(record->at("county"), "");
    EXPECT_EQ(record->size(), 91u);
}

TEST_F(CurrentCaseTest, AVanishedCaseGivesNoRecord) {
    state.CurrentCaseId = "GONE0000";
    EXPECT_FALSE(CalculateCurrentCase(CalculateWorksheetA, &ProgramState::RoundLinesA));
    EXPECT_EQ(state.CurrentCaseId, "GONE0000");
    EXPECT_FALSE(state.CasesDatabase);
}

}  // namespace
}  // namespace qvr
