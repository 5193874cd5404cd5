// The sentences every worksheet's explanation tells alike: parties, children, incomes.

#include "worksheet/explanation_sentences.h"

#include "support/print_qstring.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <map>

namespace qvr {
namespace {

const QDate kToday(2024, 3, 15);

using Captions = std::map<QString, QString>;

Captions NamedParties() { return {{"lblName1Name", "Jane Roe "}, {"lblName2Name", " John Doe"}}; }

Captions With(Captions captions, const Captions& more) {
    for (const auto& [label, text] : more) captions[label] = text;
    return captions;
}

class ExplanationSentencesTest : public ::testing::Test {
protected:
    // The paragraphs of the parties, the children and the two incomes, in this order.
    QStringList Paragraphs(const Captions& captions, const QDate& today = kToday) const {
        const auto caption = [&captions](const QString& label) {
            const auto found = captions.find(label);
            return found == captions.end() ? QString() : found->second;
        };
        return PartiesChildrenAndIncomes(caption, result, today).split(kParagraphBreak);
    }

    CalculationVariables result;
};

struct PartiesCase {
    const char* plaintiff;
    const char* defendant;
    const char* sentence;
};

class PartiesSentence : public ExplanationSentencesTest, public ::testing::WithParamInterface<PartiesCase> {};

TEST_P(PartiesSentence, NamesWhoIsIdentified) {
    const PartiesCase& c = GetParam();
    EXPECT_EQ(Paragraphs({{"lblName1Name", c.plaintiff}, {"lblName2Name", c.defendant}})[0], c.sentence);
}

INSTANTIATE_TEST_SUITE_P(
    AllFour, PartiesSentence,
    ::testing::Values(
        PartiesCase{"", "  ", "Neither the Plaintiff or the Defendant in this case has not yet been identified."},
        PartiesCase{"", " O'Brien ", "The Defendant in this case is O'Brien, but the Plaintiff has not yet been identified."},
        PartiesCase{"Müller", "", "The Plaintiff in this case is Müller, but the Defendant has not yet been identified."},
        PartiesCase{"Jane Roe", "John \"Jack\" Doe",
                    "The Parties in this case are Jane Roe, who is the Plaintiff, and John \"Jack\" Doe, who is the "
                    "Defendant."}));

TEST_F(ExplanationSentencesTest, ChildrenSkipEmptyRowsButTheFirstAndGiveAgesWhereTheDateReads) {
    result.NumChildren = 3;
    const Captions captions{{"lblChild2Name", " Bo "},  {"lblChild2DOB", "03/15/2014"},
                            {"lblChild4Name", "Cy"},    {"lblChild4DOB", "not a date"},
                            {"lblChild5Name", "  "},    {"lblChild5DOB", "01/01/2020"},
                            {"lblChild6Name", "Di"},    {"lblChild6DOB", ""}};

    EXPECT_EQ(Paragraphs(captions)[1],
              "Together, they have 3 children who are involved in this calculation for child-support (, Bo - age 10, "
              "Cy, Di). ");
}

TEST_F(ExplanationSentencesTest, OneChildIsTold_InTheSingular) {
    result.NumChildren = 1;
    EXPECT_EQ(Paragraphs({{"lblChild1Name", "Ann"}, {"lblChild1DOB", "12/31/2023"}})[1],
              "Together, they have 1 child who is involved in this calculation for child-support (Ann - age 0). ");
}

struct AgeCase {
    const char* dateOfBirth;
    QDate today;
    const char* childText;
};

class ChildAge : public ExplanationSentencesTest, public ::testing::WithParamInterface<AgeCase> {};

// The age is counted in completed years: a birthday later in the year is not yet reached.
TEST_P(ChildAge, IsTheCompletedYearsOnToday) {
    result.NumChildren = 1;
    const Captions captions{{"lblChild1Name", "Ann"}, {"lblChild1DOB", GetParam().dateOfBirth}};
    const QString expected = QString("Together, they have 1 child who is involved in this calculation for "
                                     "child-support (%1). ")
                                 .arg(GetParam().childText);
    EXPECT_EQ(Paragraphs(captions, GetParam().today)[1], expected);
}

INSTANTIATE_TEST_SUITE_P(
    BirthdaysAroundToday, ChildAge,
    ::testing::Values(AgeCase{"12/31/2023", QDate(2024, 1, 1), "Ann - age 0"},
                      AgeCase{"12/31/2023", QDate(2024, 12, 30), "Ann - age 0"},
                      AgeCase{"12/31/2023", QDate(2024, 12, 31), "Ann - age 1"},
                      AgeCase{"03/16/2014", QDate(2024, 3, 15), "Ann - age 9"},
                      AgeCase{"03/15/2014", QDate(2024, 3, 15), "Ann - age 10"},
                      AgeCase{"02/14/2014", QDate(2024, 3, 15), "Ann - age 10"},
                      AgeCase{"02/29/2020", QDate(2023, 2, 28), "Ann - age 2"},
                      AgeCase{"02/29/2020", QDate(2023, 3, 1), "Ann - age 3"},
                      AgeCase{"03/15/2024", QDate(2024, 3, 15), "Ann - age 0"},
                      AgeCase{"07/01/2030", QDate(2024, 3, 15), "Ann"},
                      AgeCase{"MM/DD/YYYY", QDate(2024, 3, 15), "Ann"}));

struct IncomeCase {
    const char* name;
    const char* income;
    const char* preexisting;
    const char* responsibility;
    double otherChildren;
    const char* plaintiffParagraph;
};

class PlaintiffIncome : public ExplanationSentencesTest, public ::testing::WithParamInterface<IncomeCase> {};

TEST_P(PlaintiffIncome, TellsTheAdjustmentsThatApply) {
    const IncomeCase& c = GetParam();
    result.POC = c.otherChildren;
    const Captions captions = With(NamedParties(), {{"lblPInc", c.income},
                                                    {"lblPPre", c.preexisting},
                                                    {"lblPResp", c.responsibility},
                                                    {"lblP2", "2,500.00 "}});
    EXPECT_EQ(Paragraphs(captions)[2], c.plaintiffParagraph);
}

INSTANTIATE_TEST_SUITE_P(
    EveryCombination, PlaintiffIncome,
    ::testing::Values(
        IncomeCase{"NotEntered", "0.00 ", "100.00 ", "", 0,
                   "A monthly income amount has not yet been entered for the Plaintiff."},
        IncomeCase{"HiddenZeroIsNotEntered", "", "", "", 0,
                   "A monthly income amount has not yet been entered for the Plaintiff."},
        IncomeCase{"NoAdjustments", "3,000.00 ", "", "0.00 ", 0,
                   "Jane Roe's monthly gross income is $3,000.00, and has no income adjustments. "},
        IncomeCase{"PreexistingOnly", "3,000.00 ", "500.00 ", "0.00 ", 0,
                   "Jane Roe's monthly gross income is $3,000.00, and receives a credit for a preexisting child "
                   "support payment of $500.00, resulting in an adjusted gross income of $2,500.00 per month. "},
        IncomeCase{"OneOtherChild", "3,000.00 ", "0.00 ", "500.00 ", 1,
                   "Jane Roe's monthly gross income is $3,000.00, and receives a credit for being responsible for 1 "
                   "other child outside of this support action in the amount of $500.00, resulting in an adjusted "
                   "gross income of $2,500.00 per month. "},
        IncomeCase{"NoCountButACredit", "3,000.00 ", "0.00 ", "500.00 ", 0,
                   "Jane Roe's monthly gross income is $3,000.00, and receives a credit for being responsible for 0 "
                   "other child outside of this support action in the amount of $500.00, resulting in an adjusted "
                   "gross income of $2,500.00 per month. "},
        IncomeCase{"Both", "3,000.00 ", "200.00 ", "1,300.00 ", 3,
                   "Jane Roe's monthly gross income is $3,000.00, and receives both a credit for a preexisting child "
                   "support payment of $200.00 and a credit for being responsible for 3 other children outside of "
                   "this support action in the amount of $1,300.00, resulting in an adjusted gross income of "
                   "$2,500.00 per month. "},
        IncomeCase{"NegativePreexisting", "3,000.00 ", "-10.00 ", "0.00 ", 0,
                   "Jane Roe's monthly gross income is $3,000.00, "},
        IncomeCase{"NegativeResponsibility", "3,000.00 ", "200.00 ", "-5.00 ", 2,
                   "Jane Roe's monthly gross income is $3,000.00, "},
        IncomeCase{"NegativeIncomeIsEntered", "-1.00 ", "", "", 0,
                   "Jane Roe's monthly gross income is $-1.00, and has no income adjustments. "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ExplanationSentencesTest, DefendantPaysAPreexistingPaymentAndUsesItsOwnLines) {
    result.DOC = 2;
    const Captions preexisting = With(NamedParties(), {{"lblDInc", "4,500.00 "},
                                                       {"lblDPre", "200.00 "},
                                                       {"lblD2", "4,300.00 "},
                                                       {"lblPPre", "999.00 "},
                                                       {"lblP2", "1.00 "}});
    EXPECT_EQ(Paragraphs(preexisting)[3],
              "John Doe's monthly gross income is $4,500.00, and pays a preexisting child support payment of $200.00, "
              "resulting in an adjusted gross income of $4,300.00 per month. ");

    const Captions others = With(preexisting, {{"lblDPre", "0.00 "}, {"lblDResp", "700.00 "}});
    EXPECT_EQ(Paragraphs(others)[3],
              "John Doe's monthly gross income is $4,500.00, and receives a credit for being responsible for 2 other "
              "children outside of this support action in the amount of $700.00, resulting in an adjusted gross "
              "income of $4,300.00 per month. ");
    EXPECT_EQ(Paragraphs(With(NamedParties(), {{"lblDInc", ""}}))[3],
              "A monthly income amount has not yet been entered for the Defendant.");
}

// Shared and split custody tell the lines after their adjustments line alike; a figure hidden as
// a zero is told as 0.00.
TEST(AdjustedOrderFigures, AreReadFromTheLinesAfterTheAdjustmentsLine) {
    const Captions shown{{"lblDAdja", "100.00 "}, {"lblD7d", "100.00 "}, {"lblD8", "64.29 "},
                         {"lblD9", ""},          {"lblD10", "-5.50 "}, {"lblD11", "12.00 "}};
    const AdjustedOrderFigures d = ReadAdjustedOrderFigures(
        [&shown](const QString& label) { return shown.count(label) ? shown.at(label) : QString(); }, 'D', 7);
    EXPECT_EQ(QStringList({d.expenses.childCare, d.expenses.insurance, d.expenses.total, d.fairShare, d.excess,
                           d.obligation, d.order}),
              QStringList({"100.00", "0.00", "100.00", "64.29", "0.00", "-5.50", "12.00"}));
}

}  // namespace
}  // namespace qvr
