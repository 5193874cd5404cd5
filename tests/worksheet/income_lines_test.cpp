// Line 4 from the schedule, as every worksheet looks it up, and when the schedule gives none.

#include "worksheet/income_lines.h"

#include "support/print_qstring.h"

#include <gtest/gtest.h>

namespace qvr {
namespace {

const char kNotCovered[] = "WARNING: THE SCHEDULE DOES NOT COVER THIS INCOME";
const char kUnreadable[] = "WARNING: THE SCHEDULE CANNOT BE READ";

TEST(LookupBasicObligation, GivesTheAmountOrSaysWhyThereIsNone) {
    struct Row {
        bool readable;
        double income;
        double children;
        const char* showWarnings;
        double amount;
        ScheduleCoverage coverage;
        const char* warning;  // "": the warning line stays hidden
    };
    const Row rows[] = {
        {true, 75, 1, "Y", 115, ScheduleCoverage::Covered, ""},
        {true, 100, 2, "Y", 220, ScheduleCoverage::Covered, ""},  // the last row
        {true, 100.01, 1, "Y", 0, ScheduleCoverage::NotCovered, kNotCovered},
        {true, 1e9, 3, "N", 0, ScheduleCoverage::NotCovered, ""},
        {false, 75, 1, "N", 0, ScheduleCoverage::Unreadable, kUnreadable},
        {false, 75, 0, "Y", 0, ScheduleCoverage::Covered, ""},  // nothing to look up
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.income);
        Schedule schedule = row.readable ? Schedule({{0, {100, 200, 300, 400, 500, 600}},
                                                     {50, {110, 210, 310, 410, 510, 610}},
                                                     {100, {120, 220, 320, 420, 520, 620}}})
                                         : Schedule();
        WorksheetResult r;
        HideWarning(r);
        EXPECT_DOUBLE_EQ(LookupBasicObligation(r, schedule, row.income, row.children, {row.showWarnings, "Y", "N", {}}), row.amount);
        EXPECT_EQ(r.Line4Coverage, row.coverage);
        EXPECT_EQ(r.captions.at("lblWarning"), row.warning);
        EXPECT_EQ(r.visible.at("lblWarning"), *row.warning != '\0');
    }
}

}  // namespace
}  // namespace qvr
