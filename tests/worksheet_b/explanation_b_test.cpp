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
              "child spends part of the year with each parent.");
    // Lines 4 and 5, then each parent's portion (line 6), with the figures as shown.
    EXPECT_TRUE(p[6].contains("$7,000.00 and 1 child") && p[6].contains("(line 5) of $1,614.00.")) << p[6].toStdString();
    EXPECT_TRUE(p[7].endsWith("Jane Roe's 42.86% is $691.76, and John Doe's 57.14% is $922.24 (line 6)."));
    EXPECT_EQ(p[8],
              "Of the 365 overnights in a year, Ann spends 200 overnights with Jane Roe and 165 with John Doe. "
              "Together that is 200 overnights with Jane Roe and 165 with John Doe out of 365, so the child is with "
              "Jane Roe 54.79% of the time and with John Doe 45.21% of the time (line 8).");
    EXPECT_TRUE(p[9].endsWith("45.21% of the overnights is $312.74, and John Doe's portion of $922.24 for Jane "
                              "Roe's 54.79% is $505.30 (line 9)."));
    EXPECT_EQ(p[10],
              "Included in this calculation are expenses paid directly by each parent. Jane Roe is claiming expenses "
              "in the amount of $300.00 for Work Related Child Care, $0.00 for Health Insurance, and $0.00 for "
              "extraordinary expenses, totaling $300.00. John Doe is claiming expenses in the amount of $0.00 for "
              "Work Related Child Care, $150.00 for Health Insurance, and $0.00 for extraordinary expenses, totaling "
              "$150.00. Each parent's fair share of the combined expenses of $450.00 follows their share of the "
              "combined income: $192.87 for Jane Roe and $257.13 for John Doe (line 11). What a parent pays beyond "
              "his or her fair share is credited to that parent: $107.13 for Jane Roe and $0.00 for John Doe (line "
              "12).");
    EXPECT_EQ(p[11],
              "After these credits, Jane Roe's adjusted support obligation is $205.61 and John Doe's is $505.30 "
              "(line 13). The lesser amount is subtracted from the greater, so the recommended child support order "
              "(line 14) is for John Doe to pay Jane Roe $299.68 per month.");
}

TEST(ExplanationB, ThePlaintiffPaysTheDefendant) {
    const QString text = Explain(
        With(Parties(), {{"child1name", "Ann"}, {"child1nights", "130"}, {"child2name", "Bo"}, {"child2nights", "125"}}));
    // Line 8: 255 / 730 -> 34.93 and 65.07; line 9: 2421 * 42.86 / 100 * 65.07 / 100 = 675.19273842 and
    // 2421 * 57.14 / 100 * 34.93 / 100 = 483.20743842; line 13: 675.19273842 - 107.13 and 483.20743842.
    EXPECT_TRUE(text.endsWith("(line 14) is for Jane Roe to pay John Doe $84.86 per month.")) << text.toStdString();
    EXPECT_TRUE(text.contains("Of the 365 overnights in a year, Ann spends 130 overnights with Jane Roe and 235 with "
                              "John Doe; Bo spends 125 overnights with Jane Roe and 240 with John Doe. Together that "
                              "is 255 overnights with Jane Roe and 475 with John Doe out of 730, so the children are"));
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
    EXPECT_TRUE(p[2].startsWith("Together, they have 2 children")) << p[2].toStdString();
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
                                "case. When the child lives"))
        << p[6].toStdString();
    EXPECT_TRUE(p[6].endsWith("(line 5) of $1,800.00."));
}


struct Told {
    std::string name;
    CaseRecord columns;
    QString told;
};

class NoSharedChild : public ::testing::TestWithParam<Told> {};

// Neither the opening nor an order tells the case as shared custody.
TEST_P(NoSharedChild, EndsWithWhyWorksheetBDoesNotApply) {
    const QStringList p = Paragraphs(With(Parties(), GetParam().columns));
    EXPECT_EQ(p.first(), "This is a Shared Custody Child Support Calculation (Worksheet B) performed on 03/15/2024.");
    EXPECT_EQ(p.last(), GetParam().told +
                            "A shared custody calculation needs at least one child who spends at least 123 overnights "
                            "a year with each parent. Since no child does, Worksheet B does not apply to this case "
                            "and its lines give no recommended child support order; the sole custody worksheet "
                            "(Worksheet A) or the split custody worksheet (Worksheet C) may fit it instead.");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NoSharedChild,
    ::testing::Values(Told{"OneShort", {{"child1name", "Ann"}, {"child1nights", "122"}},
                           "Of the 365 overnights in a year, Ann spends 122 overnights with Jane Roe and 243 with "
                           "John Doe. "},
                      Told{"EachMainlyWithOneParent",
                           {{"child1name", "Ann"}, {"child1nights", "300"}, {"child2name", "Bo"},
                            {"child2nights", "1"}},
                           "Of the 365 overnights in a year, Ann spends 300 overnights with Jane Roe and 65 with John "
                           "Doe; Bo spends 1 overnight with Jane Roe and 364 with John Doe. "},
                      Told{"NoChild", {}, "Since no children have been identified, no overnights are counted with "
                                          "either parent. "}),
    [](const auto& info) { return info.param.name; });

class PlainWording : public ::testing::TestWithParam<Told> {};

TEST_P(PlainWording, SaysWhatItMeans) {
    const QString text = Explain(With({{"child1name", "Ann"}, {"child1nights", "200"}}, GetParam().columns));
    EXPECT_TRUE(text.contains(GetParam().told)) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlainWording,
    ::testing::Values(Told{"NoPartyNamed", {},
                           "Neither the Plaintiff nor the Defendant in this case has been identified yet."},
                      Told{"FirstChildRowEmpty",
                           {{"child1name", ""}, {"child2name", "Sam"}, {"child2dob", "06/01/2014"},
                            {"child2nights", "200"}},
                           "child-support (Sam - age 9). "},
                      // Line 13: 312.74 - (2000 - 857.20).
                      Told{"NegativeFigure", {{"pinc", "3000"}, {"dinc", "4000"}, {"padja", "2000"}},
                           "Plaintiff's adjusted support obligation is -$830.06 and"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace qvr::test
