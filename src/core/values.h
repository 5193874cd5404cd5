#pragma once
// Every conversion between numbers, dates and text that the program makes. No window parses or
// formats a number on its own: they all come here, so that one rule holds everywhere.

#include <QDate>
#include <QString>
#include <optional>

namespace qvr {

// The number a text begins with: blanks, tabs and line feeds skipped wherever they stand ("1 234"
// reads 1234), "." as the decimal point, an optional sign and exponent ("1e3"), reading stopped at
// the first character that cannot continue the number (a comma included); 0 when the text does
// not begin with a number. A number beyond the range of a double reads as the largest one.
double Val(const QString& text);

// The number-to-text form: a blank before a non-negative number ("-" before a negative one),
// up to 15 significant digits, no thousands separator, no trailing zeros, no leading zero
// before the point: 234.5 -> " 234.5", 0.5 -> " .5", 0 -> " 0"; from 1E+15 up and below .0001
// in exponent form (" 1E+15", " 1E-05"). An infinity is written as the largest number, NaN as
// "NaN".
QString Str(double value);

// The text without the blanks at either end; tabs and line breaks stay.
QString TrimBlanks(const QString& text);

// Whether a text reads as a number: blanks around it, a sign, thousands separators between
// groups of three digits ("1,234.5"; "12,50" is no number), a decimal point, an exponent; a
// number beyond the range of a double is none.
bool IsNumeric(const QString& text);
// The whole number a text reads as under the numeric test (" 182 ", "1e2", "7.0"); nullopt for a
// fraction, a text that is no number and a number beyond the range of an int.
std::optional<int> WholeNumber(const QString& text);

// The text as a currency amount: thousands separators accepted, rounded half to even to four
// decimals; nullopt when the text is not a number.
std::optional<double> CCur(const QString& text);
// A number as a currency amount: rounded half to even to four decimals.
double CCur(double value);

// The amount of a text given as an amount: its currency amount when the text reads as a number
// (thousands separators accepted), else the number it begins with, read as Val reads it but with
// its thousands groups ("1,250abc" -> 1250; "12,50" -> 12).
double AmountOf(const QString& text);
// A currency amount handed back as text: rounded to four decimals, no thousands separator, no
// leading blank ("433", "41.6667", "0").
QString CurrencyText(double value);

// Rounding to a number of decimals with an exact half going to the even neighbour:
// 2.125 -> 2.12, 2.375 -> 2.38, 12.5 -> 12, 13.5 -> 14. Works on the decimal the number stands
// for, its first 15 significant digits, so 0.285 is a half and so is 1317 / 2400 * 100. The
// result is the double nearest to the rounded decimal; an infinity or NaN comes back unchanged.
double Round(double value, int decimals = 0);

// A number in a display pattern: "##,##0.00", "##0.00", "###,##0.00", "######0.00",
// "#######0.00", "###,###,##0.00", "##########0.00", "##" and the like, an exact half (in the
// decimal the number stands for, as Round takes it) rounded away from zero: a comma anywhere in the
// integer part asks for thousands separators, the digits after the point give the decimals, a
// "0" before the point forces one integer digit; "##" of 0 gives "". A value that rounds to
// zero has no minus sign; a value wider than the pattern shows all its digits. An infinity is
// shown as the largest number, NaN as "NaN".
QString Format(double value, const QString& pattern);
// A text in a display pattern: a text that reads as a number is formatted as that number;
// any other text comes back unchanged.
QString Format(const QString& text, const QString& pattern);

// The widest figure that a worksheet cell and its blank on the court form show whole: an amount of
// seven digits before the point ("9,999,999.99"). A figure beyond it shows kTooLarge instead, as a
// spreadsheet shows a number too wide for its column, and an amount dialog does not take it.
constexpr int kAmountDigits = 9;
inline const QString kTooLarge = "######";
// Whether the number in the pattern has at most `digits` digits (an infinity or NaN has too many).
bool FitsDigits(double value, const QString& pattern, int digits);
// Whether an amount, rounded to the cent, has at most kAmountDigits digits.
bool AmountFits(double value);

// The date test: month first, e.g. "3/7/2024", "3-7-24", "March 7, 2024", "Mar 7 2024",
// "7-Mar-2024", "2024-03-07"; a two-digit year 00-29 lies in the 2000s, 30-99 in the 1900s. A
// date without a year, or with the day first ("13/7/2024"), is no date.
std::optional<QDate> ParseDate(const QString& text);
bool IsDate(const QString& text);
// "MM/DD/YYYY"; "" for an invalid date.
QString FormatDate(const QDate& date);

}  // namespace qvr
