#include "schedule/schedule_text.h"

#include <gtest/gtest.h>

#include "schedule_fixture.h"

namespace qvr::test {
namespace {

QString Text(int income, const QString& amount = "50") {
    return FixedColumnLine(Line(QString::number(income), amount));
}

// Line 1 with one field's eight columns replaced.
QString WithField(int field, const QString& columns) { return Text(0).replace(field * 8, 8, columns); }

struct Accepted {
    const char* name;
    QString text;
    std::vector<ScheduleLine> lines;
};

class AcceptedText : public ::testing::TestWithParam<Accepted> {};

TEST_P(AcceptedText, GivesTheLinesAsStoredText) {
    const ParsedScheduleText parsed = ParseScheduleText(GetParam().text);
    ASSERT_FALSE(parsed.problem) << parsed.problem->Message().toStdString();
    EXPECT_EQ(parsed.lines, GetParam().lines);
}

ScheduleLine Amounts(const QString& income, std::array<QString, 6> amounts) { return {income, amounts}; }

INSTANTIATE_TEST_SUITE_P(
    ScheduleText, AcceptedText,
    ::testing::Values(
        Accepted{"TwoLines", Text(0) + "\n" + Text(50), {Line("0", "50"), Line("50", "50")}},
        Accepted{"EachFieldInItsColumns",
                 "    1000       1      22     333    4444   55555  666666" + QString("\n") +
                     "    1050 9999999       0       7       8       9      10",
                 {Amounts("1000", {"1", "22", "333", "4444", "55555", "666666"}),
                  Amounts("1050", {"9999999", "0", "7", "8", "9", "10"})}},
        Accepted{"WindowsLineEnds", Text(0) + "\r\n" + Text(50) + "\r\n", {Line("0", "50"), Line("50", "50")}},
        Accepted{"BlankLinesSkipped",
                 "\n   \n" + Text(100) + "\n\t\n\n" + Text(150) + "\n \n",
                 {Line("100", "50"), Line("150", "50")}},
        Accepted{"BlanksAfterTheLastColumn", Text(0) + "      \n" + Text(50), {Line("0", "50"), Line("50", "50")}},
        Accepted{"LeadingZerosDropped",
                 WithField(0, "     000").replace(8, 8, "    0042") + "\n" + Text(50),
                 {Amounts("0", {"42", "50", "50", "50", "50", "50"}), Line("50", "50")}}),
    [](const auto& info) { return info.param.name; });

struct Refused {
    const char* name;
    QString text;
    int line;
    QString reason;
};

class RefusedText : public ::testing::TestWithParam<Refused> {};

TEST_P(RefusedText, NamesTheFirstBadLineAndGivesNoLines) {
    const ParsedScheduleText parsed = ParseScheduleText(GetParam().text);
    ASSERT_TRUE(parsed.problem);
    EXPECT_EQ(parsed.problem->line, GetParam().line);
    EXPECT_EQ(parsed.problem->reason, GetParam().reason);
    EXPECT_TRUE(parsed.lines.empty());
}

const QString kTooShort = "it is too short: the income and the six amounts need columns 1-56.";
QString NotDollars(const QString& column, const QString& columns) {
    return column + " in columns " + columns +
           " is not whole dollars (up to 7 digits) set to the right of its columns.";
}

INSTANTIATE_TEST_SUITE_P(
    ScheduleText, RefusedText,
    ::testing::Values(
        Refused{"Empty", "", 0, "There are no schedule lines in the text."},
        Refused{"OnlyBlankLines", "\n   \r\n\t\n", 0, "There are no schedule lines in the text."},
        Refused{"OneLine", "\n" + Text(0) + "\n", 0,
                "The text holds one schedule line; the schedule needs at least two."},
        Refused{"ShortLine", Text(0) + "\n" + Text(50).left(55), 2, kTooShort},
        Refused{"FiveAmounts", Text(0).left(48), 1, kTooShort},
        Refused{"LettersInAnAmount", WithField(3, "     5a0"), 1, NotDollars("Child3", "25-32")},
        Refused{"LettersInTheIncome", WithField(0, "     abc"), 1, NotDollars("Income", "1-8")},
        Refused{"EmptyField", WithField(6, "        "), 1, NotDollars("Child6", "49-56")},
        Refused{"Cents", WithField(1, "   50.00"), 1, NotDollars("Child1", "9-16")},
        Refused{"ThousandsSeparator", WithField(0, "   1,500"), 1, NotDollars("Income", "1-8")},
        Refused{"Negative", WithField(2, "     -50"), 1, NotDollars("Child2", "17-24")},
        Refused{"Plus", WithField(2, "     +50"), 1, NotDollars("Child2", "17-24")},
        Refused{"LeftAligned", WithField(4, "50      "), 1, NotDollars("Child4", "33-40")},
        Refused{"TabInAField", WithField(5, "\t     50"), 1, NotDollars("Child5", "41-48")},
        Refused{"HugeIncome", WithField(0, "99999999"), 1, NotDollars("Income", "1-8")},
        Refused{"HugeNumberAcrossFields", "0" + QString("9").repeated(60), 1, NotDollars("Income", "1-8")},
        Refused{"ShiftedOneColumnRight", " " + Text(0), 1, NotDollars("Income", "1-8")},
        Refused{"ShiftedOneColumnLeft", Text(0).mid(1) + " ", 1, NotDollars("Income", "1-8")},
        Refused{"ArabicIndicDigits", WithField(1, QString("      ") + QChar(0x0665) + QChar(0x0660)), 1,
                NotDollars("Child1", "9-16")},
        Refused{"FullwidthDigits", WithField(1, QString("      ") + QChar(0xFF15) + QChar(0xFF10)), 1,
                NotDollars("Child1", "9-16")},
        Refused{"NoBreakSpace", WithField(1, QString(QChar(0x00A0)) + "     50"), 1, NotDollars("Child1", "9-16")},
        Refused{"AccentedLetter", WithField(6, QString("     5") + QChar(0x00E9) + "0"), 1,
                NotDollars("Child6", "49-56")},
        Refused{"TextAfterTheLastColumn", Text(0) + "  x", 1, "there is more text after column 56."},
        Refused{"IncomeRepeated", Text(0) + "\n" + Text(0), 2,
                "the income must be 50, 50 more than the income on line 1."},
        Refused{"IncomeFalls", Text(100) + "\n" + Text(50), 2,
                "the income must be 150, 50 more than the income on line 1."},
        Refused{"GapInTheIncomes", Text(0) + "\n" + Text(50) + "\n" + Text(150), 3,
                "the income must be 100, 50 more than the income on line 2."},
        Refused{"StepNotFifty", Text(0) + "\n" + Text(25), 2,
                "the income must be 50, 50 more than the income on line 1."},
        Refused{"LineNumbersCountBlankLines", "\n" + Text(0) + "\n\n" + Text(60), 4,
                "the income must be 50, 50 more than the income on line 2."},
        Refused{"FirstOfSeveralBadLines", Text(0) + "\nxx\n" + Text(75), 2, kTooShort}),
    [](const auto& info) { return info.param.name; });

TEST(ScheduleTextProblem, MessageNamesTheLine) {
    EXPECT_EQ((ScheduleTextProblem{12, "it is too short."}.Message()), "Line 12: it is too short.");
    EXPECT_EQ((ScheduleTextProblem{0, "There are no schedule lines in the text."}.Message()),
              "There are no schedule lines in the text.");
}

TEST(ScheduleText, TheShippedScheduleReadsBackAsShipped) {
    const std::vector<ScheduleLine> shipped = ShippedSchedule();
    ASSERT_EQ(shipped.size(), 801u);
    const ParsedScheduleText parsed = ParseScheduleText(FixedColumnText(shipped));
    ASSERT_FALSE(parsed.problem) << parsed.problem->Message().toStdString();
    EXPECT_EQ(parsed.lines, shipped);
}

}  // namespace
}  // namespace qvr::test
