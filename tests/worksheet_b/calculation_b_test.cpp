#include "worksheet_b/calculation.h"

#include "support/worksheet_calculation.h"

#include <gtest/gtest.h>

namespace qvr::test {
namespace {

const char kNotSharedWarning[] = "WARNING: NO CHILD SPENDS AT LEAST 123 OVERNIGHTS WITH EACH PARENT";
const char kNightsWarning[] = "WARNING: A CHILD'S OVERNIGHTS ARE NOT A WHOLE NUMBER FROM 0 TO 365";

// One child with 200 nights with the plaintiff; incomes 3,000 and 4,000; the plaintiff pays 300
// child care and the defendant 150 health insurance.
CaseRecord OneSharedChild() {
    return {{"child1name", "Ann"}, {"child1nights", " 200"}, {"pinc", " 3000"}, {"dinc", " 4000"},
            {"padja", " 300"},     {"dadjb", " 150"}};
}

class WorksheetB : public ::testing::TestWithParam<WorksheetCase> {};

TEST_P(WorksheetB, ShowsTheLinesComputedByHand) { ExpectWorksheet(CalculateWorksheetB, GetParam()); }

// Rows of the shipped schedule used by hand: 5950: 1519 for two children; 6000: 1524; 6950: 1073
// for one child, 1610 for two; 7000: 1076 and 1614. A combined 7000 lies in the band of row 6950
// (both ends included).
// Line 2: 3000 and 4000, combined 7000; line 3: 42.857… -> 42.86 and 57.142… -> 57.14.
// Line 4, one child at 7000: 1073 + 50 * (1076 - 1073) / 50 = 1076; line 5: 1614.
// Line 6: 1614 * 42.86 / 100 = 691.7604 and 1614 * 57.14 / 100 = 922.2396.
// Line 8: 200 / 365 = 54.794… -> 54.79 and 165 / 365 = 45.205… -> 45.21.
// Line 9: 691.7604 * 45.21 / 100 = 312.74487684 and 922.2396 * 54.79 / 100 = 505.29507684.
// Line 11: 450 * 42.86 / 100 = 192.87 and 450 * 57.14 / 100 = 257.13.
// Line 12: 300 - 192.87 = 107.13 and 150 - 257.13 below zero, so 0.
// Line 13: 312.74487684 - 107.13 = 205.61487684 and 505.29507684.
// Line 14: 505.29507684 - 205.61487684 = 299.6802 under the defendant.
const Captions kOneSharedChild = {
    {"lblPInc", "3,000.00 "}, {"lblDInc", "4,000.00 "},   {"lblC2", "7,000.00 "}, {"lblP3", "42.86 "},
    {"lblD3", "57.14 "},      {"lblC4", "1,076.00 "},     {"lblC5", "1,614.00 "}, {"lblP6", "691.76 "},
    {"lblD6", "922.24 "},     {"lblP7", "200"},           {"lblD7", "165"},       {"lblTotalOvernights", "365"},
    {"lblP8", "54.79 "},      {"lblD8", "45.21 "},        {"lblP9", "312.74 "},   {"lblD9", "505.30 "},
    {"lblPAdja", "300.00 "},  {"lblDAdjb", "150.00 "},    {"lblP10d", "300.00 "}, {"lblD10d", "150.00 "},
    {"lblC10d", "450.00 "},   {"lblP11", "192.87 "},      {"lblD11", "257.13 "},  {"lblP12", "107.13 "},
    {"lblD12", "0.00 "},      {"lblP13", "205.61 "},      {"lblD13", "505.30 "},  {"lblP14", ""},
    {"lblD14", "299.68 "},    {"lblWarning", ""},
};

INSTANTIATE_TEST_SUITE_P(
    Cases, WorksheetB,
    ::testing::Values(
        WorksheetCase{"OneSharedChild", OneSharedChild(), "D", kOneSharedChild},
        // Two children, one shared (180 nights) and one living 300 nights with the plaintiff.
        // Line 4, two children at 7000: 1610 + 50 * 4 / 50 = 1614; line 5: 2421.
        // Line 6: 2421 * 42.86 / 100 = 1037.6406 and 2421 * 57.14 / 100 = 1383.3594.
        // Line 7: 180 + 300 = 480, 185 + 65 = 250, of 730; line 8: 65.753… -> 65.75, 34.246… -> 34.25.
        // Line 9: 1037.6406 * 34.25 / 100 = 355.3919055 and 1383.3594 * 65.75 / 100 = 909.5588055.
        // No adjustments: line 13 is line 9; line 14: 909.5588055 - 355.3919055 = 554.1669.
        WorksheetCase{"OneSharedOneNot",
                      {{"child1name", "Ann"}, {"child1nights", "180"}, {"child2name", "Bo"},
                       {"child2nights", "300"}, {"pinc", "3000"}, {"dinc", "4000"}},
                      "D",
                      {{"lblC4", "1,614.00 "}, {"lblC5", "2,421.00 "}, {"lblP6", "1,037.64 "},
                       {"lblD6", "1,383.36 "}, {"lblP7", "480"}, {"lblD7", "250"}, {"lblTotalOvernights", "730"},
                       {"lblP8", "65.75 "}, {"lblD8", "34.25 "}, {"lblP9", "355.39 "}, {"lblD9", "909.56 "},
                       {"lblC10d", "0.00 "}, {"lblP12", "0.00 "}, {"lblP13", "355.39 "}, {"lblD13", "909.56 "},
                       {"lblP14", ""}, {"lblD14", "554.17 "}, {"lblWarning", ""}}},
        // The plaintiff's expenses beyond its fair share make its line 13 negative, which adds to
        // the defendant's order. Line 10d: 1300 and 150, combined 1450.
        // Line 11: 1450 * 42.86 / 100 = 621.47 and 1450 * 57.14 / 100 = 828.53.
        // Line 12: 1300 - 621.47 = 678.53 and 0. Line 13: 312.74487684 - 678.53 = -365.78512316.
        // Line 14: 505.29507684 + 365.78512316 = 871.0802.
        WorksheetCase{"NegativeLine13",
                      With(OneSharedChild(), {{"padjc", "1000"}}),
                      "D",
                      {{"lblP10d", "1,300.00 "}, {"lblC10d", "1,450.00 "}, {"lblP11", "621.47 "},
                       {"lblD11", "828.53 "}, {"lblP12", "678.53 "}, {"lblD12", "0.00 "}, {"lblP13", "-365.79 "},
                       {"lblD13", "505.30 "}, {"lblP14", ""}, {"lblD14", "871.08 "}}},
        // Equal incomes and 365 nights each: line 4, two children at 6000: 1519 + 50 * 5 / 50 = 1524;
        // line 5: 2286; line 6: 1143 each; line 8: 50 each; line 9: 571.50 each; no order.
        WorksheetCase{"EqualLine13",
                      {{"child1name", "Ann"}, {"child1nights", "200"}, {"child2name", "Bo"},
                       {"child2nights", "165"}, {"pinc", "3000"}, {"dinc", "3000"}},
                      "",
                      {{"lblC4", "1,524.00 "}, {"lblC5", "2,286.00 "}, {"lblP6", "1,143.00 "},
                       {"lblD6", "1,143.00 "}, {"lblP7", "365"}, {"lblD7", "365"}, {"lblP8", "50.00 "},
                       {"lblD8", "50.00 "}, {"lblP13", "571.50 "}, {"lblD13", "571.50 "}, {"lblP14", ""},
                       {"lblD14", ""}}},
        // No child counts: a child row with nights but no name, and a name stored elsewhere
        // empty. Nothing to look up; every line is 0 and there is no order.
        WorksheetCase{"NoCountedChild",
                      {{"child2nights", "200"}, {"pinc", "3000"}, {"dinc", "4000"}},
                      "",
                      {{"lblC2", "7,000.00 "}, {"lblC4", "0.00 "}, {"lblC5", "0.00 "}, {"lblP6", "0.00 "},
                       {"lblP7", "0"}, {"lblD7", "0"}, {"lblTotalOvernights", "0"}, {"lblP8", "0.00 "},
                       {"lblD8", "0.00 "}, {"lblP9", "0.00 "}, {"lblD9", "0.00 "}, {"lblP13", "0.00 "},
                       {"lblD13", "0.00 "}, {"lblP14", ""}, {"lblD14", ""},
                       {"lblWarning", "WARNING: NO CHILD SPENDS AT LEAST 123 OVERNIGHTS WITH EACH PARENT"}}},
        // A name of blanks is no child, as in every children dialog: one child's line 4.
        WorksheetCase{"NameOfBlanksIsNoChild",
                      {{"child1name", "  "}, {"child1nights", "300"}, {"child2name", "Bo"}, {"child2nights", "200"},
                       {"pinc", "3000"}, {"dinc", "4000"}},
                      "D",
                      {{"lblC4", "1,076.00 "}, {"lblP7", "200"}, {"lblTotalOvernights", "365"}}},
        // Overnights beyond the year give no order.
        WorksheetCase{"NightsOutsideTheYear", With(OneSharedChild(), {{"child1nights", "400"}}), "",
                      {{"lblD7", "-35"}, {"lblP14", ""}, {"lblD14", ""}, {"lblWarning", kNightsWarning}}},
        WorksheetCase{"NightsOutsideTheYearUnwarned", With(OneSharedChild(), {{"child1nights", "182.5"}}), "",
                      {{"lblP14", ""}, {"lblD14", ""}, {"lblWarning", ""}}, Settings("Y", "N", "N")},
        // Shares of 1317 / 2400 = 54.875% and 45.125% exactly: 54.88 and 45.12. Line 4, one child at
        // 2400: 454 + 50 * 8 / 50 = 462; line 5: 693. Line 6: 380.3184 and 312.6816. Line 9:
        // 380.3184 * 45.21 / 100 = 171.94194864 and 312.6816 * 54.79 / 100 = 171.31924864.
        WorksheetCase{"HalfCentShare",
                      {{"child1name", "Ann"}, {"child1nights", "200"}, {"pinc", "1317"}, {"dinc", "1083"}},
                      "P",
                      {{"lblP3", "54.88 "}, {"lblD3", "45.12 "}, {"lblC5", "693.00 "}, {"lblP6", "380.32 "},
                       {"lblD6", "312.68 "}, {"lblP9", "171.94 "}, {"lblD9", "171.32 "}, {"lblP14", "0.62 "}}},
        // The stored credits for other children stand for both parents; nothing is recomputed.
        WorksheetCase{"StoredCreditsForOtherChildren",
                      With(OneSharedChild(), {{"poc", "2"}, {"presp", "123.45"}, {"doc", "1"}, {"dresp", "77"}}),
                      "D",
                      {{"lblPResp", "123.45 "}, {"lblDResp", "77.00 "}, {"lblPOC", "(2)"}, {"lblDOC", "(1)"},
                       {"lblP2", "2,876.55 "}, {"lblD2", "3,923.00 "}}},
        // Override 1200: line 5: 1800; line 6: 1800 * 42.86 / 100 = 771.48 and 1028.52.
        // Line 9: 771.48 * 45.21 / 100 = 348.786108 and 1028.52 * 54.79 / 100 = 563.526108.
        // No adjustments: line 14: 563.526108 - 348.786108 = 214.74.
        WorksheetCase{"Override",
                      {{"child1name", "Ann"}, {"child1nights", "200"}, {"pinc", "3000"}, {"dinc", "4000"},
                       {"override", "Y"}, {"overamt", " 1200"}},
                      "D",
                      {{"lblC4", "1,200.00 "}, {"lblC5", "1,800.00 "}, {"lblP6", "771.48 "}, {"lblD6", "1,028.52 "},
                       {"lblP9", "348.79 "}, {"lblD9", "563.53 "}, {"lblD14", "214.74 "},
                       {"cmdOverrideSupport", "CANCEL OVERRIDE"}}},
        // A combined 40,000.01 falls in the schedule's last row, which gives no amount: that is told,
        // in place of the warning on overnights.
        WorksheetCase{"AboveTheSchedule",
                      {{"child1name", "Ann"}, {"child1nights", "300"}, {"pinc", "30000"}, {"dinc", "10000.01"}},
                      "",
                      {{"lblC2", "40,000.01 "}, {"lblC4", "0.00 "}, {"lblD14", ""},
                       {"lblWarning", "WARNING: THE SCHEDULE DOES NOT COVER THIS INCOME"}}},
        // Rounding: line 13: 205.61487684 -> 206 and 505.29507684 -> 505; line 14: 505 - 206.
        WorksheetCase{"RoundingOn", OneSharedChild(), "D",
                      {{"lblP9", "312.74 "}, {"lblP13", "206.00 "}, {"lblD13", "505.00 "}, {"lblD14", "299.00 "}},
                      Settings("Y", "Y")},
        // Zeros hidden: amounts and shares of 0.00 are emptied, overnights are not.
        WorksheetCase{"ZerosHidden",
                      {{"pinc", "3000"}, {"dinc", "4000"}},
                      "",
                      {{"lblPPre", ""}, {"lblC4", ""}, {"lblP6", ""}, {"lblP7", "0"}, {"lblTotalOvernights", "0"},
                       {"lblP8", ""}, {"lblD12", ""}, {"lblP13", ""}, {"lblC2", "7,000.00 "}},
                      Settings("N")}),
    [](const auto& info) { return info.param.name; });

// ---- The overnights warning -------------------------------------------------------------------

struct WarningCase {
    std::vector<const char*> nights;  // with the plaintiff, one per named child
    bool warned;
    QString showWarnings = "Y";
    QString warning = kNotSharedWarning;
};

class OvernightsWarning : public ::testing::TestWithParam<WarningCase> {};

TEST_P(OvernightsWarning, ShowsWhenNoChildIsShared) {
    const WarningCase& c = GetParam();
    CaseRecord record{{"pinc", "3000"}, {"dinc", "4000"}};
    for (size_t i = 0; i < c.nights.size(); ++i) {
        const QString child = "child" + QString::number(i + 1);
        record[child + "name"] = "Child";
        record[child + "nights"] = c.nights[i];
    }
    Schedule schedule = ShippedSchedule();
    const WorksheetResultB r = CalculateWorksheetB(record, Settings("Y", "N", c.showWarnings), schedule);
    EXPECT_EQ(r.visible.at("lblWarning"), c.warned);
    EXPECT_EQ(r.captions.at("lblWarning"), c.warned ? c.warning : "");
}

INSTANTIATE_TEST_SUITE_P(
    Nights, OvernightsWarning,
    ::testing::Values(WarningCase{{"200"}, false}, WarningCase{{"123"}, false}, WarningCase{{"242"}, false},
                      WarningCase{{"122"}, true}, WarningCase{{"243"}, true},
                      WarningCase{{"242.5"}, true, "Y", kNightsWarning},
                      WarningCase{{"300", "100"}, true}, WarningCase{{"300", "180"}, false},
                      WarningCase{{}, true}, WarningCase{{"300"}, false, "N"},
                      // Stored overnights that are no whole nights of one year.
                      WarningCase{{"0"}, true}, WarningCase{{"365"}, true},
                      WarningCase{{"200", "366"}, true, "Y", kNightsWarning},
                      WarningCase{{"-5"}, true, "Y", kNightsWarning}, WarningCase{{"1e9"}, true, "Y", kNightsWarning}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

}  // namespace
}  // namespace qvr::test
