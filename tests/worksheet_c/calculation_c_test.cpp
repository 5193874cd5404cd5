#include "worksheet_c/calculation_c.h"

#include "support/print_qstring.h"
#include "worksheet_c/schedule_2023.h"

#include <gtest/gtest.h>

namespace qvr {
namespace {

using Columns = std::map<QString, QString>;
using Captions = std::map<QString, QString>;

WorksheetSettings Settings(const QString& showZeros = "Y", const QString& roundLines = "N",
                            const QString& showWarnings = "Y") {
    return {showWarnings, showZeros, roundLines, {1500, 1850, 2200, 2400, 2700, 3000}};
}

WorksheetCResult Calculate(const Columns& columns, const WorksheetSettings& settings = Settings()) {
    Schedule schedule = test::Schedule2023();
    CaseRecord record;
    for (const auto& [column, text] : columns) record[column] = text;
    return CalculateWorksheetC(record, settings, schedule);
}

struct SplitCase {
    const char* name;
    Columns columns;
    Captions expected;
    QString obligor;
    bool warning;
};

class SplitCustody : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitCustody, ComputesEveryLineFromTheRecord) {
    const SplitCase& c = GetParam();
    const WorksheetCResult r = Calculate(c.columns);
    for (const auto& [label, caption] : c.expected) EXPECT_EQ(r.captions.at(label), caption) << label.toStdString();
    EXPECT_EQ(r.Obligor, c.obligor);
    EXPECT_EQ(r.visible.at("lblWarning"), c.warning);
    EXPECT_EQ(r.captions.at("lblWarning"),
              c.warning ? "WARNING: SPLIT CUSTODY NEEDS CHILDREN LIVING WITH EACH PARENT" : "");
}

INSTANTIATE_TEST_SUITE_P(
    HandComputed, SplitCustody,
    ::testing::Values(
        // Combined 7,000: shares 3000 / 7000 = 42.857 -> 42.86 and 57.14. Line 4 for two children:
        // the band of 6950 (1610) to 7000 (1614) gives 1610 + 50 * 4 / 50 = 1614. Line 5c: 1614 *
        // 50 / 100 = 807 each. 6a: 807 * 42.86 / 100 = 345.8802; 6b: 807 * 57.14 / 100 =
        // 461.1198. The defendant pays 461.1198 - 345.8802 = 115.2396.
        SplitCase{"OneChildWithEachParent",
                  {{"child1name", "Ann"}, {"child1cust", "P"}, {"child2name", "Bo"}, {"child2cust", "D"},
                   {"pinc", " 3000"}, {"dinc", " 4000"}},
                  {{"lblC2", "7,000.00 "}, {"lblP3", "42.86 "}, {"lblD3", "57.14 "}, {"lblC4", "1,614.00 "},
                   {"lblP5a", "1"}, {"lblD5a", "1"}, {"lblC5a", "2"}, {"lblP5b", "50.00 "}, {"lblD5b", "50.00 "},
                   {"lblP5c", "807.00 "}, {"lblD5c", "807.00 "}, {"lblP6a", "345.88 "}, {"lblD6b", "461.12 "},
                   {"lblP7d", "0.00 "}, {"lblC7d", "0.00 "}, {"lblP9", "0.00 "}, {"lblD9", "0.00 "},
                   {"lblP10", "345.88 "}, {"lblD10", "461.12 "}, {"lblP11", ""}, {"lblD11", "115.24 "}},
                  "D", false},
        // Shares 5000 / 7000 = 71.43 and 28.57; line 4 for three children: 1918 + 50 * 2 / 50 =
        // 1920. 5b: 2 / 3 = 66.67 and 33.33; 5c: 1920 * 66.67 / 100 = 1280.064 and 639.936. 6a:
        // 639.936 * 71.43 / 100 = 457.1063; 6b: 1280.064 * 28.57 / 100 = 365.7143. The
        // defendant's child care of 1000: fair shares 714.30 and 285.70, paid in excess 0 and
        // 714.30. Line 10 of the defendant: 365.7143 - 714.30 = -348.5857, which enlarges the
        // plaintiff's order: 457.1063 + 348.5857 = 805.692.
        SplitCase{"TwoWithThePlaintiffOneWithTheDefendant",
                  {{"child1name", "Ann"}, {"child1cust", "P"}, {"child2name", "Bo"}, {"child2cust", "P"},
                   {"child3name", "Cy"}, {"child3cust", "D"}, {"pinc", " 5000"}, {"dinc", " 2000"},
                   {"dadja", " 1000"}},
                  {{"lblP3", "71.43 "}, {"lblD3", "28.57 "}, {"lblC4", "1,920.00 "}, {"lblP5a", "2"},
                   {"lblD5a", "1"}, {"lblC5a", "3"}, {"lblP5b", "66.67 "}, {"lblD5b", "33.33 "},
                   {"lblP5c", "1,280.06 "}, {"lblD5c", "639.94 "}, {"lblP6a", "457.11 "}, {"lblD6b", "365.71 "},
                   {"lblDAdja", "1,000.00 "}, {"lblP7d", "0.00 "}, {"lblD7d", "1,000.00 "}, {"lblC7d", "1,000.00 "},
                   {"lblP8", "714.30 "}, {"lblD8", "285.70 "}, {"lblP9", "0.00 "}, {"lblD9", "714.30 "},
                   {"lblP10", "457.11 "}, {"lblD10", "-348.59 "}, {"lblP11", "805.69 "}, {"lblD11", ""}},
                  "P", false},
        // The plaintiff's stored credit of 300 stands (no obligor before line 11): line 2 3700 and
        // 6000, combined 9700, shares 38.14 and 61.86. Line 4 for four children: the band of 9650
        // (2447) to 9700 (2455) gives 2455; 5c 1227.50 each. 6a: 1227.5 * 38.14 / 100 = 468.1685;
        // 6b: 1227.5 * 61.86 / 100 = 759.3315. The plaintiff's insurance of 200: fair shares 76.28
        // and 123.72, the plaintiff paid 123.72 in excess. Line 10: 344.4485 and 759.3315; the
        // defendant pays 414.883.
        SplitCase{"TwoAndTwoWithAnOtherChildrenCredit",
                  {{"child1name", "Ann"}, {"child2name", "Bo"}, {"child2cust", "P"}, {"child3name", "Cy"},
                   {"child3cust", "D"}, {"child4name", "Di"}, {"child4cust", "D"}, {"pinc", " 4000"},
                   {"presp", " 300"}, {"poc", " 1"}, {"dinc", " 6000"}, {"padjb", " 200"}},
                  {{"lblPResp", "300.00 "}, {"lblPOC", "(1)"}, {"lblP2", "3,700.00 "}, {"lblC2", "9,700.00 "},
                   {"lblP3", "38.14 "}, {"lblD3", "61.86 "}, {"lblC4", "2,455.00 "}, {"lblC5a", "4"},
                   {"lblP5c", "1,227.50 "}, {"lblD5c", "1,227.50 "}, {"lblP6a", "468.17 "}, {"lblD6b", "759.33 "},
                   {"lblPAdjb", "200.00 "}, {"lblP7d", "200.00 "}, {"lblC7d", "200.00 "}, {"lblP8", "76.28 "},
                   {"lblD8", "123.72 "}, {"lblP9", "123.72 "}, {"lblD9", "0.00 "}, {"lblP10", "344.45 "},
                   {"lblD10", "759.33 "}, {"lblP11", ""}, {"lblD11", "414.88 "}},
                  "D", false},
        // Both children live with the plaintiff (an empty custody is the plaintiff's): 5b 100 and
        // 0, 5c 1614 and 0; 6a 0 and 6b 1614 * 57.14 / 100 = 922.2396.
        SplitCase{"AllChildrenWithOneParent",
                  {{"child1name", "Ann"}, {"child1cust", "P"}, {"child2name", "Bo"}, {"pinc", " 3000"},
                   {"dinc", " 4000"}},
                  {{"lblP5a", "2"}, {"lblD5a", "0"}, {"lblP5b", "100.00 "}, {"lblD5b", "0.00 "},
                   {"lblP5c", "1,614.00 "}, {"lblD5c", "0.00 "}, {"lblP6a", "0.00 "}, {"lblD6b", "922.24 "},
                   {"lblD11", "922.24 "}},
                  "D", true},
        // Line 4 is the override amount of 1000: 5c 500 each, 6a 500 * 42.86 / 100 = 214.30, 6b
        // 285.70, the defendant pays 71.40.
        SplitCase{"OverrideOn",
                  {{"child1name", "Ann"}, {"child2name", "Bo"}, {"child2cust", "D"}, {"pinc", " 3000"},
                   {"dinc", " 4000"}, {"override", "Y"}, {"overamt", " 1000"}},
                  {{"lblC4", "1,000.00 "}, {"lblP5c", "500.00 "}, {"lblD5c", "500.00 "}, {"lblP6a", "214.30 "},
                   {"lblD6b", "285.70 "}, {"lblD11", "71.40 "}, {"cmdOverrideSupport", "CANCEL OVERRIDE"}},
                  "D", false},
        // Equal incomes and one child each: 6a and 6b are both 807 * 50 / 100 = 403.50, so
        // neither parent pays.
        SplitCase{"EqualObligations",
                  {{"child1name", "Ann"}, {"child2name", "Bo"}, {"child2cust", "D"}, {"pinc", " 3500"},
                   {"dinc", " 3500"}},
                  {{"lblP6a", "403.50 "}, {"lblD6b", "403.50 "}, {"lblP11", ""}, {"lblD11", ""}},
                  "", false},
        // Names of blanks count no child: line 4 is 0 without a lookup, 5b 0 and 0.
        SplitCase{"NoCountedChild",
                  {{"child1name", "  "}, {"child1cust", "D"}, {"pinc", " 3000"}, {"dinc", " 4000"}},
                  {{"lblC4", "0.00 "}, {"lblC5a", "0"}, {"lblP5b", "0.00 "}, {"lblD5b", "0.00 "},
                   {"lblP11", ""}, {"lblD11", ""}},
                  "", true},
        // Custody is compared exactly: a lower-case d keeps the child with the plaintiff.
        SplitCase{"LowerCaseCustodyIsThePlaintiffs",
                  {{"child1name", "Ann"}, {"child1cust", "d"}, {"child2name", "Bo"}, {"child2cust", "D"},
                   {"pinc", " 3000"}, {"dinc", " 4000"}},
                  {{"lblP5a", "1"}, {"lblD5a", "1"}},
                  "D", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WorksheetC, KeepsTheValuesBehindTheCaptions) {
    const WorksheetCResult r = Calculate({{"child1name", "Ann"}, {"child2name", "Bo"}, {"child2cust", "D"},
                                          {"pinc", " 3000"}, {"dinc", " 4000"}});
    EXPECT_DOUBLE_EQ(r.lines.PLine6a, 345.8802);
    EXPECT_DOUBLE_EQ(r.lines.DLine6b, 461.1198);
    EXPECT_NEAR(r.lines.line11.amount, 115.2396, 1e-9);
    EXPECT_EQ(r.NumChildren, 2);
    EXPECT_EQ(r.ChildHousehold[0], "P");
    EXPECT_EQ(r.ChildHousehold[1], "D");
    EXPECT_EQ(r.ChildHousehold[2], "");
}

TEST(WorksheetC, RoundsLines10And11ToWholeDollars) {
    const WorksheetCResult r = Calculate({{"child1name", "Ann"}, {"child2name", "Bo"}, {"child2cust", "D"},
                                          {"pinc", " 3000"}, {"dinc", " 4000"}},
                                         Settings("Y", "Y"));
    // 345.8802 -> 346 and 461.1198 -> 461; line 11 from the rounded lines: 115.
    EXPECT_EQ(r.captions.at("lblP10"), "346.00 ");
    EXPECT_EQ(r.captions.at("lblD10"), "461.00 ");
    EXPECT_EQ(r.captions.at("lblD11"), "115.00 ");
    // Only lines 10 and 11.
    EXPECT_EQ(r.captions.at("lblP6a"), "345.88 ");
}

TEST(WorksheetC, RoundsHalfDollarsToTheEvenDollarBeforeLine11) {
    // Equal incomes, the defendant's child care of 2: fair shares 1 each, the defendant paid 1 in
    // excess. Line 10: 403.50 -> 404 and 403.50 - 1 = 402.50 -> 402 (even, not 403); line 11 from
    // the rounded lines is 2, where the unrounded ones would give 1.
    const WorksheetCResult r = Calculate({{"child1name", "Ann"}, {"child2name", "Bo"}, {"child2cust", "D"},
                                          {"pinc", " 3500"}, {"dinc", " 3500"}, {"dadja", " 2"}},
                                         Settings("Y", "Y"));
    EXPECT_EQ(r.captions.at("lblP10"), "404.00 ");
    EXPECT_EQ(r.captions.at("lblD10"), "402.00 ");
    EXPECT_EQ(r.captions.at("lblP11"), "2.00 ");
    EXPECT_EQ(r.Obligor, "P");
}

TEST(WorksheetC, HidesZeroAmountsButNotChildCounts) {
    const WorksheetCResult r = Calculate({{"child1name", "Ann"}, {"child2name", "Bo"}, {"pinc", " 3000"},
                                          {"dinc", " 4000"}},
                                         Settings("N"));
    EXPECT_EQ(r.captions.at("lblD5a"), "0");
    EXPECT_EQ(r.captions.at("lblD5b"), "");
    EXPECT_EQ(r.captions.at("lblP6a"), "");
    EXPECT_EQ(r.captions.at("lblP7d"), "");
    EXPECT_EQ(r.captions.at("lblD6b"), "922.24 ");
}

TEST(WorksheetC, ShowsNoWarningWhenWarningsAreOff) {
    const WorksheetCResult r = Calculate({{"child1name", "Ann"}, {"pinc", " 3000"}}, Settings("Y", "N", "N"));
    EXPECT_FALSE(r.visible.at("lblWarning"));
}

}  // namespace
}  // namespace qvr
