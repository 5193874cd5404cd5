#include "worksheet_a/calculation.h"

#include "core/program_state.h"
#include "core/startup.h"
#include "support/temp_drive.h"
#include "support/worksheet_calculation.h"

#include <gtest/gtest.h>

namespace qvr::test {
namespace {

// A schedule on which every lookup is easy to do by hand: rows every 50 dollars from 0 to 20000,
// each amount 100 + children * income / 10, so that a lookup inside it gives exactly that.
Schedule LinearSchedule() {
    std::vector<ScheduleRow> rows;
    for (int income = 0; income <= 20000; income += 50) {
        ScheduleRow row{static_cast<double>(income), {}};
        for (int n = 1; n <= 6; ++n) row.Child[n - 1] = 100 + n * income / 10;
        rows.push_back(row);
    }
    return Schedule(std::move(rows));
}

// Plaintiff 4000, defendant 3000, two named children, the plaintiff has custody.
CaseRecord BaseRecord() {
    return {{"child1name", "Ann"}, {"child2name", "Bo"}, {"pinc", "4000"}, {"dinc", "3000"}};
}

WorksheetResult Calculate(const CaseRecord& record, const WorksheetSettings& settings = Settings()) {
    Schedule schedule = LinearSchedule();
    return CalculateWorksheetA(record, settings, schedule);
}

// ---- Line 1b: the obligor's credit for other children -------------------------------------

struct CreditCase {
    const char* grossIncome;
    double credit;
    const char* caption;
};

class OtherChildrenCredit : public ::testing::TestWithParam<CreditCase> {};

TEST_P(OtherChildrenCredit, FollowsTheObligorsGrossIncome) {
    const CreditCase& c = GetParam();
    const WorksheetResult r = Calculate(With(BaseRecord(), {{"dinc", c.grossIncome}, {"doc", "1"}, {"dresp", "999"}}));
    EXPECT_NEAR(r.DResp, c.credit, 1e-9) << c.grossIncome;
    EXPECT_EQ(r.captions.at("lblDResp"), c.caption) << c.grossIncome;
}

INSTANTIATE_TEST_SUITE_P(
    Incomes, OtherChildrenCredit,
    ::testing::Values(CreditCase{"0", 0, "0.00 "},
                      CreditCase{"0.01", 50, "50.00 "},
                      CreditCase{"1150", 50, "50.00 "},
                      // Band 1150: 215 + 0.01 * (220 - 215) / 50 = 215.001.
                      CreditCase{"1150.01", 215.001, "215.00 "},
                      // 100 + 1 * 3000 / 10 = 400.
                      CreditCase{"3000", 400, "400.00 "},
                      // A gross income below 0 earns no credit.
                      CreditCase{"-100", 0, "0.00 "}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(WorksheetA, OnlyTheObligorsCreditIsRecomputed) {
    const WorksheetResult r = Calculate(
        With(BaseRecord(), {{"poc", "2"}, {"presp", "123.45"}, {"doc", "0"}, {"dresp", "77"}}));
    EXPECT_EQ(r.PResp, 123.45);
    EXPECT_EQ(r.DResp, 77);
    EXPECT_EQ(r.captions.at("lblPOC"), "(2)");
    EXPECT_EQ(r.captions.at("lblDOC"), "");
}

TEST(WorksheetA, ThePlaintiffObligorsCreditUsesItsNumberOfOtherChildren) {
    const WorksheetResult r = Calculate(
        With(BaseRecord(), {{"whosecustody", "D"}, {"pinc", "3000"}, {"poc", "2"}, {"presp", "5"}, {"dresp", "9"}}));
    // 100 + 2 * 3000 / 10 = 700.
    EXPECT_EQ(r.PResp, 700);
    EXPECT_EQ(r.DResp, 9);
    // 3000 - 700 = 2300.
    EXPECT_EQ(r.captions.at("lblP2"), "2,300.00 ");
}

// ---- Line 15: the minimum order ----------------------------------------------------------------

TEST(WorksheetA, AnAdjustedIncomeOf1150IsNoMinimumOrder) {
    // Line 2 of the defendant: 2000 - 850 = 1150.
    const WorksheetResult r = Calculate(With(BaseRecord(), {{"dinc", "2000"}, {"dpre", "850"}}));
    EXPECT_EQ(r.MinimumOrder, "N");
    // 1150 is within the two-children bound of 1850: 100 + 2 * 1150 / 10 = 330.
    EXPECT_EQ(r.ShadedAreaFlag, "Y");
    EXPECT_EQ(r.captions.at("lblC4"), "330.00 ");
}

TEST(WorksheetA, ACentBelow1150GivesTheMinimumOrder) {
    const WorksheetResult r = Calculate(With(BaseRecord(), {{"dinc", "2000"}, {"dpre", "850.01"},
                                                             {"padja", "100"}, {"padjb", "20"}, {"padjc", "5"},
                                                             {"dadja", "40"}, {"dadjb", "30"}, {"dadjc", "7"}}));
    EXPECT_EQ(r.MinimumOrder, "Y");
    EXPECT_EQ(r.ShadedAreaFlag, "N");
    EXPECT_EQ(r.CLine4, 50);
    EXPECT_EQ(r.CLine6, 50);
    EXPECT_EQ(r.DLine9, 50);
    const std::map<QString, QString> expected = {
        {"lblC4", "50.00 "},   {"lblC6", "50.00 "},    {"lblD9", "50.00 "},   {"lblP9", ""},
        {"lblPAdja", "0.00 "}, {"lblPAdjb", "0.00 "},  {"lblPAdjc", "0.00 "}, {"lblP5d", "0.00 "},
        {"lblDAdja", "0.00 "}, {"lblDAdjb", "0.00 "},  {"lblDAdjc", "0.00 "}, {"lblD5d", "0.00 "},
        {"lblC5d", "0.00 "},   {"lblP7", "0.00 "},     {"lblD7", "0.00 "},    {"lblD8", "0.00 "},
        {"lblP8", ""},
        // 4000 + 1149.99 = 5149.99; 4000 / 5149.99 * 100 = 77.67 and 1149.99 / 5149.99 * 100 = 22.33.
        {"lblC2", "5,149.99 "}, {"lblP3", "77.67 "},   {"lblD3", "22.33 "},
    };
    for (const auto& [label, caption] : expected) EXPECT_EQ(r.captions.at(label), caption) << label.toStdString();
    EXPECT_TRUE(r.visible.at("lblWarning"));
    EXPECT_EQ(r.captions.at("lblWarning"), "WARNING: DEFENDANT'S ADJUSTED INCOME IS BELOW $1,108");
}

TEST(WorksheetA, TheMinimumOrderWarningNamesThePlaintiffObligor) {
    const WorksheetResult r = Calculate(With(BaseRecord(), {{"whosecustody", "D"}, {"pinc", "1000"}}));
    EXPECT_EQ(r.MinimumOrder, "Y");
    EXPECT_EQ(r.captions.at("lblWarning"), "WARNING: PLAINTIFF'S ADJUSTED INCOME IS BELOW $1,108");
    EXPECT_EQ(r.captions.at("lblP9"), "50.00 ");
    EXPECT_EQ(r.captions.at("lblP8"), "0.00 ");
    EXPECT_EQ(r.captions.at("lblD8"), "");
    EXPECT_EQ(r.captions.at("lblD9"), "");
}

TEST(WorksheetA, WarningsOffHideTheWarning) {
    for (const char* income : {"1000", "1850"}) {
        const WorksheetResult r = Calculate(With(BaseRecord(), {{"dinc", income}}), Settings("Y", "N", "N"));
        EXPECT_FALSE(r.visible.at("lblWarning")) << income;
        EXPECT_EQ(r.captions.at("lblWarning"), "") << income;
    }
}

// ---- The shaded area ----------------------------------------------------------------------------

TEST(WorksheetA, AnIncomeAtTheBoundLiesInTheShadedArea) {
    const WorksheetResult r =
        Calculate(With(BaseRecord(), {{"dinc", "1850"}, {"dadja", "40"}, {"padjb", "25"}}));
    EXPECT_EQ(r.ShadedAreaFlag, "Y");
    EXPECT_EQ(r.MinimumOrder, "N");
    EXPECT_EQ(r.Line4Income, 1850);
    // Line 4 on the obligor's income alone: 100 + 2 * 1850 / 10 = 470.
    const std::map<QString, QString> expected = {
        {"lblC4", "470.00 "},  {"lblC6", "470.00 "},  {"lblD9", "470.00 "}, {"lblP9", ""},
        {"lblPAdjb", "0.00 "}, {"lblDAdja", "0.00 "}, {"lblC5d", "0.00 "},  {"lblP7", "0.00 "},
        {"lblD7", "0.00 "},    {"lblD8", "0.00 "},    {"lblP8", ""},
    };
    for (const auto& [label, caption] : expected) EXPECT_EQ(r.captions.at(label), caption) << label.toStdString();
    EXPECT_TRUE(r.visible.at("lblWarning"));
    EXPECT_EQ(r.captions.at("lblWarning"), "WARNING:  OBLIGOR'S INCOME FALLS WITHIN THE SHADED AREA");
}

TEST(WorksheetA, ACentAboveTheBoundIsOrdinary) {
    const WorksheetResult r =
        Calculate(With(BaseRecord(), {{"pinc", "3000"}, {"dinc", "1850.01"}, {"dadja", "40"}, {"padjb", "25"}}));
    EXPECT_EQ(r.ShadedAreaFlag, "N");
    EXPECT_FALSE(r.visible.at("lblWarning"));
    EXPECT_DOUBLE_EQ(r.Line4Income, 4850.01);
    // Combined 4850.01, band 4850: 1070 + 0.01 * 10 / 50 = 1070.002.
    EXPECT_NEAR(r.CLine4, 1070.002, 1e-9);
    // Shares: 3000 / 4850.01 * 100 = 61.86, 1850.01 / 4850.01 * 100 = 38.14.
    // Line 6: 1070.002 + 25 + 40 = 1135.002; defendant's line 7: 1135.002 * 0.3814 = 432.8897628;
    // line 9: 432.8897628 - 40 = 392.8897628. Plaintiff's line 7: 1135.002 * 0.6186 = 702.1122372.
    const std::map<QString, QString> expected = {
        {"lblC4", "1,070.00 "}, {"lblP3", "61.86 "},  {"lblD3", "38.14 "},  {"lblC6", "1,135.00 "},
        {"lblD7", "432.89 "},   {"lblP7", "702.11 "}, {"lblD8", "40.00 "},  {"lblD9", "392.89 "},
        {"lblPAdjb", "25.00 "}, {"lblP5d", "25.00 "}, {"lblD5d", "40.00 "}, {"lblC5d", "65.00 "},
    };
    for (const auto& [label, caption] : expected) EXPECT_EQ(r.captions.at(label), caption) << label.toStdString();
}

struct BoundCase {
    double income;
    double children;
    bool shaded;
};

class ShadedAreaBounds : public ::testing::TestWithParam<BoundCase> {};

TEST_P(ShadedAreaBounds, IncludeTheBound) {
    const BoundCase& c = GetParam();
    EXPECT_EQ(CheckShadedArea(c.income, c.children, Settings().ShadedAreaLimits), c.shaded)
        << c.income << " with " << c.children;
}

INSTANTIATE_TEST_SUITE_P(
    Children, ShadedAreaBounds,
    ::testing::Values(BoundCase{1500, 1, true}, BoundCase{1500.01, 1, false}, BoundCase{1850, 2, true},
                      BoundCase{1850.01, 2, false}, BoundCase{2200, 3, true}, BoundCase{2200.01, 3, false},
                      BoundCase{2400, 4, true}, BoundCase{2400.01, 4, false}, BoundCase{2700, 5, true},
                      BoundCase{2700.01, 5, false}, BoundCase{3000, 6, true}, BoundCase{3000.01, 6, false},
                      BoundCase{1000, 0, false}, BoundCase{1000, 7, false}, BoundCase{1000, 2.5, false}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(WorksheetA, NoNamedChildGivesNoShadedAreaAndNoLine4) {
    const WorksheetResult r = Calculate({{"pinc", "4000"}, {"dinc", "1200"}});
    EXPECT_EQ(r.NumChildren, 0);
    EXPECT_EQ(r.ShadedAreaFlag, "N");
    EXPECT_EQ(r.CLine4, 0);
    EXPECT_EQ(r.captions.at("lblD9"), "");
}

// ---- The override ------------------------------------------------------------------------------

TEST(WorksheetA, TheOverrideReplacesLine4) {
    const WorksheetResult r = Calculate(With(BaseRecord(), {{"override", "Y"}, {"overamt", " 600"}}));
    EXPECT_EQ(r.OverrideFlag, "Y");
    EXPECT_EQ(r.OverrideAmount, 600);
    EXPECT_EQ(r.captions.at("lblC4"), "600.00 ");
    EXPECT_EQ(r.captions.at("lblC6"), "600.00 ");
    // 600 * 42.86 / 100 = 257.16.
    EXPECT_EQ(r.captions.at("lblD9"), "257.16 ");
    EXPECT_EQ(r.captions.at("cmdOverrideSupport"), "CANCEL OVERRIDE");
    EXPECT_TRUE(r.visible.at("lblOverrideWarning"));
}

TEST(WorksheetA, TheOverrideInTheShadedArea) {
    const WorksheetResult r =
        Calculate(With(BaseRecord(), {{"dinc", "1850"}, {"override", "Y"}, {"overamt", "600"}}));
    EXPECT_EQ(r.ShadedAreaFlag, "Y");
    EXPECT_EQ(r.captions.at("lblC4"), "600.00 ");
    EXPECT_EQ(r.captions.at("lblC6"), "600.00 ");
    EXPECT_EQ(r.captions.at("lblD9"), "600.00 ");
}

TEST(WorksheetA, TheMinimumOrderWinsOverTheOverride) {
    const WorksheetResult r =
        Calculate(With(BaseRecord(), {{"dinc", "1000"}, {"override", "Y"}, {"overamt", "600"}}));
    EXPECT_EQ(r.MinimumOrder, "Y");
    EXPECT_EQ(r.captions.at("lblC4"), "50.00 ");
    EXPECT_EQ(r.captions.at("cmdOverrideSupport"), "CANCEL OVERRIDE");
    EXPECT_TRUE(r.visible.at("lblOverrideWarning"));
}

struct OverrideCase {
    const char* stored;
    const char* flag;
};

class OverrideOff : public ::testing::TestWithParam<OverrideCase> {};

TEST_P(OverrideOff, UsesTheSchedule) {
    const OverrideCase& c = GetParam();
    const WorksheetResult r = Calculate(With(BaseRecord(), {{"override", c.stored}, {"overamt", "600"}}));
    EXPECT_EQ(r.OverrideFlag, c.flag) << c.stored;
    // 100 + 2 * 7000 / 10 = 1500.
    EXPECT_EQ(r.captions.at("lblC4"), "1,500.00 ") << c.stored;
    EXPECT_EQ(r.captions.at("cmdOverrideSupport"), "Click HERE to Override") << c.stored;
    EXPECT_FALSE(r.visible.at("lblOverrideWarning")) << c.stored;
}

INSTANTIATE_TEST_SUITE_P(Flags, OverrideOff,
                         ::testing::Values(OverrideCase{"N", "N"}, OverrideCase{"", "N"}, OverrideCase{"y", "N"},
                                           OverrideCase{"Yes", "N"}, OverrideCase{" Y", "N"}),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

// ---- Combined income 0 or below, negative line 9 ----------------------------------------------

TEST(WorksheetA, CombinedIncomeOfZeroOrBelowGivesNoShares) {
    for (const char* preExisting : {"3000", "5000"}) {
        const WorksheetResult r =
            Calculate(With(BaseRecord(), {{"pinc", "0"}, {"ppre", preExisting}, {"dadja", "10"}}));
        EXPECT_LE(r.CLine2, 0) << preExisting;
        EXPECT_EQ(r.captions.at("lblP3"), "0.00 ") << preExisting;
        EXPECT_EQ(r.captions.at("lblD3"), "0.00 ") << preExisting;
        EXPECT_EQ(r.captions.at("lblC4"), "0.00 ") << preExisting;
        // Line 6 is the adjustment alone; lines 7 are 0, so line 9 is 0 - 10 and shows empty.
        EXPECT_EQ(r.captions.at("lblC6"), "10.00 ") << preExisting;
        EXPECT_EQ(r.captions.at("lblD7"), "0.00 ") << preExisting;
        EXPECT_EQ(r.captions.at("lblD9"), "") << preExisting;
    }
}

TEST(WorksheetA, CombinedIncomeBelowZeroWithTheOverride) {
    const WorksheetResult r = Calculate(With(
        BaseRecord(), {{"pinc", "0"}, {"ppre", "5000"}, {"dadja", "10"}, {"override", "Y"}, {"overamt", "600"}}));
    // Combined 0 - 5000 + 3000 = -2000.
    EXPECT_EQ(r.captions.at("lblC2"), "-2,000.00 ");
    EXPECT_EQ(r.captions.at("lblC4"), "600.00 ");
    EXPECT_EQ(r.captions.at("lblC6"), "610.00 ");
    EXPECT_EQ(r.captions.at("lblP7"), "0.00 ");
    EXPECT_EQ(r.captions.at("lblD9"), "");
}

TEST(WorksheetA, ANegativeLine9ShowsEmpty) {
    const WorksheetResult r = Calculate(With(BaseRecord(), {{"dadja", "2000"}}));
    // Line 4: 100 + 2 * 7000 / 10 = 1500; line 6: 1500 + 2000 = 3500; line 7: 3500 * 0.4286 = 1500.1;
    // line 9: 1500.1 - 2000 = -499.9.
    EXPECT_NEAR(r.DLine9, -499.9, 1e-9);
    EXPECT_EQ(r.captions.at("lblD7"), "1,500.10 ");
    EXPECT_EQ(r.captions.at("lblD8"), "2,000.00 ");
    EXPECT_EQ(r.captions.at("lblD9"), "");
}

// ---- Rounding of lines 7 to 9 --------------------------------------------------------------------

struct RoundingCase {
    const char* overrideAmount;
    const char* childCare;
    const char* roundLines;
    const char* line7;
    const char* line8;
    const char* line9;
};

class RoundingLines7To9 : public ::testing::TestWithParam<RoundingCase> {};

TEST_P(RoundingLines7To9, TakesHalvesToEven) {
    const RoundingCase& c = GetParam();
    // Equal incomes: shares of 50.00 each.
    const WorksheetResult r = Calculate(With(BaseRecord(), {{"pinc", "3000"}, {"override", "Y"},
                                                             {"overamt", c.overrideAmount}, {"dadja", c.childCare}}),
                                         Settings("Y", c.roundLines));
    EXPECT_EQ(r.captions.at("lblP7"), c.line7) << c.overrideAmount;
    EXPECT_EQ(r.captions.at("lblD7"), c.line7) << c.overrideAmount;
    EXPECT_EQ(r.captions.at("lblD8"), c.line8) << c.overrideAmount;
    EXPECT_EQ(r.captions.at("lblD9"), c.line9) << c.overrideAmount;
}

INSTANTIATE_TEST_SUITE_P(
    Halves, RoundingLines7To9,
    ::testing::Values(
        // 825 / 2 = 412.5 -> 412.
        RoundingCase{"825", "0", "Y", "412.00 ", "0.00 ", "412.00 "},
        // 827 / 2 = 413.5 -> 414.
        RoundingCase{"827", "0", "Y", "414.00 ", "0.00 ", "414.00 "},
        RoundingCase{"825", "0", "N", "412.50 ", "0.00 ", "412.50 "},
        RoundingCase{"825", "0", "y", "412.50 ", "0.00 ", "412.50 "},
        // (827 + 100.5) / 2 = 463.75 -> 464; 100.5 -> 100; 463.75 - 100.5 = 363.25 -> 363.
        RoundingCase{"827", "100.5", "Y", "464.00 ", "100.00 ", "363.00 "}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(WorksheetA, RoundingAppliesInTheShadedArea) {
    const WorksheetResult r = Calculate(With(BaseRecord(), {{"dinc", "1849.95"}}), Settings("Y", "Y"));
    // Band 1800: 460 + 49.95 * 10 / 50 = 469.99; line 9 rounded to 470.
    EXPECT_EQ(r.captions.at("lblC4"), "469.99 ");
    EXPECT_EQ(r.captions.at("lblD9"), "470.00 ");
}

// ---- Zeros, captions and texts ------------------------------------------------------------------

TEST(WorksheetA, HidingZerosEmptiesOnlyZeroAmounts) {
    // 0.004 shows as 0.00 and is blanked too.
    const CaseRecord record = With(BaseRecord(), {{"ppre", "0.01"}, {"dpre", "0.004"}, {"poc", "2"}});
    const WorksheetResult hidden = Calculate(record, Settings("N"));
    EXPECT_EQ(hidden.captions.at("lblPPre"), "0.01 ");
    EXPECT_EQ(hidden.captions.at("lblPOC"), "(2)");
    for (const char* label : {"lblPResp", "lblDPre", "lblDResp", "lblPAdja", "lblDAdjc", "lblP5d", "lblC5d",
                              "lblD8"}) {
        EXPECT_EQ(hidden.captions.at(label), "") << label;
    }
    EXPECT_EQ(hidden.captions.at("lblC4"), "1,500.00 ");

    for (const char* showZeros : {"Y", "n", ""}) {
        const WorksheetResult shown = Calculate(record, Settings(showZeros));
        EXPECT_EQ(shown.captions.at("lblPAdja"), "0.00 ") << showZeros;
        EXPECT_EQ(shown.captions.at("lblD8"), "0.00 ") << showZeros;
    }
}

TEST(WorksheetA, AmountCaptionsCarrySeparatorsAndATrailingBlank) {
    const WorksheetResult r = Calculate(With(BaseRecord(), {{"pinc", "1234567.891"}, {"poc", "3"}}));
    EXPECT_EQ(r.captions.at("lblPInc"), "1,234,567.89 ");
    EXPECT_EQ(r.captions.at("lblDInc"), "3,000.00 ");
    // 1234567.891 + 3000 = 1237567.891; shares 99.76 and 0.24.
    EXPECT_EQ(r.captions.at("lblC2"), "1,237,567.89 ");
    EXPECT_EQ(r.captions.at("lblP3"), "99.76 ");
    EXPECT_EQ(r.captions.at("lblD3"), "0.24 ");
    EXPECT_EQ(r.captions.at("lblPOC"), "(3)");
    EXPECT_EQ(r.captions.at("lblDOC"), "");
}

TEST(WorksheetA, NumbersAreReadByTheirLeadingPart) {
    const WorksheetResult r = Calculate(With(BaseRecord(), {{"pinc", "4000abc"}, {"ppre", "1,500"}, {"dpre", "abc"}}));
    EXPECT_EQ(r.PInc, 4000);
    EXPECT_EQ(r.PPre, 1);
    EXPECT_EQ(r.DPre, 0);
}

struct CustodyCase {
    const char* stored;
    const char* obligor;
};

class Custody : public ::testing::TestWithParam<CustodyCase> {};

TEST_P(Custody, NamesTheObligor) {
    const CustodyCase& c = GetParam();
    const WorksheetResult r = Calculate(With(BaseRecord(), {{"whosecustody", c.stored}}));
    EXPECT_EQ(r.Obligor, c.obligor) << c.stored;
    const bool plaintiffPays = QString(c.obligor) == "P";
    EXPECT_EQ(r.captions.at("lblWhoHasCustody"), plaintiffPays
                                                     ? "DEFENDANT HAS CUSTODY\r\nAND PLAINTIFF IS THE OBLIGOR"
                                                     : "PLAINTIFF HAS CUSTODY\r\nAND DEFENDANT IS THE OBLIGOR");
    EXPECT_EQ(r.captions.at("lblPStatus"), plaintiffPays ? "OBLIGOR" : "CUSTODIAL PARENT");
    EXPECT_EQ(r.captions.at("lblDStatus"), plaintiffPays ? "CUSTODIAL PARENT" : "OBLIGOR");
}

INSTANTIATE_TEST_SUITE_P(Values, Custody,
                         ::testing::Values(CustodyCase{"P", "D"}, CustodyCase{"", "D"}, CustodyCase{"D", "P"},
                                           CustodyCase{"p", "P"}, CustodyCase{"X", "P"}),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(WorksheetA, ChildrenAreCountedByTheirTrimmedNames) {
    const WorksheetResult r = Calculate({{"Child1Name", " Ann "}, {"child1DOB", "01/02/2015"},
                                          {"child2name", ""}, {"child2dob", "03/04/2016"},
                                          {"child3name", "Cy"}, {"child3dob", "05/06/2017"},
                                          {"child4name", "   "}, {"child4dob", "07/08/2018"},
                                          {"child5name", "\xC3\x89lo\xC3\xAF" "se"}});
    EXPECT_EQ(r.NumChildren, 3);
    EXPECT_EQ(r.captions.at("lblChild1Name"), "Ann");
    EXPECT_EQ(r.captions.at("lblChild1DOB"), "01/02/2015");
    EXPECT_EQ(r.captions.at("lblChild2Name"), "");
    EXPECT_EQ(r.captions.at("lblChild2DOB"), "");
    EXPECT_EQ(r.captions.at("lblChild3DOB"), "05/06/2017");
    EXPECT_EQ(r.captions.at("lblChild4Name"), "");
    EXPECT_EQ(r.captions.at("lblChild4DOB"), "07/08/2018");
    EXPECT_EQ(r.captions.at("lblChild5Name"), QString::fromUtf8("\xC3\x89lo\xC3\xAF" "se"));
    EXPECT_EQ(r.captions.at("lblChild6Name"), "");
}

TEST(WorksheetA, TextCellsAreCopiedUnchanged) {
    const WorksheetResult r = Calculate({{"county", "  Wake "}, {"courtfile", "23 CVD 1234"}, {"ivdfile", "x'\"y"},
                                          {"casecode", "C"}, {"uresa", "U"}, {"name1name", "O'Brien, Pat"},
                                          {"name2name", "Doe"}, {"datesigned", "01/31/2024"}});
    EXPECT_EQ(r.captions.at("lblCounty"), "  Wake ");
    EXPECT_EQ(r.captions.at("lblCourtFile"), "23 CVD 1234");
    EXPECT_EQ(r.captions.at("lblIVDFile"), "x'\"y");
    EXPECT_EQ(r.captions.at("lblCaseCode"), "C");
    EXPECT_EQ(r.captions.at("lblUresa"), "U");
    EXPECT_EQ(r.captions.at("lblName1Name"), "O'Brien, Pat");
    EXPECT_EQ(r.captions.at("lblName2Name"), "Doe");
    EXPECT_EQ(r.captions.at("lblDateSigned"), "01/31/2024");
    EXPECT_EQ(r.captions.at("lblPreparedBy"), "");
}

TEST(WorksheetA, CheckBoxesTakeTheStoredStates) {
    const WorksheetResult r = Calculate({{"chkbox1", " 1"}, {"chkbox2", " 0"}, {"chkbox3", "1 "}, {"chkbox4", ""}});
    EXPECT_EQ(r.checkBoxes, (std::array<int, 4>{1, 0, 1, 0}));
    const WorksheetResult odd = Calculate({{"chkbox1", "abc"}, {"chkbox2", "7"}, {"chkbox3", "-1"}, {"chkbox4", "1e308"}});
    EXPECT_EQ(odd.checkBoxes, (std::array<int, 4>{0, 0, 0, 0}));
}

// Line 4 beyond the schedule is told on the warning line.
TEST(WorksheetA, Line4BeyondTheScheduleIsTold) {
    const WorksheetResult r = Calculate(With(BaseRecord(), {{"pinc", "15000"}, {"dinc", "5000.01"}}));
    EXPECT_EQ(r.Line4Coverage, ScheduleCoverage::NotCovered);
    EXPECT_EQ(r.captions.at("lblWarning"), "WARNING: THE SCHEDULE DOES NOT COVER THIS INCOME");
}

// The custodial parent's child care alone makes no order when the schedule gives no line 4.
TEST(WorksheetA, NoOrderWithoutABasicObligation) {
    const CaseRecord record = With(BaseRecord(), {{"pinc", "15000"}, {"dinc", "5000.01"}, {"padja", "200"}});
    Schedule unreadable;
    EXPECT_EQ(Calculate(record).captions.at("lblD9"), "");
    EXPECT_EQ(CalculateWorksheetA(record, Settings(), unreadable).captions.at("lblD9"), "");
    EXPECT_EQ(Calculate(With(record, {{"override", "Y"}, {"overamt", "1000"}})).captions.at("lblD9"), "300.00 ");
}

TEST(WorksheetA, AnEmptyRecordCalculatesToNothing) {
    Schedule empty;
    const WorksheetResult r = CalculateWorksheetA({}, Settings(), empty);
    EXPECT_EQ(r.Obligor, "D");
    EXPECT_EQ(r.MinimumOrder, "Y");
    EXPECT_EQ(r.captions.at("lblD9"), "50.00 ");
    EXPECT_EQ(r.captions.at("lblPInc"), "0.00 ");
}

// ---- Whole cases on the shipped 2023 schedule ----------------------------------------------------

class ShippedScheduleTest : public test::TempDriveTest {
protected:
    void SetUp() override {
        TempDriveTest::SetUp();
        SetStartValues();
        SetShadedAreaLimits();
    }

    static WorksheetResult CalculateOnShipped(const CaseRecord& record) {
        Schedule schedule = Schedule::FromDatabase(state.ScheduleDatabasePath);
        return CalculateWorksheetA(record, WorksheetSettingsFromState(state.RoundLinesA), schedule);
    }
};

TEST_F(ShippedScheduleTest, TwoChildrenWithoutAdjustments) {
    const WorksheetResult r = CalculateOnShipped(BaseRecord());
    // Combined 7000, band 6950: 1610 + 50 * 4 / 50 = 1614. Shares 57.14 and 42.86.
    // Line 7: 1614 * 57.14 / 100 = 922.2396 and 1614 * 42.86 / 100 = 691.7604; line 9 = line 7.
    const std::map<QString, QString> expected = {
        {"lblC2", "7,000.00 "}, {"lblC4", "1,614.00 "}, {"lblP3", "57.14 "},  {"lblD3", "42.86 "},
        {"lblC6", "1,614.00 "}, {"lblP7", "922.24 "},   {"lblD7", "691.76 "}, {"lblD8", "0.00 "},
        {"lblD9", "691.76 "},   {"lblP8", ""},          {"lblP9", ""},
    };
    for (const auto& [label, caption] : expected) EXPECT_EQ(r.captions.at(label), caption) << label.toStdString();
    EXPECT_NEAR(r.DLine9, 691.7604, 1e-9);
    EXPECT_EQ(r.LookupIncome, 7000);
    EXPECT_EQ(r.LookupChildren, 2);
    EXPECT_EQ(r.LookupResult, 1614);
}

TEST_F(ShippedScheduleTest, PlaintiffObligorWithOtherChildrenAndAdjustments) {
    const CaseRecord record = With(BaseRecord(), {{"whosecustody", "D"}, {"pinc", "2520"}, {"poc", "1"},
                                                  {"dinc", "3500"}, {"padja", "100"}, {"dadjb", "60"}});
    const WorksheetResult r = CalculateOnShipped(record);
    // Credit: band 2500, Child1: 480 + 20 * (488 - 480) / 50 = 483.2.
    // Line 2: 2520 - 483.2 = 2036.8; combined 2036.8 + 3500 = 5536.8.
    // Shares: 2036.8 / 5536.8 * 100 = 36.79, 3500 / 5536.8 * 100 = 63.21.
    // Line 4: band 5500, Child2: 1445 + 36.8 * (1453 - 1445) / 50 = 1450.888.
    // Line 6: 1450.888 + 100 + 60 = 1610.888.
    // Line 7: 1610.888 * 0.3679 = 592.6456952 and 1610.888 * 0.6321 = 1018.2423048.
    // Line 9: 592.6456952 - 100 = 492.6456952.
    const std::map<QString, QString> expected = {
        {"lblPResp", "483.20 "}, {"lblPOC", "(1)"},        {"lblP2", "2,036.80 "}, {"lblC2", "5,536.80 "},
        {"lblP3", "36.79 "},     {"lblD3", "63.21 "},      {"lblC4", "1,450.89 "}, {"lblP5d", "100.00 "},
        {"lblD5d", "60.00 "},    {"lblC5d", "160.00 "},    {"lblC6", "1,610.89 "}, {"lblP7", "592.65 "},
        {"lblD7", "1,018.24 "},  {"lblP8", "100.00 "},     {"lblP9", "492.65 "},   {"lblD8", ""},
        {"lblD9", ""},
    };
    for (const auto& [label, caption] : expected) EXPECT_EQ(r.captions.at(label), caption) << label.toStdString();

    state.RoundLinesA = "Y";
    const WorksheetResult rounded = CalculateOnShipped(record);
    // 592.6456952 -> 593, 1018.2423048 -> 1018, 100 -> 100, 492.6456952 -> 493.
    EXPECT_EQ(rounded.captions.at("lblP7"), "593.00 ");
    EXPECT_EQ(rounded.captions.at("lblD7"), "1,018.00 ");
    EXPECT_EQ(rounded.captions.at("lblP9"), "493.00 ");
}

}  // namespace
}  // namespace qvr::test
