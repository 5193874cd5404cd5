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

}  // namespace
}  // namespace qvr
