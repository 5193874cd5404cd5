// Line 4 from the schedule, as every worksheet looks it up, and when the schedule gives none.

#include "worksheet/income_lines.h"

#include "support/print_qstring.h"

#include <gtest/gtest.h>

namespace qvr {
namespace {

// Rows at 0, 50 and 100 dollars; one child: 100, 110, 120.
Schedule ThreeRows() {
    return Schedule({{0, {100, 200, 300, 400, 500, 600}},
                     {50, {110, 210, 310, 410, 510, 610}},
                     {100, {120, 220, 320, 420, 520, 620}}});
}

struct Line4Case {
    const char* why;
    bool readable;
    double income;
    double children;
    const char* showWarnings;
    double amount;
    ScheduleCoverage coverage;
    const char* warning;  // nullptr: the warning line stays hidden
};

class Line4Lookup : public ::testing::TestWithParam<Line4Case> {};

TEST_P(Line4Lookup, GivesTheAmountOrSaysWhyThereIsNone) {
    const Line4Case& c = GetParam();
    Schedule schedule = c.readable ? ThreeRows() : Schedule();
    WorksheetResult r;
    HideWarning(r);
    WorksheetSettings settings;
    settings.ShowWarnings = c.showWarnings;

    EXPECT_DOUBLE_EQ(LookupBasicObligation(r, schedule, c.income, c.children, settings), c.amount);
    EXPECT_EQ(r.Line4Coverage, c.coverage);
    EXPECT_DOUBLE_EQ(r.LookupResult, c.amount);
    EXPECT_EQ(r.LookupIncome, c.income);
    EXPECT_EQ(r.visible.at("lblWarning"), c.warning != nullptr);
    EXPECT_EQ(r.captions.at("lblWarning"), c.warning ? c.warning : "");
}

const char kNotCovered[] = "WARNING: THE SCHEDULE DOES NOT COVER THIS INCOME";
const char kUnreadable[] = "WARNING: THE SCHEDULE CANNOT BE READ";

INSTANTIATE_TEST_SUITE_P(
    Cases, Line4Lookup,
    ::testing::Values(
        Line4Case{"inside a band", true, 75, 1, "Y", 115, ScheduleCoverage::Covered, nullptr},
        Line4Case{"at the last row", true, 100, 2, "Y", 220, ScheduleCoverage::Covered, nullptr},
        Line4Case{"a cent above the last row", true, 100.01, 1, "Y", 0, ScheduleCoverage::NotCovered, kNotCovered},
        Line4Case{"far above, warnings off", true, 1e9, 3, "N", 0, ScheduleCoverage::NotCovered, nullptr},
        Line4Case{"no income", true, 0, 1, "Y", 0, ScheduleCoverage::Covered, nullptr},
        Line4Case{"unreadable, warnings off", false, 75, 1, "N", 0, ScheduleCoverage::Unreadable, kUnreadable},
        Line4Case{"unreadable, no child to look up", false, 75, 0, "Y", 0, ScheduleCoverage::Covered, nullptr}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

}  // namespace
}  // namespace qvr
