#include "dialogs/windows/get_resp.h"

#include "core/program_state.h"
#include "core/values.h"
#include "support/dialog_driver.h"
#include "support/temp_drive.h"

namespace qvr::test {
namespace {

const QString kInstruction =
    "To calculate a credit for being financially responsible for other children outside of this support "
    "action, you must first enter the number of children in the space above.";

class GetRespTest : public TempDriveTest {
protected:
    void SetUp() override {
        TempDriveTest::SetUp();
        state.ScheduleDatabasePath = "C:\\QVRForms\\TABLE24.MDB";
        state.DialogParty = "Plaintiff";
        state.DialogValue = "0";
        state.DialogValue2 = "0";
    }
};

struct CreditCase {
    const char* income;
    const char* count;
    const char* creditShown;
    const char* countBack;
    const char* creditBack;
};

class GetRespCreditTest : public GetRespTest, public ::testing::WithParamInterface<CreditCase> {};

TEST_P(GetRespCreditTest, ShowsAndHandsBackTheScheduleCredit) {
    const CreditCase& c = GetParam();
    state.DialogIncome = c.income;
    QString shown;
    Open<GetResp>([&](QWidget* dialog) {
        Type(dialog, "Text1", c.count);
        Leave(dialog);
        shown = TextOf(dialog, "Text2");
        Click(dialog, "Command1");
    });
    EXPECT_EQ(shown, c.creditShown);
    EXPECT_EQ(state.DialogValue, c.countBack);
    EXPECT_EQ(state.DialogValue2, c.creditBack);
}

INSTANTIATE_TEST_SUITE_P(
    Schedule, GetRespCreditTest,
    ::testing::Values(CreditCase{"2025", "1", "397.50", "1", "397.5"},     // inside a band, interpolated
                      CreditCase{"2025", "2", "539.00", "2", "539"},
                      CreditCase{"2050", "2", "556.00", "2", "556"},       // a row's own income: that row
                      CreditCase{"2000", "8", "545.00", "8", "545"},       // more than six: the sixth column
                      CreditCase{"0", "1", "50.00", "1", "50"},            // income 0 matches the first row
                      CreditCase{"40000", "1", "0.00", "1", "0"},          // the last row: no credit
                      CreditCase{"-10", "1", "0.00", "1", "0"},            // below the first row: no credit
                      CreditCase{"2025", "2.6", "545.00", "3", "545"},     // left: rounded to whole children
                      CreditCase{"2025", "x", "0.00", "0", "0"},           // left: not a number becomes 0.00
                      CreditCase{"2025", "-2", "0.00", "0", "0"}));        // negative: nothing goes back

TEST_F(GetRespTest, SentenceNamesOneChildInTheSingular) {
    state.DialogIncome = "2025";
    QString sentence;
    Open<GetResp>([&](QWidget* dialog) {
        Type(dialog, "Text1", "1");
        Leave(dialog);
        sentence = TextOf(dialog, "Label6");
        CloseBox(dialog);
    });
    EXPECT_EQ(sentence,
              "Line 1 of the Worksheet states that the Plaintiff's Gross Income is $2,025.00 per month. According to "
              "the Schedule of Basic Child Support Obligation, the support amount to be credited to the Plaintiff "
              "for 1 child is $397.50 per month.  You may override this amount by entering it into the space below.");
}

TEST_F(GetRespTest, SentenceNamesSeveralChildrenInThePluralWithTheCountAsTyped) {
    state.DialogParty = "Defendant";
    state.DialogIncome = "12345.5";
    state.DialogValue = "3";
    QString sentence;
    QString caption;
    Open<GetResp>([&](QWidget* dialog) {
        caption = dialog->windowTitle();
        Type(dialog, "Text1", "-2");
        Leave(dialog);
        sentence = TextOf(dialog, "Label6");
        CloseBox(dialog);
    });
    EXPECT_EQ(caption, "Defendant's Responsibility for Other Children");
    EXPECT_TRUE(sentence.startsWith("Line 1 of the Worksheet states that the Defendant's Gross Income is $12,345.50 "
                                    "per month."))
        << sentence.toStdString();
    EXPECT_TRUE(sentence.contains(" credited to the Defendant for -2 children is $0.00 per month.  You may"))
        << sentence.toStdString();
    EXPECT_EQ(state.DialogValue, "0");
    EXPECT_EQ(state.DialogValue2, "0");
}

TEST_F(GetRespTest, NoChildrenShowsTheInstructionAndHandsBackZeros) {
    state.DialogIncome = "2025";
    for (const auto& [opening, countShown] : {std::pair{"0", ""}, {"2", "0.00"}}) {
        state.DialogValue = opening;
        QString shown;
        QString sentence;
        Open<GetResp>([&](QWidget* dialog) {
            if (QString(opening) != "0") {
                Type(dialog, "Text1", "");
                Leave(dialog);
            }
            shown = TextOf(dialog, "Text1");
            sentence = TextOf(dialog, "Label6");
            Click(dialog, "Command1");
        });
        EXPECT_EQ(shown, countShown) << opening;
        EXPECT_EQ(sentence, kInstruction);
        EXPECT_EQ(state.DialogValue, "0");
        EXPECT_EQ(state.DialogValue2, "0");
    }
}

TEST_F(GetRespTest, OpeningWithATextThatIsNoNumberShowsZero) {
    state.DialogIncome = "2025";
    state.DialogValue = "abc";
    QString countShown;
    Open<GetResp>([&](QWidget* dialog) {
        countShown = TextOf(dialog, "Text1");
        CloseBox(dialog);
    });
    EXPECT_EQ(countShown, "0");
    EXPECT_EQ(state.DialogValue, "0");
}

TEST_F(GetRespTest, AnAmountTypedIntoTheCreditBoxIsOverwrittenOnLeavingAndClosing) {
    state.DialogIncome = "2025";
    state.DialogValue = "2";
    QString afterLeaving;
    Open<GetResp>([&](QWidget* dialog) {
        Type(dialog, "Text2", "350");
        Leave(dialog);
        afterLeaving = TextOf(dialog, "Text2");
        Type(dialog, "Text2", "1,234");
        CloseBox(dialog);
    });
    EXPECT_EQ(afterLeaving, "539.00");
    EXPECT_EQ(state.DialogValue, "2");
    EXPECT_EQ(state.DialogValue2, "539");
}

TEST_F(GetRespTest, ACountTypedAndClosedWithoutLeavingTheBoxCounts) {
    state.DialogIncome = "3025";
    Open<GetResp>([&](QWidget* dialog) {
        Type(dialog, "Text1", "3");
        CloseBox(dialog);
    });
    EXPECT_EQ(state.DialogValue, "3");
    EXPECT_EQ(state.DialogValue2, "1051");  // 1043 + 25 × 16 / 50
}

TEST_F(GetRespTest, GuidelineQuotesWithTypographicApostrophes) {
    state.DialogIncome = "0";
    QString guideline;
    Open<GetResp>([&](QWidget* dialog) {
        guideline = TextOf(dialog, "Label3");
        CloseBox(dialog);
    });
    EXPECT_TRUE(guideline.startsWith("According to the 2019 Guidelines, \"A parent\u2019s financial responsibility"));
    EXPECT_TRUE(guideline.endsWith("based on the parent\u2019s income.\""));
}

}  // namespace
}  // namespace qvr::test

namespace qvr::test {
namespace {

TEST_F(GetRespTest, AnyCountOrIncomeHandsBackNumbers) {
    for (const QString income : {"1e308", "-1e308", "abc", ""}) {
        for (const QString typed : {"1e308", "99999999999", "٣", "'\"", "7 kids"}) {
            state.DialogIncome = income;
            Open<GetResp>([&](QWidget* dialog) {
                Type(dialog, "Text1", typed);
                Leave(dialog);
                CloseBox(dialog);
            });
            EXPECT_TRUE(IsNumeric(state.DialogValue)) << typed.toStdString();
            EXPECT_TRUE(IsNumeric(state.DialogValue2)) << typed.toStdString();
        }
    }
}

}  // namespace
}  // namespace qvr::test
