#include "worksheet_a/explanation_a.h"

#include "core/program_state.h"
#include "support/print_qstring.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <map>


namespace qvr {
namespace {

const QDate kToday(2024, 3, 15);
const QString kBreak = "\r\n\r\n";

const QString kReserve =
    "The guidelines include a self-support reserve that ensures that obligors have sufficient income to maintain a "
    "minimum standard of living based on the 2018 federal poverty level for one person ($1,012.00 per month). For "
    "obligors with an adjusted gross income of less than $1,108.00, the Guidelines require, absent a deviation, the "
    "establishment of a minimum support order ($50). For obligors with adjusted gross incomes above $1,108.00, the "
    "Schedule of Basic Support Obligations incorporates a further adjustment to maintain the self-support reserve "
    "for the obligor.";

const QString kShadedGuidelines = QString::fromUtf8(
    "According to the Guidelines, if the obligor\xE2\x80\x99s adjusted gross income falls within the shaded area of "
    "the Schedule and Worksheet A is used, the basic child support obligation and the obligor\xE2\x80\x99s total "
    "child support obligation are computed using only the obligor\xE2\x80\x99s income. In these cases, childcare and "
    "health insurance premiums should not be used to calculate the child support obligation. However, payment of "
    "these costs or other extraordinary expenses by either parent may be a basis for deviation. This approach "
    "prevents disproportionate increases in the child support obligation with moderate increases in income and "
    "protects the integrity of the self-support reserve. In all other cases, the basic child support obligation is "
    "computed using the combinedadjusted gross incomes of both parents.");

using Captions = std::map<QString, QString>;

// Captions as the worksheet shows them: amounts end in one blank.
Captions NamedParties() { return {{"lblName1Name", "Jane Roe "}, {"lblName2Name", " John Doe"}}; }

Captions With(Captions captions, const Captions& more) {
    for (const auto& [label, text] : more) captions[label] = text;
    return captions;
}

// A full calculation with expenses on both sides; the defendant pays.
Captions FullCase() {
    return With(NamedParties(), {{"lblPInc", "3,000.00 "},  {"lblPPre", "0.00 "},    {"lblPResp", "0.00 "},
                                 {"lblP2", "3,000.00 "},    {"lblDInc", "4,500.00 "}, {"lblDPre", "200.00 "},
                                 {"lblDResp", "0.00 "},     {"lblD2", "4,300.00 "},  {"lblC2", "7,300.00 "},
                                 {"lblP3", "41.10 "},       {"lblD3", "58.90 "},     {"lblC4", "1,500.00 "},
                                 {"lblPAdja", "100.00 "},   {"lblPAdjb", "0.00 "},   {"lblPAdjc", "0.00 "},
                                 {"lblP5d", "100.00 "},     {"lblDAdja", "0.00 "},   {"lblDAdjb", "50.00 "},
                                 {"lblDAdjc", "25.00 "},    {"lblD5d", "75.00 "},    {"lblC5d", "175.00 "},
                                 {"lblC6", "1,675.00 "},    {"lblP7", "688.43 "},    {"lblD7", "986.58 "},
                                 {"lblD8", "75.00 "},       {"lblD9", "911.58 "}});
}

class ExplanationATest : public ::testing::Test {
protected:
    void SetUp() override {
        state = ProgramState{};
        state.Obligor = "D";
        state.MinimumOrder = "N";
        state.ShadedAreaFlag = "N";
    }
    void TearDown() override { state = ProgramState{}; }

    static QString Explain(const Captions& captions, const QDate& today = kToday) {
        return ExplanationTextA(
            [&captions](const QString& label) {
                const auto found = captions.find(label);
                return found == captions.end() ? QString() : found->second;
            },
            state, today);
    }
    static QStringList Paragraphs(const Captions& captions) { return Explain(captions).split(kBreak); }
};

TEST_F(ExplanationATest, EmptyCaseTellsWhatIsMissingAndEndsWithTheMinimumOrder) {
    state.MinimumOrder = "Y";
    const QString expected =
        "This is a Sole Custody Child Support Calculation (Worksheet A) performed on 03/15/2024, where the Plaintiff "
        "has custody of the children and the Defendant is the Obligor." +
        kBreak + "Neither the Plaintiff or the Defendant in this case has not yet been identified." + kBreak +
        "No children have been identified in this case." + kBreak +
        "A monthly income amount has not yet been entered for the Plaintiff." + kBreak +
        "A monthly income amount has not yet been entered for the Defendant." + kBreak +
        "Since the Defendant's adjusted monthly income (line 2) is below $1,108, the self-support reserve must be "
        "taken into consideration." +
        kReserve + kBreak +
        "Based on the values shown above, the recommended child support order (line 9) for Defendant is $50.00 per "
        "month.";

    EXPECT_EQ(Explain({{"lblD9", "50.00 "}}), expected);
}

TEST_F(ExplanationATest, PlaintiffObligorIsNamedInTheOpeningSentence) {
    state.Obligor = "P";
    EXPECT_EQ(Paragraphs({})[0],
              "This is a Sole Custody Child Support Calculation (Worksheet A) performed on 03/15/2024, where the "
              "Defendant has custody of the children and the Plaintiff is the Obligor.");
}

TEST_F(ExplanationATest, CombinedIncomeParagraphOnlyForAPositiveCombinedIncome) {
    const Captions positive = FullCase();
    EXPECT_EQ(Paragraphs(positive)[5],
              "When added together, their combined monthly gross income is $7,300.00. Jane Roe's share of this "
              "amount is 41.10%, while John Doe's share is 58.90%.");

    for (const char* combined : {"0.00 ", "", "-250.00 "}) {
        const QStringList paragraphs = Paragraphs(With(positive, {{"lblC2", combined}}));
        ASSERT_EQ(paragraphs.size(), 9) << combined;
        EXPECT_TRUE(paragraphs[5].startsWith("The BASIC child support obligation")) << combined;
    }
}

TEST_F(ExplanationATest, MinimumOrderForThePlaintiffEndsAfterTheRecommendedOrder) {
    state.Obligor = "P";
    state.MinimumOrder = "Y";
    state.ShadedAreaFlag = "Y";  // the minimum order wins
    const QString text = Explain(With(FullCase(), {{"lblP9", "50.00 "}}));

    EXPECT_TRUE(text.endsWith(
        "Since the Plaintiff's adjusted monthly income (line 2) is below $1,108, the self-support reserve must be taken "
        "into consideration." +
        kReserve + kBreak +
        "Based on the values shown above, the recommended child support order (line 9) for Jane Roe is $50.00 per "
        "month."))
        << text.toStdString();
    EXPECT_FALSE(text.contains("BASIC"));
    EXPECT_FALSE(text.contains("Shaded"));
}

TEST_F(ExplanationATest, ShadedAreaEndingHasNoDollarSignForTheDefendantOnly) {
    state.ShadedAreaFlag = "Y";
    const QString defendant = Explain(FullCase());
    EXPECT_TRUE(defendant.endsWith(kBreak + kShadedGuidelines + kBreak +
                                   "Since the Defendant is the Obligor, and his/her income falls into the Shaded Area "
                                   "of the chart, then the Recommended Child Support (Line 9) is 911.58 per month."))
        << defendant.toStdString();
    EXPECT_FALSE(defendant.contains("BASIC"));
    EXPECT_FALSE(defendant.contains("claiming"));

    state.Obligor = "P";
    const QString plaintiff = Explain(With(FullCase(), {{"lblP9", "1,200.00 "}}));
    EXPECT_TRUE(plaintiff.endsWith(kShadedGuidelines + kBreak +
                                   "Since the Plaintiff is the Obligor, and his/her income falls into the Shaded Area "
                                   "of the chart, then the Recommended Child Support (Line 9) is $1,200.00 per month."))
        << plaintiff.toStdString();
}

TEST_F(ExplanationATest, FullCalculationWithExpensesOnBothSides) {
    const QStringList paragraphs = Paragraphs(FullCase());
    ASSERT_EQ(paragraphs.size(), 10);
    EXPECT_EQ(paragraphs[6],
              "The BASIC child support obligation is determined using the NC Schedule of Basic Support Obligations. "
              "For combined monthly adjusted gross income amounts falling between amounts shown in the schedule, the "
              "BASIC child support obligation should be interpolated. Based on the combined adjusted gross income "
              "amount of $7,300.00, the BASIC child support obligation amount is $1,500.00.");
    EXPECT_EQ(paragraphs[7],
              "Included in this calculation for child support are expenses paid directly by each parent. Jane Roe is "
              "claiming expenses in the amount of $100.00 for Work Related Child Care, $0.00 for Health Insurance, and "
              "$0.00 for extraordinary expenses, totaling $100.00. John Doe is claiming expenses in the amount of "
              "$0.00 for Work Related Child Care, $50.00 for Health Insurance, and $25.00 for extraordinary expenses. "
              "totaling $75.00. ");
    EXPECT_EQ(paragraphs[8],
              "Each parents share of the TOTAL child support obligation is based on their contribution to the combined "
              "adjusted monthly income. As previously mentioned, Jane Roe's income represents 41.10% of the combined "
              "adjusted monthly income, while John Doe's income represents the remaining 58.90%. After applying these "
              "percentages to the TOTAL child support obligation of $1,675.00, Jane Roe is reponsible for $688.43 per "
              "month, and John Doe is responsibile for $986.58 per month.The combined expenses for both parties is "
              "$175.00. This amount is added to the BASIC child support obligation of $1,500.00, resulting in the "
              "TOTAL child support obligation amount of $1,675.00. ");
    EXPECT_EQ(paragraphs[9],
              "Based on the Plaintiff being the custodial parent, the Defendant is entitled to receive credit for the "
              "expense adjustments paid out of pocket on behalf of the children. As previously mentioned, John Doe is "
              "claiming expenses in the amount of $0.00 for Work Related Child Care, $50.00 for Health Insurance, and "
              "$25.00 for extraordinary expenses, totaling $75.00. This credit amount reduces the Defendant's child "
              "support obligation, resulting in a recommended child support order for John Doe in the amount of "
              "$911.58 per month.");
}

TEST_F(ExplanationATest, FullCalculationWithoutExpensesForThePlaintiffObligor) {
    state.Obligor = "P";
    const Captions none = With(FullCase(), {{"lblP5d", "0.00 "}, {"lblD5d", ""}, {"lblC4", "1,675.00 "},
                                            {"lblP9", "688.43 "}});
    const QStringList paragraphs = Paragraphs(none);
    ASSERT_EQ(paragraphs.size(), 10);
    EXPECT_EQ(paragraphs[7],
              "Included in this calculation for child support are expenses paid directly by each parent. Jane Roe is "
              "not claiming any expenses for work related child care, health insurance, or extraordinary expenses. "
              "John Doe is not claiming any expenses for work related child care, health insurance, or extraordinary "
              "expenses. ");
    EXPECT_TRUE(paragraphs[8].endsWith(
        "John Doe is responsibile for $986.58 per month.Since neither parent claimed any additional expenses, the "
        "TOTAL child support obligation will be $1,675.00. "));
    EXPECT_EQ(paragraphs[9],
              "Based on the Defendant being the custodial parent, the Plaintiff is entitled to receive credit for the "
              "expense adjustments paid out of pocket on behalf of the children. As previously mentioned, Jane Roe is "
              "not claiming any expenses for work related child care, health insurance, or extraordinary expenses. "
              "Therefore, the recommended child support order for Jane Roe is $688.43 per month.");
}

// Expenses on one side only: the combined-expenses sentence is told, and each credit paragraph
// follows its own obligor's line 5d.
TEST_F(ExplanationATest, FullCalculationWithExpensesOnOneSideOnly) {
    const Captions plaintiffOnly = With(FullCase(), {{"lblD5d", "0.00 "}, {"lblC5d", "100.00 "}});
    const QStringList defendantPays = Paragraphs(plaintiffOnly);
    EXPECT_TRUE(defendantPays[7].endsWith(
        "John Doe is not claiming any expenses for work related child care, health insurance, or extraordinary "
        "expenses. "));
    EXPECT_TRUE(defendantPays[8].contains("The combined expenses for both parties is $100.00. "));
    EXPECT_TRUE(defendantPays[9].endsWith(
        "John Doe is not claiming any expenses for work related child care, health insurance, or extraordinary "
        "expenses. Therefore, the recommended child support order for John Doe is $911.58 per month."));

    state.Obligor = "P";
    const QStringList plaintiffPays = Paragraphs(With(plaintiffOnly, {{"lblP9", "588.43 "}}));
    EXPECT_EQ(plaintiffPays[9],
              "Based on the Defendant being the custodial parent, the Plaintiff is entitled to receive credit for the "
              "expense adjustments paid out of pocket on behalf of the children. As previously mentioned, Jane Roe is "
              "claiming expenses in the amount of $100.00 for Work Related Child Care, $0.00 for Health Insurance, "
              "and $0.00 for extraordinary expenses, totaling $100.00. This credit amount reduces the Plaintiff's "
              "child support obligation, resulting in a recommended child support order for Jane Roe in the amount of "
              "$588.43 per month.");
}

TEST_F(ExplanationATest, OverrideIsToldAsTheBasicObligation) {
    const QString text = Explain(With(FullCase(), {{"lblC4", "600.00 "}}));
    EXPECT_TRUE(text.contains("the BASIC child support obligation amount is $600.00."));
    EXPECT_FALSE(text.contains("verride"));
    EXPECT_FALSE(text.contains("OVERRIDE"));
}

// Hidden zeros give nothing after "$", except the three expense amounts, which read "0.00".
TEST_F(ExplanationATest, HiddenZerosFallBackToZeroOnlyInTheExpensePieces) {
    const Captions hidden = With(FullCase(), {{"lblPAdjb", ""}, {"lblPAdjc", ""}, {"lblDAdja", ""},
                                              {"lblDAdjc", "-3.00 "}, {"lblP7", ""}, {"lblD9", ""}});
    const QStringList paragraphs = Paragraphs(hidden);
    EXPECT_TRUE(paragraphs[7].contains(
        "$100.00 for Work Related Child Care, $0.00 for Health Insurance, and $0.00 for extraordinary expenses, "));
    EXPECT_TRUE(paragraphs[7].contains(
        "$0.00 for Work Related Child Care, $50.00 for Health Insurance, and $0.00 for extraordinary expenses. "));
    EXPECT_TRUE(paragraphs[8].contains("Jane Roe is reponsible for $ per month,"));
    EXPECT_TRUE(paragraphs[9].endsWith("in the amount of $ per month."));
}

// With no line 4 from the schedule the text ends with the reason instead of an order with no amount.
TEST_F(ExplanationATest, GapInTheScheduleEndsTheTextWithItsReason) {
    const Captions beyond = With(FullCase(), {{"lblC2", "45,000.00 "}, {"lblC4", "0.00 "}, {"lblD9", ""}});
    for (const auto& [coverage, reason] : {std::pair{ScheduleCoverage::NotCovered, "does not reach a combined adjusted "
                                                                                 "gross income of $45,000.00:"},
                                           std::pair{ScheduleCoverage::Unreadable, "the schedule cannot be read"}}) {
        state.Line4Coverage = coverage;
        const QStringList paragraphs = Paragraphs(beyond);
        EXPECT_EQ(paragraphs.size(), 7);  // opening, parties, children, two incomes, combined income, reason
        EXPECT_TRUE(paragraphs.last().contains(reason)) << paragraphs.last().toStdString();
        EXPECT_FALSE(Explain(beyond).contains("$ per month"));
    }
}

TEST_F(ExplanationATest, TextHasParagraphBreaksOnlyAndNoFinalLineBreak) {
    const QString text = Explain(FullCase());
    EXPECT_FALSE(text.endsWith("\n"));
    EXPECT_FALSE(text.contains("\r\n\r\n\r\n"));
    EXPECT_EQ(text.count("\r\n"), 2 * 9);
    EXPECT_EQ(text.count('\n'), text.count("\r\n"));
}

}  // namespace
}  // namespace qvr
