#include "core/values.h"
#include "support/print_qstring.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <ostream>
#include <vector>


namespace qvr {
namespace {

constexpr double kLargest = std::numeric_limits<double>::max();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct TextToNumber {
    QString text;
    double expected;
};

TEST(ValTest, ReadsTheNumberTheTextBeginsWith) {
    const std::vector<TextToNumber> cases = {
        {"", 0},           {"abc", 0},         {"234.5", 234.5},    {"  42", 42},
        {"\t7", 7},        {" 350", 350},      {"1 234", 1234},     {"12\n34", 1234},
        {"1,250.50", 1},   {"-.5", -0.5},      {"+3", 3},           {"- 5", -5},
        {"--5", 0},        {"+-5", 0},         {".", 0},            {"-", 0},
        {"1.", 1},         {"1.2.3", 1.2},     {"12abc", 12},       {"120 nights", 120},
        {"$5", 0},         {"0x10", 0},        {"1e3", 1000},       {"1E-2", 0.01},
        {"2.5e+2", 250},   {"1 e 3", 1000},    {"1e", 1},           {"1e+", 1},
        {"1e5e3", 100000}, {"1.5days", 1.5},   {"e5", 0},           {"0.1", 0.1},
        {QString::fromUtf8("\u0661\u0662"), 0},
        {"123456789.123456789", 123456789.123456789},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(Val(text), expected);
    }
}

TEST(ValTest, NeverGivesANegativeZero) {
    for (const QString text : {"-0", "-0.000", "-", "-abc"}) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_FALSE(std::signbit(Val(text)));
    }
}

TEST(ValTest, NumbersBeyondADoubleAreClampedToTheLargestFiniteValue) {
    const std::vector<TextToNumber> cases = {
        {"1" + QString(400, '0'), kLargest},
        {QString(5000, '9'), kLargest},
        {"-1e400", -kLargest},
        {"1e99999999999999999999", kLargest},
        {"1e-400", 0},
        {"1e-99999999999999999999", 0},
        {"0." + QString(500, '0') + "1", 0},
        {"1" + QString(300, '0'), 1e300},
        {QString(1000, '0') + "42", 42},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text.left(30).toStdString());
        EXPECT_EQ(Val(text), expected);
    }
}

struct NumberToText {
    double value;
    QString expected;
};

TEST(StrTest, WritesTheNumberToTextForm) {
    const std::vector<NumberToText> cases = {
        {234.5, " 234.5"},
        {0.5, " .5"},
        {-0.5, "-.5"},
        {0, " 0"},
        {-0.0, " 0"},
        {350, " 350"},
        {1, " 1"},
        {-12.25, "-12.25"},
        {0.05, " .05"},
        {1000000, " 1000000"},
        {1234.5678, " 1234.5678"},
        {1.0 / 3, " .333333333333333"},
        {2.0 / 3, " .666666666666667"},
        {0.1 + 0.2, " .3"},
        {999999999999999, " 999999999999999"},
        {1e15, " 1E+15"},
        {1e16, " 1E+16"},
        {-2.5e16, "-2.5E+16"},
        {123456789012345678.0, " 1.23456789012346E+17"},
        {1e100, " 1E+100"},
        {0.0001, " .0001"},
        {0.00001, " 1E-05"},
        {-1.5e-7, "-1.5E-07"},
        {kInfinity, " 1.79769313486232E+308"},
        {-kInfinity, "-1.79769313486232E+308"},
        {kNaN, "NaN"},
    };
    for (const auto& [value, expected] : cases) {
        SCOPED_TRACE(value);
        EXPECT_EQ(Str(value), expected);
    }
}

TEST(StrTest, StoredAmountsReadBackUnchanged) {
    for (double seed : {0.0001, 0.0017, 1.2345, 41.6667, 433.0, 2167.0, 98765.4321, 987654321.9876}) {
        for (int step = 0; step < 1000; ++step) {
            const double amount = CCur(seed * (1 + step * 0.0137));
            SCOPED_TRACE(Str(amount).toStdString());
            ASSERT_EQ(Val(Str(amount)), amount);
            ASSERT_EQ(Val(Str(-amount)), -amount);
        }
    }
}

TEST(IsNumericTest, AcceptsNumbersWithSeparatorsSignsAndExponents) {
    for (const QString text :
         {"0", "234.5", " 234.5 ", "\t42\t", "1,234.5", "12,345,678.90", "999,999", "-1,234",
          "+5", ".5", "5.", "-.5", "1e5", "1E+05", "2.5e-3", "1,234e2"}) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_TRUE(IsNumeric(text));
    }
}

TEST(IsNumericTest, RefusesTextsThatAreNotWhollyANumber) {
    for (const QString text :
         {"", " ", ".", "abc", "12abc", "1.2.3", "1 234", "- 5", "+", "-", "--5", "1e", "e5",
          "$5", "0x10", "1,2,3", "12,50", "1234,567", ",5", "1,", "1,23.5", "1,234,56", "1,2345",
          "1e400", "-1e400"}) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_FALSE(IsNumeric(text));
    }
    EXPECT_FALSE(IsNumeric(QString::fromUtf8("\u0661\u0662")));
}

TEST(WholeNumberTest, ReadsOnlyAWholeNumber) {
    for (const auto& [text, whole] : std::vector<std::pair<QString, std::optional<int>>>{
             {"182", 182}, {" 0 ", 0}, {"-5", -5}, {"1e2", 100}, {"7.0", 7}, {"2147483647", 2147483647},
             {"182.5", std::nullopt}, {"2147483648", std::nullopt}, {"1e308", std::nullopt}, {"abc", std::nullopt},
             {"120 nights", std::nullopt}, {"", std::nullopt}}) {
        EXPECT_EQ(WholeNumber(text), whole) << text.toStdString();
    }
}

TEST(CCurTest, ReadsATextAsACurrencyAmount) {
    const std::vector<std::pair<QString, std::optional<double>>> cases = {
        {"1,234.5", 1234.5},     {" 350 ", 350},       {"1e3", 1000},
        {"2.00005", 2.0},        {"2.00015", 2.0002},  {"1.23456", 1.2346},
        {"-1,000.00005", -1000}, {"41.66666", 41.6667}, {"abc", std::nullopt},
        {"", std::nullopt},      {"12,50", std::nullopt}, {"12abc", std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(CCur(text), expected);
    }
}

TEST(CCurTest, RoundsANumberHalfToEvenToFourDecimals) {
    const std::vector<std::pair<double, double>> cases = {
        {500.0 / 12, 41.6667}, {2.00005, 2.0},   {2.00015, 2.0002}, {-2.00015, -2.0002},
        {1234.56785, 1234.5678}, {0.1 + 0.2, 0.3}, {433, 433},
    };
    for (const auto& [value, expected] : cases) {
        SCOPED_TRACE(value);
        EXPECT_EQ(CCur(value), expected);
    }
    EXPECT_FALSE(std::signbit(CCur(-0.00005)));
}

TEST(AmountOfTest, ReadsTheWholeAmountOrTheNumberTheTextBeginsWith) {
    const std::vector<TextToNumber> cases = {
        {"1,234.56", 1234.56},     {" 350 ", 350},      {"-1,000.5", -1000.5},
        {"41.666666", 41.6667},    {"12abc", 12},       {"1,234abc", 1234},
        {"1,234.5 kg", 1234.5},    {"12,50", 12},       {"1,234,56", 1234},
        {"1,2345x", 1},            {"1,234,567x", 1234567},
        {"12.345678x", 12.345678}, {"abc", 0},          {"", 0},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(AmountOf(text), expected);
    }
}

TEST(CurrencyTextTest, WritesTheAmountToFourDecimalsWithoutTheLeadingBlank) {
    const std::vector<std::pair<double, QString>> cases = {
        {433, "433"},          {500.0 / 12, "41.6667"},      {0, "0"},        {0.5, ".5"},
        {-2.00015, "-2.0002"}, {1234567.891, "1234567.891"}, {1e15, "1E+15"},
    };
    for (const auto& [value, expected] : cases) {
        SCOPED_TRACE(value);
        EXPECT_EQ(CurrencyText(value), expected);
    }
}

TEST(TrimBlanksTest, TakesOnlyBlanksFromBothEnds) {
    const std::vector<std::pair<QString, QString>> cases = {
        {"", ""},
        {"   ", ""},
        {" a  b ", "a  b"},
        {"O'Brien  ", "O'Brien"},
        {"\tx\t", "\tx\t"},
        {" x\r\n", "x\r\n"},
        {QString::fromUtf8(" \u00fcber "), QString::fromUtf8("\u00fcber")},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(TrimBlanks(text), expected);
    }
}

struct RoundCase {
    double value;
    int decimals;
    double expected;
};

TEST(RoundTest, TakesAnExactHalfToTheEvenNeighbour) {
    const std::vector<RoundCase> cases = {
        {2.125, 2, 2.12},      {2.375, 2, 2.38},     {12.5, 0, 12},        {13.5, 0, 14},
        {0.285, 2, 0.28},      {0.295, 2, 0.3},      {-2.5, 0, -2},        {-3.5, 0, -4},
        {412.5, 0, 412},       {413.5, 0, 414},      {0.5, 0, 0},          {1.5, 0, 2},
        {99.5, 0, 100},        {9.995, 2, 10},       {1.005, 2, 1},        {1.015, 2, 1.02},
        {2.12500001, 2, 2.13}, {-2.12500001, 2, -2.13}, {33.333333, 2, 33.33}, {66.666667, 2, 66.67},
        {0.0004, 3, 0},        {1e20, 2, 1e20},      {123.456, 10, 123.456}, {0.1 + 0.2, 2, 0.3},
        {1234.56775, 4, 1234.5678}, {0.7 * 3, 1, 2.1},
    };
    for (const auto& [value, decimals, expected] : cases) {
        SCOPED_TRACE(testing::Message() << value << " to " << decimals);
        EXPECT_EQ(Round(value, decimals), expected);
    }
}

// A share computed as a worksheet computes it, part / whole * 100, rounds as its exact decimal,
// found here in whole numbers: 49 / 160 is 30.625%, so 30.62.
TEST(RoundTest, TakesAComputedShareAsTheDecimalItStandsFor) {
    for (long long whole = 1; whole <= 400; ++whole) {
        for (long long part = 0; part <= whole; ++part) {
            const long long hundredths = part * 10000 / whole, rest = part * 10000 % whole;
            const bool up = 2 * rest > whole || (2 * rest == whole && hundredths % 2 == 1);
            ASSERT_EQ(Round(double(part) / double(whole) * 100, 2), Round((hundredths + up) / 100.0, 2))
                << part << " / " << whole;
        }
    }
}

// An amount times a share, as a worksheet's lines are, shows the cents of its exact decimal.
TEST(FormatTest, ShowsAComputedAmountAsTheDecimalItStandsFor) {
    for (long long cents = 1; cents <= 200000; cents += 97) {
        for (long long hundredths = 1; hundredths <= 10000; hundredths += 89) {
            const long long millionths = cents * hundredths;
            const long long shownCents = (millionths + 5000) / 10000;
            const double amount = cents / 100.0 * (hundredths / 100.0) / 100;
            ASSERT_EQ(Format(amount, "######0.00"),
                      QString("%1.%2").arg(shownCents / 100).arg(shownCents % 100, 2, 10, QChar('0')))
                << cents << " cents times " << hundredths << " hundredths";
        }
    }
}

TEST(RoundTest, LeavesNoNegativeZeroAndPassesNonFiniteValues) {
    EXPECT_FALSE(std::signbit(Round(-0.4)));
    EXPECT_FALSE(std::signbit(Round(-0.001, 2)));
    EXPECT_EQ(Round(kInfinity, 2), kInfinity);
    EXPECT_EQ(Round(-kLargest, 2), -kLargest);
    EXPECT_TRUE(std::isnan(Round(kNaN, 2)));
}

struct FormatCase {
    double value;
    QString pattern;
    QString expected;
};

TEST(FormatTest, ShowsNumbersInTheDisplayPatterns) {
    const std::vector<FormatCase> cases = {
        {1234.5, "##,##0.00", "1,234.50"},
        {0.5, "##,##0.00", "0.50"},
        {0, "##,##0.00", "0.00"},
        {100, "##,##0.00", "100.00"},
        {999, "##,##0.00", "999.00"},
        {1000, "##,##0.00", "1,000.00"},
        {-1234.5, "##,##0.00", "-1,234.50"},
        {-999.5, "##,##0.00", "-999.50"},
        {1234567.891, "##,##0.00", "1,234,567.89"},
        {12345678901.234, "##,##0.00", "12,345,678,901.23"},
        {999.995, "##,##0.00", "1,000.00"},
        {2.125, "##,##0.00", "2.13"},
        {0.285, "##,##0.00", "0.29"},
        {-2.125, "##,##0.00", "-2.13"},
        {0.1 + 0.2, "##,##0.00", "0.30"},
        {-0.001, "##,##0.00", "0.00"},
        {-0.005, "##,##0.00", "-0.01"},
        {1e-300, "##,##0.00", "0.00"},
        {234.5, "##0.00", "234.50"},
        {1234.5, "##0.00", "1234.50"},
        {0, "##0.00", "0.00"},
        {12.5, "##0.00", "12.50"},
        {-12.5, "##0.00", "-12.50"},
        {33.333333, "##0.00", "33.33"},
        {66.666667, "##0.00", "66.67"},
        {0.004, "##0.00", "0.00"},
        {250000, "###,##0.00", "250,000.00"},
        {41.6666667, "###,##0.00", "41.67"},
        {1234.5, "######0.00", "1234.50"},
        {1234567.5, "######0.00", "1234567.50"},
        {0, "######0.00", "0.00"},
        {-3.999, "######0.00", "-4.00"},
        {12.5, "#######0.00", "12.50"},
        {-7.25, "#######0.00", "-7.25"},
        {1234567.125, "###,###,##0.00", "1,234,567.13"},
        {234.5, "###,###,##0.00", "234.50"},
        {1234567.125, "##########0.00", "1234567.13"},
        {0, "##", ""},
        {3.6, "##", "4"},
        {2.5, "##", "3"},
        {0.4, "##", ""},
        {0.5, "##", "1"},
        {-0.4, "##", ""},
        {-2.5, "##", "-3"},
        {12, "##", "12"},
        {123, "##", "123"},
        {0.5, "#.00", ".50"},
        {1.5, "00.00", "01.50"},
        {1234567, "#,##0", "1,234,567"},
        {1.25, "0.0#", "1.25"},
        {1.5, "0.0#", "1.5"},
        {1, "0.0#", "1.0"},
    };
    for (const auto& [value, pattern, expected] : cases) {
        SCOPED_TRACE(testing::Message() << value << " in " << pattern.toStdString());
        EXPECT_EQ(Format(value, pattern), expected);
    }
}

TEST(FormatTest, ShowsInfinityAsTheLargestNumberAndNaNAsNoNumber) {
    const QString largest = Format(kInfinity, "##,##0.00");
    EXPECT_TRUE(largest.startsWith("179,769,313,486,231,57")) << largest.toStdString();
    EXPECT_TRUE(largest.endsWith(",000.00")) << largest.toStdString();
    EXPECT_EQ(largest.size(), 309 + 102 + 3);
    EXPECT_EQ(Format(-kInfinity, "######0.00"), "-" + Format(kLargest, "######0.00"));
    EXPECT_EQ(Format(kNaN, "##,##0.00"), "NaN");
}

struct FormatTextCase {
    QString text;
    QString pattern;
    QString expected;
};

TEST(FormatTest, FormatsTextsThatAreNumbersAndPassesOthersThrough) {
    const std::vector<FormatTextCase> cases = {
        {"1,234.5", "######0.00", "1234.50"},
        {" 234.5", "######0.00", "234.50"},
        {"1,234.50 ", "######0.00", "1234.50"},
        {"1,234.5", "##0.00", "1234.50"},
        {" 1,234.50 ", "##,##0.00", "1,234.50"},
        {"2.125", "##0.00", "2.13"},
        {"-0.001", "##,##0.00", "0.00"},
        {"3.6", "##", "4"},
        {"0", "##", ""},
        {"", "##0.00", ""},
        {"  ", "##0.00", "  "},
        {"abc", "##0.00", "abc"},
        {"12abc", "##0.00", "12abc"},
        {"12,50", "##0.00", "12,50"},
        {"1e400", "##0.00", "1e400"},
        {"O'Brien \"quoted\"", "##,##0.00", "O'Brien \"quoted\""},
    };
    for (const auto& [text, pattern, expected] : cases) {
        SCOPED_TRACE(testing::Message() << text.toStdString() << " in " << pattern.toStdString());
        EXPECT_EQ(Format(text, pattern), expected);
    }
}

TEST(DateTest, ReadsMonthFirstDates) {
    const std::vector<std::pair<QString, QDate>> cases = {
        {"3/7/2024", QDate(2024, 3, 7)},       {"03/07/2024", QDate(2024, 3, 7)},
        {"  3/7/2024  ", QDate(2024, 3, 7)},   {"3-7-2024", QDate(2024, 3, 7)},
        {"March 7, 2024", QDate(2024, 3, 7)},  {"Mar 7 2024", QDate(2024, 3, 7)},
        {"march 7 2024", QDate(2024, 3, 7)},   {"MAR. 7, 2024", QDate(2024, 3, 7)},
        {"7-Mar-2024", QDate(2024, 3, 7)},     {"7 March 2024", QDate(2024, 3, 7)},
        {"7-Mar-24", QDate(2024, 3, 7)},       {"Sept 7, 2024", QDate(2024, 9, 7)},
        {"2024-03-07", QDate(2024, 3, 7)},     {"2024/3/7", QDate(2024, 3, 7)},
        {"3/7/24", QDate(2024, 3, 7)},         {"3/7/00", QDate(2000, 3, 7)},
        {"3/7/29", QDate(2029, 3, 7)},         {"3/7/30", QDate(1930, 3, 7)},
        {"3/7/99", QDate(1999, 3, 7)},         {"2/29/2024", QDate(2024, 2, 29)},
        {"12/31/1999", QDate(1999, 12, 31)},   {"May 1, 2010", QDate(2010, 5, 1)},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(ParseDate(text), std::optional<QDate>(expected));
        EXPECT_TRUE(IsDate(text));
    }
}

TEST(DateTest, RefusesTextsThatAreNoMonthFirstDate) {
    for (const QString text :
         {"13/45/2024", "2/30/2024", "2/29/2023", "13/7/2024", "0/7/2024", "3/0/2024", "abc", "",
          "   ", "MM/DD/YYYY", "3/7", "3/7/202", "3/7/0099", "3/7-2024", "3.7.2024",
          "3/7/2024 extra", "Foo 7, 2024", "March 32, 2024", "March 2024", "7 2024 March",
          "1,234.5"}) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(ParseDate(text), std::nullopt);
        EXPECT_FALSE(IsDate(text));
    }
    EXPECT_FALSE(IsDate(QString::fromUtf8("\uff13/\uff17/\uff12\uff10\uff12\uff14")));
}

TEST(DateTest, WritesDatesAsTwoDigitMonthAndDayAndFourDigitYear) {
    EXPECT_EQ(FormatDate(QDate(2024, 3, 7)), "03/07/2024");
    EXPECT_EQ(FormatDate(QDate(1999, 12, 31)), "12/31/1999");
    EXPECT_EQ(FormatDate(QDate()), "");
    EXPECT_EQ(FormatDate(*ParseDate("March 7, 2024")), "03/07/2024");
}

}  // namespace
}  // namespace qvr
