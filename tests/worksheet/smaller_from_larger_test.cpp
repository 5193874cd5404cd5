// The order of shared and split custody: the smaller obligation subtracted from the larger.

#include "worksheet/smaller_from_larger.h"

#include "support/print_qstring.h"

#include <gtest/gtest.h>

namespace qvr {
namespace {

struct OrderCase {
    double plaintiff, defendant;
    QString obligor;
    double amount;
};

class SmallerFromLarger : public ::testing::TestWithParam<OrderCase> {};

TEST_P(SmallerFromLarger, IsUnderTheLargerUnlessBothShowTheSameAmount) {
    const OrderCase& c = GetParam();
    const RecommendedOrder order = SubtractSmallerFromLarger(c.plaintiff, c.defendant);
    EXPECT_EQ(order.obligor, c.obligor);
    EXPECT_DOUBLE_EQ(order.amount, c.amount);
}

INSTANTIATE_TEST_SUITE_P(
    Obligations, SmallerFromLarger,
    ::testing::Values(OrderCase{505.30, 205.30, "P", 300}, OrderCase{205.30, 505.30, "D", 300},
                      OrderCase{-20, 30, "D", 50}, OrderCase{571.50, 571.50, "", 0},
                      // Less than half a cent apart: both show the same amount, and nobody pays 0.00.
                      OrderCase{100.004, 100, "", 0}, OrderCase{100, 100 + 1e-12, "", 0},
                      OrderCase{100, 100.006, "D", 100.006 - 100}));

// Without a basic obligation from the schedule the expenses alone make no order: the plaintiff's
// child care of 200 beyond its fair share of 150 would otherwise have the defendant pay 50.
TEST(AdjustedOrder, NeedsABasicObligationFromTheSchedule) {
    for (const auto& [coverage, obligor] : {std::pair{ScheduleCoverage::Covered, "D"},
                                            {ScheduleCoverage::NotCovered, ""}, {ScheduleCoverage::Unreadable, ""}}) {
        WorksheetResult r;
        r.Line4Coverage = coverage;
        r.PLine3 = 75;
        r.DLine3 = 25;
        r.PLine5a = 200;
        const AdjustedOrder lines = ComputeAdjustedOrder(r, 0, 0, false);
        WriteAdjustedOrderCaptions(r, lines, 7);
        EXPECT_EQ(r.Obligor, obligor);
        EXPECT_EQ(r.captions.at("lblD11"), *obligor ? "50.00 " : "");
        EXPECT_EQ(r.captions.at("lblP11"), "");
    }
}

}  // namespace
}  // namespace qvr
