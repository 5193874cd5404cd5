#include "worksheet_c/explanation_c.h"

#include "support/worksheet_calculation.h"
#include "worksheet_c/calculation_c.h"

#include <gtest/gtest.h>

namespace qvr::test {
namespace {

const QString kBreak = "\r\n\r\n";

// One child with each parent, incomes 3,000 and 4,000, the plaintiff's child care of 100 and the
// defendant's insurance of 50.
CaseRecord BaseCase() {
    return {{"name1name", "Jane Roe"}, {"name2name", "John Doe"}, {"child1name", "Ann"},
            {"child1dob", "06/01/2015"}, {"child1cust", "P"},     {"child2name", "Bo"},
            {"child2dob", "09/10/2018"}, {"child2cust", "D"},     {"pinc", " 3000"},
            {"dinc", " 4000"},           {"padja", " 100"},       {"dadjb", " 50"}};
}

QString Explain(const CaseRecord& record) { return ExplanationOf(CalculateWorksheetC, ExplanationTextC, record); }

TEST(ExplanationC, TellsEachHouseholdAndWhoPaysWhom) {
    // Line 4 1,614.00, 807.00 to each household; 6a 345.88, 6b 461.12. Expenses 150: fair
    // shares 150 * 42.86 / 100 = 64.29 and 85.71; the plaintiff paid 100 - 64.29 = 35.71 in
    // excess. Line 10: 345.8802 - 35.71 = 310.17 and 461.12; the defendant pays 150.95.
    const QString text = Explain(BaseCase());
    EXPECT_TRUE(text.startsWith("This is a Split Custody Child Support Calculation (Worksheet C) performed on "
                                "03/15/2024." + kBreak + "The Parties in this case are Jane Roe, who is the Plaintiff"));
    const QString expectedEnd =
        "Jane Roe has custody of 1 child (Ann). John Doe has custody of 1 child (Bo). Each household's share of the "
        "children is the number of children living in it divided by the total number of children: 50.00% live with "
        "Jane Roe and 50.00% with John Doe." + kBreak +
        "The BASIC child support obligation for all of the children together is determined using the NC Schedule of "
        "Basic Support Obligations. Based on the combined adjusted gross income amount of $7,000.00, the BASIC child "
        "support obligation amount is $1,614.00. It is divided between the two households by their shares of the "
        "children: $807.00 for the child living with Jane Roe and $807.00 for the child living with John Doe." +
        kBreak +
        "Each parent owes support for the children living with the other parent, in proportion to his or her share "
        "of the combined income. Jane Roe's share of 42.86% of the $807.00 for the child living with John Doe is "
        "$345.88. John Doe's share of 57.14% of the $807.00 for the child living with Jane Roe is $461.12. " +
        kBreak +
        "Included in this calculation for child support are expenses paid directly by each parent. Jane Roe is "
        "claiming expenses in the amount of $100.00 for Work Related Child Care, $0.00 for Health Insurance, and "
        "$0.00 for extraordinary expenses, totaling $100.00. John Doe is claiming expenses in the amount of $0.00 "
        "for Work Related Child Care, $50.00 for Health Insurance, and $0.00 for extraordinary expenses, totaling "
        "$50.00. " + kBreak +
        "The combined expenses of $150.00 are shared in proportion to income: Jane Roe's fair share is $64.29 and "
        "John Doe's fair share is $85.71. What a parent paid beyond his or her fair share is credited against his "
        "or her support obligation: $35.71 for Jane Roe and $0.00 for John Doe. This leaves Jane Roe with an "
        "adjusted support obligation (line 10) of $310.17 and John Doe with one of $461.12." + kBreak +
        "Subtracting the smaller adjusted support obligation from the larger, the recommended child support order "
        "(line 11) is that John Doe pays Jane Roe $150.95 per month.";
    EXPECT_EQ(text.mid(text.indexOf("Jane Roe has custody")), expectedEnd);
}

struct Variant {
    std::string name;
    CaseRecord columns;
    QString told;
};

class ExplanationCVariants : public ::testing::TestWithParam<Variant> {};

TEST_P(ExplanationCVariants, TellWhatTheCaseHolds) {
    const Variant& v = GetParam();
    const QString text = Explain(With(BaseCase(), v.columns));
    EXPECT_TRUE(text.contains(v.told)) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExplanationCVariants,
    ::testing::Values(
        // The defendant's 2,000 exceed its fair share by 2000 - 1142.80 = 857.20, more than its
        // 461.12; the plaintiff pays 345.88 + 396.08.
        Variant{"NegativeLine10", {{"padja", ""}, {"dadjb", " 2000"}},
                "John Doe with one of -$396.08. An adjusted support obligation below zero means that the parent paid "
                "more in expenses beyond his or her fair share than he or she owes for the other household, and the "
                "difference adds to the other parent's order." + kBreak + "Subtracting the smaller adjusted support "
                "obligation from the larger, the recommended child support order (line 11) is that Jane Roe pays John "
                "Doe $741.96 per month."},
        Variant{"EqualObligations", {{"pinc", " 3500"}, {"dinc", " 3500"}, {"padja", ""}, {"dadjb", ""}},
                "Since neither parent claimed any expenses, nothing is credited against either support obligation. "
                "This leaves Jane Roe with an adjusted support obligation (line 10) of $403.50 and John Doe with one "
                "of $403.50." + kBreak + "Since both adjusted support obligations are equal, neither parent pays the "
                "other: there is no recommended child support order (line 11)."},
        Variant{"OneHousehold", {{"child2cust", "P"}, {"child3name", "Cy"}},
                "Jane Roe has custody of 3 children (Ann, Bo, Cy). John Doe has custody of none of the children. A "
                "split custody calculation needs at least one child living with each parent; while all of the "
                "children live in one household, the sole custody worksheet (Worksheet A) fits this case." + kBreak},
        Variant{"AboveTheSchedule", {{"pinc", " 30000"}, {"dinc", " 10000.01"}},
                "50.00% with John Doe." + kBreak + "The BASIC child support obligation is determined using the NC Schedule of Basic Support "
                    "Obligations, but the schedule does not reach a combined adjusted gross income of $40,000.01"},
        Variant{"Override", {{"override", "Y"}, {"overamt", "1200"}},
                "50.00% with John Doe." + kBreak + "The BASIC child support obligation (line 4) is not taken from the "
                "NC Schedule of Basic Support Obligations: it is the override amount of $1,200.00 entered for this "
                "case. It is divided between the two households by their shares of the children: $600.00 for"},
        Variant{"OneChild", {{"child2name", ""}},
                "John Doe does not have custody of the child. A split custody calculation needs at least one child "
                "living with each parent; while the child lives in one household, the sole custody worksheet "
                "(Worksheet A) fits this case." + kBreak + "The BASIC child support obligation for the child is "
                "determined"},
        Variant{"NoChild", {{"child1name", ""}, {"child2name", ""}},
                "42.86%, while John Doe's share is 57.14%." + kBreak + "A split custody calculation needs at least "
                "one child living with each parent." + kBreak + "The BASIC"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace qvr::test
