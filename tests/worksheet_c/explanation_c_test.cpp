#include "worksheet_c/explanation_c.h"

#include "worksheet_c/calculation_c.h"
#include "support/print_qstring.h"
#include "worksheet_c/schedule_2023.h"

#include <gtest/gtest.h>

namespace qvr {
namespace {

const QDate kToday(2024, 3, 15);
const QString kBreak = "\r\n\r\n";

using Columns = std::map<QString, QString>;

// One child with each parent, incomes 3,000 and 4,000, the plaintiff's child care of 100 and the
// defendant's insurance of 50.
Columns BaseCase() {
    return {{"name1name", "Jane Roe"}, {"name2name", "John Doe"}, {"child1name", "Ann"},
            {"child1dob", "06/01/2015"}, {"child1cust", "P"},     {"child2name", "Bo"},
            {"child2dob", "09/10/2018"}, {"child2cust", "D"},     {"pinc", " 3000"},
            {"dinc", " 4000"},           {"padja", " 100"},       {"dadjb", " 50"}};
}

Columns With(Columns columns, const Columns& more) {
    for (const auto& [column, text] : more) columns[column] = text;
    return columns;
}

// The explanation of a case as the worksheet shows it: the calculation's captions and result.
QString Explain(const Columns& columns, const QString& showZeros = "Y") {
    CaseRecord record;
    for (const auto& [column, text] : columns) record[column] = text;
    Schedule schedule = test::Schedule2023();
    const WorksheetCResult result =
        CalculateWorksheetC(record, {"Y", showZeros, "N", {1500, 1850, 2200, 2400, 2700, 3000}}, schedule);
    const auto caption = [&result](const QString& label) {
        const auto found = result.captions.find(label);
        return found == result.captions.end() ? QString() : found->second;
    };
    return ExplanationTextC(caption, result, kToday);
}

// The paragraphs after the parties' incomes.
QString Ending(const QString& text) { return text.mid(text.indexOf("When added together")); }

TEST(ExplanationC, TellsEachHouseholdAndWhoPaysWhom) {
    // Line 4 1,614.00, 807.00 to each household; 6a 345.88, 6b 461.12. Expenses 150: fair
    // shares 150 * 42.86 / 100 = 64.29 and 85.71; the plaintiff paid 100 - 64.29 = 35.71 in
    // excess. Line 10: 345.8802 - 35.71 = 310.17 and 461.12; the defendant pays 150.95.
    const QString expected =
        "This is a Split Custody Child Support Calculation (Worksheet C) performed on 03/15/2024." + kBreak +
        "The Parties in this case are Jane Roe, who is the Plaintiff, and John Doe, who is the Defendant." + kBreak +
        "Together, they have 2 children who are involved in this calculation for child-support (Ann - age 8, Bo - "
        "age 5). " + kBreak +
        "Jane Roe's monthly gross income is $3,000.00, and has no income adjustments. " + kBreak +
        "John Doe's monthly gross income is $4,000.00, and has no income adjustments. " + kBreak +
        "When added together, their combined monthly gross income is $7,000.00. Jane Roe's share of this amount is "
        "42.86%, while John Doe's share is 57.14%." + kBreak +
        "Jane Roe has custody of 1 child (Ann). John Doe has custody of 1 child (Bo). Each household's share of the "
        "children is the number of children living in it divided by the total number of children: 50.00% live with "
        "Jane Roe and 50.00% with John Doe." + kBreak +
        "The BASIC child support obligation for all of the children together is determined using the NC Schedule of "
        "Basic Support Obligations. Based on the combined adjusted gross income amount of $7,000.00, the BASIC child "
        "support obligation amount is $1,614.00. It is divided between the two households by their shares of the "
        "children: $807.00 for the children living with Jane Roe and $807.00 for the children living with John "
        "Doe." + kBreak +
        "Each parent owes support for the children living with the other parent, in proportion to his or her share "
        "of the combined income. Jane Roe's share of 42.86% of the $807.00 for the children living with John Doe is "
        "$345.88. John Doe's share of 57.14% of the $807.00 for the children living with Jane Roe is $461.12. " +
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
    EXPECT_EQ(Explain(BaseCase()), expected);
}

TEST(ExplanationC, ANegativeLine10AddsToTheOtherParentsOrder) {
    // The defendant's expenses of 2,000 exceed its fair share by 2000 - 1142.80 = 857.20, more
    // than its 461.12: line 10 -396.08, and the plaintiff pays 345.88 + 396.08 = 741.96.
    const QString text = Explain(With(BaseCase(), {{"padja", " 0"}, {"dadjb", " 2000"}}));
    EXPECT_TRUE(text.contains("This leaves Jane Roe with an adjusted support obligation (line 10) of $345.88 and "
                              "John Doe with one of $-396.08. An adjusted support obligation below zero means"))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith("the recommended child support order (line 11) is that Jane Roe pays John Doe $741.96 "
                              "per month."))
        << text.toStdString();
}

TEST(ExplanationC, EqualObligationsMeanNeitherPays) {
    const QString text = Explain(With(BaseCase(), {{"pinc", " 3500"}, {"dinc", " 3500"}, {"padja", ""},
                                                   {"dadjb", ""}}));
    EXPECT_TRUE(text.contains("Since neither parent claimed any expenses, nothing is credited against either support "
                              "obligation. This leaves Jane Roe with an adjusted support obligation (line 10) of "
                              "$403.50 and John Doe with one of $403.50." + kBreak))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith("Since both adjusted support obligations are equal, neither parent pays the other: "
                              "there is no recommended child support order (line 11)."))
        << text.toStdString();
}

TEST(ExplanationC, AllChildrenInOneHouseholdPointToTheSoleCustodyWorksheet) {
    const QString text = Explain(With(BaseCase(), {{"child2cust", "P"}, {"child3name", "Cy"}}));
    EXPECT_TRUE(Ending(text).contains(
        "Jane Roe has custody of 3 children (Ann, Bo, Cy). John Doe has custody of none of the children. A split "
        "custody calculation needs at least one child living with each parent; while all of the children live in "
        "one household, the sole custody worksheet (Worksheet A) fits this case." + kBreak))
        << text.toStdString();
}

TEST(ExplanationC, NoChildNamesNoHousehold) {
    const QString text = Explain({{"pinc", " 3000"}});
    EXPECT_TRUE(text.contains("No children have been identified in this case."));
    EXPECT_FALSE(text.contains("has custody of"));
    EXPECT_TRUE(text.contains("A split custody calculation needs at least one child living with each parent"));
}

TEST(ExplanationC, TellsAZeroThatTheWorksheetHidesAsZero) {
    const QString text = Explain(BaseCase(), "N");
    EXPECT_TRUE(text.contains("Jane Roe is claiming expenses in the amount of $100.00 for Work Related Child Care, "
                              "$0.00 for Health Insurance, and $0.00 for extraordinary expenses"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("$35.71 for Jane Roe and $0.00 for John Doe.")) << text.toStdString();
}

}  // namespace
}  // namespace qvr
