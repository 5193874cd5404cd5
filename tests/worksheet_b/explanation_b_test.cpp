#include "worksheet_b/explanation_b.h"

#include "support/worksheet_calculation.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace qvr::test {
namespace {

// Incomes 3,000 and 4,000; the plaintiff pays 300 child care, the defendant 150 insurance.
CaseRecord Parties() {
    return {{"name1name", "Jane Roe"}, {"name2name", "John Doe"}, {"pinc", "3000"}, {"dinc", "4000"},
            {"padja", "300"},          {"dadjb", "150"}};
}

QString Explain(const CaseRecord& record) { return ExplanationOf(CalculateWorksheetB, ExplanationTextB, record); }

QStringList Paragraphs(const CaseRecord& record) { return Explain(record).split(kParagraphBreak); }

TEST(ExplanationB, TellsEveryStepOfASharedCustodyCase) {
    const QStringList p = Paragraphs(
        With(Parties(), {{"child1name", "Ann"}, {"child1dob", "06/01/2015"}, {"child1nights", "200"}}));
    ASSERT_EQ(p.size(), 12) << Explain(Parties()).toStdString();
    EXPECT_EQ(p[0],
              "This is a Shared Custody Child Support Calculation (Worksheet B) performed on 03/15/2024, where the "
              "children spend part of the year with each parent.");
    // Lines 4 and 5, then each parent's portion (line 6), with the figures as shown.
    EXPECT_TRUE(p[6].contains("$7,000.00 and 1 child") && p[6].contains("(line 5) of $1,614.00.")) << p[6].toStdString();
    EXPECT_TRUE(p[7].endsWith("Jane Roe's 42.86% is $691.76, and John Doe's 57.14% is $922.24 (line 6)."));
    EXPECT_EQ(p[8],
              "Of the 365 overnights in a year, Ann spends 200 with Jane Roe and 165 with John Doe. Together that is "
              "200 overnights with Jane Roe and 165 with John Doe out of 365, so the children are with Jane Roe "
              "54.79% of the time and with John Doe 45.21% of the time (line 8).");
    EXPECT_TRUE(p[9].endsWith("45.21% of the overnights is $312.74, and John Doe's portion of $922.24 for Jane "
                              "Roe's 54.79% is $505.30 (line 9)."));
    EXPECT_EQ(p[10],
              "Included in this calculation are expenses paid directly by each parent. Jane Roe is claiming expenses "
              "in the amount of $300.00 for Work Related Child Care, $0.00 for Health Insurance, and $0.00 for "
              "extraordinary expenses, totaling $300.00. John Doe is claiming expenses in the amount of $0.00 for "
              "Work Related Child Care, $150.00 for Health Insurance, and $0.00 for extraordinary expenses, totaling "
              "$150.00. Each parent's fair share of the combined expenses of $450.00 follows their share of the "
              "combined income: $192.87 for Jane Roe and $257.13 for John Doe (line 11). What a parent pays beyond "
              "its fair share is credited to it: $107.13 for Jane Roe and $0.00 for John Doe (line 12).");
    EXPECT_EQ(p[11],
              "After these credits, Jane Roe's adjusted support obligation is $205.61 and John Doe's is $505.30 "
              "(line 13). The lesser amount is subtracted from the greater, so the recommended child support order "
              "(line 14) is for John Doe to pay Jane Roe $299.68 per month.");
}

TEST(ExplanationB, ThePlaintiffPaysTheDefendant) {
    const QString text = Explain(
        With(Parties(), {{"child1name", "Ann"}, {"child1nights", "100"}, {"child2name", "Bo"}, {"child2nights", "90"}}));
    // Line 8: 190 / 730 -> 26.03 and 73.97; line 9: 2421 * 42.86 / 100 * 73.97 / 100 = 767.54275182 and
    // 2421 * 57.14 / 100 * 26.03 / 100 = 360.08845182; line 13: 767.54275182 - 107.13 and 360.08845182.
    EXPECT_TRUE(text.endsWith("(line 14) is for Jane Roe to pay John Doe $300.32 per month.")) << text.toStdString();
    EXPECT_TRUE(text.contains("Of the 365 overnights in a year, Ann spends 100 with Jane Roe and 265 with John Doe; "
                              "Bo spends 90 with Jane Roe and 275 with John Doe. Together that is 190 overnights "
                              "with Jane Roe and 540 with John Doe out of 730"));
    EXPECT_FALSE(text.endsWith("\r\n"));
}

TEST(ExplanationB, EqualObligationsLeaveNoOrder) {
    // Equal incomes and expenses, 365 nights with each parent.
    const QStringList p = Paragraphs({{"pinc", "3500"}, {"dinc", "3500"}, {"child1name", "Ann"},
                                      {"child1nights", "200"}, {"child2name", "Bo"}, {"child2nights", "165"}});
    EXPECT_EQ(p.last(),
              "After these credits, Plaintiff's adjusted support obligation is $605.25 and Defendant's is $605.25 "
              "(line 13). Since the two amounts are equal, they cancel out: no child support order is recommended "
              "and neither parent pays the other.");
    EXPECT_TRUE(p.contains("Neither parent is claiming any expenses for work related child care, health insurance, "
                           "or extraordinary expenses, so no adjustments are made."));
}

TEST(ExplanationB, EndsWithWhyAnIncomeAboveTheScheduleHasNoOrder) {
    const QStringList p = Paragraphs({{"pinc", "30000"}, {"dinc", "10000.01"}, {"child1name", "Ann"}, {"child1nights", "200"}});
    EXPECT_TRUE(p.last().startsWith("The BASIC child support obligation is determined using the NC Schedule of Basic "
                                    "Support Obligations, but the schedule does not reach a combined adjusted gross "
                                    "income of $40,000.01"))
        << p.last().toStdString();
}

// Rows the worksheet does not count are not told; stored overnights beyond the year give no order.
TEST(ExplanationB, TellsOnlyNamedChildrenAndWhyTheirNightsGiveNoOrder) {
    const QStringList p = Paragraphs(With(Parties(), {{"child1name", " "}, {"child1nights", "100"},
                                                      {"child2name", "Bo"}, {"child2nights", "400"},
                                                      {"child3name", "Cy"}, {"child3nights", "182.5"}}));
    EXPECT_TRUE(p[8].startsWith("Of the 365 overnights in a year, Bo spends 400")) << p[8].toStdString();
    EXPECT_EQ(p.last(),
              "Each child's overnights with Jane Roe must be a whole number from 0 to 365, but those stored for Bo "
              "(400) and Cy (182.5) are not, so no recommended child support order (line 14) is computed here. "
              "Please enter them again in the Number of Overnights window, which opens when you click the children "
              "on the worksheet.");
}

TEST(ExplanationB, TellsTheOverrideInsteadOfTheSchedule) {
    const QStringList p = Paragraphs(
        With(Parties(), {{"child1name", "Ann"}, {"child1nights", "200"}, {"override", "Y"}, {"overamt", "1200"}}));
    EXPECT_TRUE(p[6].startsWith("The BASIC child support obligation (line 4) is not taken from the NC Schedule of "
                                "Basic Support Obligations: it is the override amount of $1,200.00 entered for this "
                                "case. When the children"))
        << p[6].toStdString();
    EXPECT_TRUE(p[6].endsWith("(line 5) of $1,800.00."));
}

}  // namespace
}  // namespace qvr::test
