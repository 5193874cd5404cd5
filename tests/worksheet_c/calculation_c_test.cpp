#include "worksheet_c/calculation_c.h"

#include "support/worksheet_calculation.h"

#include <gtest/gtest.h>

namespace qvr::test {
namespace {

const char kWarning[] = "WARNING: SPLIT CUSTODY NEEDS CHILDREN LIVING WITH EACH PARENT";

// One child with each parent, incomes 3,000 and 4,000.
CaseRecord OneEach(const CaseRecord& more = {}) {
    return With({{"child1name", "Ann"}, {"child2name", "Bo"}, {"child2cust", "D"}, {"pinc", " 3000"},
                 {"dinc", " 4000"}},
                more);
}

class SplitCustody : public ::testing::TestWithParam<WorksheetCase> {};

TEST_P(SplitCustody, ComputesEveryLineFromTheRecord) { ExpectWorksheet(CalculateWorksheetC, GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    HandComputed, SplitCustody,
    ::testing::Values(
        // Shares 3000 / 7000 = 42.86 and 57.14. Line 4 for two children on 7,000: the band of
        // 6950 (1610) to 7000 (1614) gives 1614; 5c 1614 * 50 / 100 = 807 each. 6a: 807 * 42.86
        // / 100 = 345.8802; 6b: 807 * 57.14 / 100 = 461.1198; the defendant pays 115.2396.
        WorksheetCase{"OneChildWithEachParent", OneEach(), "D",
                      {{"lblP3", "42.86 "}, {"lblD3", "57.14 "}, {"lblC4", "1,614.00 "}, {"lblP5a", "1"},
                       {"lblD5a", "1"}, {"lblC5a", "2"}, {"lblP5b", "50.00 "}, {"lblP5c", "807.00 "},
                       {"lblD5c", "807.00 "}, {"lblP6a", "345.88 "}, {"lblD6b", "461.12 "}, {"lblP9", "0.00 "},
                       {"lblP10", "345.88 "}, {"lblD10", "461.12 "}, {"lblP11", ""}, {"lblD11", "115.24 "},
                       {"lblWarning", ""}}},
        // Shares 5000 / 7000 = 71.43 and 28.57; line 4 for three children: 1918 + 50 * 2 / 50 =
        // 1920. 5b 66.67 and 33.33; 5c 1280.064 and 639.936. 6a: 639.936 * 71.43 / 100 =
        // 457.1063; 6b: 1280.064 * 28.57 / 100 = 365.7143. The defendant's child care of 1000:
        // fair shares 714.30 and 285.70, paid in excess 0 and 714.30. The defendant's line 10,
        // 365.7143 - 714.30 = -348.5857, enlarges the plaintiff's order: 457.1063 + 348.5857.
        WorksheetCase{"TwoWithThePlaintiffOneWithTheDefendant",
                      {{"child1name", "Ann"}, {"child1cust", "P"}, {"child2name", "Bo"}, {"child3name", "Cy"},
                       {"child3cust", "D"}, {"pinc", " 5000"}, {"dinc", " 2000"}, {"dadja", " 1000"}},
                      "P",
                      {{"lblC4", "1,920.00 "}, {"lblP5a", "2"}, {"lblC5a", "3"}, {"lblP5b", "66.67 "},
                       {"lblD5b", "33.33 "}, {"lblP5c", "1,280.06 "}, {"lblD5c", "639.94 "}, {"lblP6a", "457.11 "},
                       {"lblD6b", "365.71 "}, {"lblD7d", "1,000.00 "}, {"lblC7d", "1,000.00 "}, {"lblP8", "714.30 "},
                       {"lblD8", "285.70 "}, {"lblP9", "0.00 "}, {"lblD9", "714.30 "}, {"lblD10", "-348.59 "},
                       {"lblP11", "805.69 "}, {"lblD11", ""}, {"lblWarning", ""}}},
        // The stored credit of 300 stands: line 2 3700 and 6000, shares 38.14 and 61.86. Line 4
        // for four children on 9,700: 2447 + 50 * 8 / 50 = 2455; 5c 1227.50 each. 6a 468.1685, 6b
        // 759.3315. The plaintiff's insurance of 200: fair shares 76.28 and 123.72, paid in excess
        // 123.72 and 0. Line 10: 344.4485 and 759.3315; the defendant pays 414.883.
        WorksheetCase{"TwoAndTwoWithAnOtherChildrenCredit",
                      {{"child1name", "Ann"}, {"child2name", "Bo"}, {"child3name", "Cy"}, {"child3cust", "D"},
                       {"child4name", "Di"}, {"child4cust", "D"}, {"pinc", " 4000"}, {"presp", " 300"},
                       {"poc", " 1"}, {"dinc", " 6000"}, {"padjb", " 200"}},
                      "D",
                      {{"lblPResp", "300.00 "}, {"lblP3", "38.14 "}, {"lblC4", "2,455.00 "}, {"lblP5c", "1,227.50 "},
                       {"lblP6a", "468.17 "}, {"lblD6b", "759.33 "}, {"lblP8", "76.28 "}, {"lblP9", "123.72 "},
                       {"lblP10", "344.45 "}, {"lblD11", "414.88 "}, {"lblWarning", ""}}},
        // An empty custody is the plaintiff's: 5b 100 and 0, 6a 0, 6b 1614 * 57.14 / 100.
        WorksheetCase{"AllChildrenWithOneParent", OneEach({{"child2cust", ""}}), "D",
                      {{"lblP5a", "2"}, {"lblD5a", "0"}, {"lblP5b", "100.00 "}, {"lblD5c", "0.00 "},
                       {"lblP6a", "0.00 "}, {"lblD6b", "922.24 "}, {"lblD11", "922.24 "}, {"lblWarning", kWarning}}},
        // Line 4 is the override's 1000: 5c 500 each, 6a 214.30, 6b 285.70.
        WorksheetCase{"OverrideOn", OneEach({{"override", "Y"}, {"overamt", " 1000"}}), "D",
                      {{"lblC4", "1,000.00 "}, {"lblP6a", "214.30 "}, {"lblD6b", "285.70 "}, {"lblD11", "71.40 "},
                       {"lblWarning", ""}}},
        // A combined 40,000.01 falls in the schedule's last row, which gives no amount: that is told,
        // in place of the warning on households.
        WorksheetCase{"AboveTheSchedule", OneEach({{"pinc", " 30000"}, {"dinc", " 10000.01"}, {"child2cust", ""}}), "",
                      {{"lblC4", "0.00 "}, {"lblP11", ""}, {"lblD11", ""},
                       {"lblWarning", "WARNING: THE SCHEDULE DOES NOT COVER THIS INCOME"}}},
        // Shares of 1317 / 2400 = 54.875% and 45.125% exactly: 54.88 and 45.12. Line 4, two children
        // at 2400: 691 + 50 * 13 / 50 = 704; 5c 352 each; 6a 193.1776, 6b 158.8224.
        WorksheetCase{"HalfCentShare", OneEach({{"pinc", " 1317"}, {"dinc", " 1083"}}), "P",
                      {{"lblP3", "54.88 "}, {"lblD3", "45.12 "}, {"lblC4", "704.00 "}, {"lblP6a", "193.18 "},
                       {"lblD6b", "158.82 "}, {"lblP11", "34.36 "}}},
        // 6a and 6b are both 807 * 50 / 100: neither parent pays.
        WorksheetCase{"EqualObligations", OneEach({{"pinc", " 3500"}, {"dinc", " 3500"}}), "",
                      {{"lblP10", "403.50 "}, {"lblD10", "403.50 "}, {"lblP11", ""}, {"lblD11", ""},
                       {"lblWarning", ""}}},
        // A name of blanks is no child, and custody is compared exactly.
        WorksheetCase{"OnlyNamedChildrenCount",
                      OneEach({{"child1name", " "}, {"child3name", "Cy"}, {"child3cust", "d"}}),
                      "D",
                      {{"lblP5a", "1"}, {"lblD5a", "1"}, {"lblC5a", "2"}, {"lblWarning", ""}}},
        // The defendant's child care of 2 on equal incomes: it paid 1 beyond its fair share. Line 10:
        // 403.50 -> 404 and 402.50 -> 402 (even); line 11 is 2, where the unrounded lines give 1.
        WorksheetCase{"RoundingOn", OneEach({{"pinc", " 3500"}, {"dinc", " 3500"}, {"dadja", " 2"}}), "P",
                      {{"lblP6a", "403.50 "}, {"lblP10", "404.00 "}, {"lblD10", "402.00 "}, {"lblP11", "2.00 "},
                       {"lblWarning", ""}},
                      Settings("Y", "Y")}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace qvr::test
