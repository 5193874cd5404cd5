#include "core/values.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace qvr {
namespace {

constexpr double kLargest = std::numeric_limits<double>::max();
// Far beyond any exponent a double can hold, small enough that adding a digit count never overflows.
constexpr long long kExponentLimit = 1'000'000'000;

// A number as its decimal digits: 0.digits × 10^exponent, the digits without leading or trailing
// zeros. Rounding works on these digits, so that a half is a half as it is written.
struct Decimal {
    bool negative = false;
    std::string digits;
    long long exponent = 0;
};

void Normalize(Decimal& number) {
    const auto last = number.digits.find_last_not_of('0');
    number.digits.resize(last == std::string::npos ? 0 : last + 1);
    if (number.digits.empty()) {
        number = Decimal{};
    }
}

void AppendDigit(Decimal& number, char digit, bool afterPoint) {
    if (number.digits.empty() && digit == '0') {
        number.exponent -= afterPoint ? 1 : 0;
        return;
    }
    number.digits.push_back(digit);
    number.exponent += afterPoint ? 0 : 1;
}

bool IsAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// How a reader takes thousands separators: not at all, only in well-formed groups (a comma
// followed by anything but three digits makes no number), or up to the first comma that does not
// begin such a group, where the number ends.
enum class Groups { None, Whole, Leading };

// Reads a number from the start of a text: a sign, digits with one decimal point, an exponent.
// The leading-number reading skips blanks anywhere; the numeric test reads thousands groups.
class NumberReader {
public:
    NumberReader(QStringView text, bool skipsBlanks) : text_(text), skipsBlanks_(skipsBlanks) {}

    std::optional<Decimal> Read(Groups groups) {
        Decimal number;
        number.negative = ReadSign();
        const auto integerDigits = ReadIntegerPart(number, groups);
        if (!integerDigits) {
            return std::nullopt;
        }
        const qsizetype fractionDigits = Accept(u'.') ? ReadDigits(number, true) : 0;
        if (*integerDigits + fractionDigits == 0) {
            return std::nullopt;
        }
        ReadExponent(number);
        Normalize(number);
        return number;
    }

    bool AtEnd() { return Peek().isNull(); }

private:
    static bool IsBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\n'; }

    QChar Peek() {
        while (skipsBlanks_ && pos_ < text_.size() && IsBlank(text_[pos_])) {
            ++pos_;
        }
        return pos_ < text_.size() ? text_[pos_] : QChar();
    }

    bool Accept(char16_t c) {
        if (Peek() != c) {
            return false;
        }
        ++pos_;
        return true;
    }

    bool ReadSign() {
        if (Accept(u'-')) {
            return true;
        }
        Accept(u'+');
        return false;
    }

    qsizetype ReadDigits(Decimal& number, bool afterPoint) {
        qsizetype count = 0;
        for (QChar c = Peek(); IsAsciiDigit(c); c = Peek()) {
            AppendDigit(number, char(c.unicode()), afterPoint);
            ++pos_;
            ++count;
        }
        return count;
    }

    // Thousands groups count only when every group after the first has exactly three digits,
    // so that "12,50" is refused rather than read as 1250.
    std::optional<qsizetype> ReadIntegerPart(Decimal& number, Groups groups) {
        qsizetype count = ReadDigits(number, false);
        if (groups == Groups::None || count == 0 || count > 3) {
            return count;
        }
        for (;;) {
            const Decimal before = number;
            const qsizetype commaAt = pos_;
            if (!Accept(u',')) {
                return count;
            }
            const qsizetype group = ReadDigits(number, false);
            if (group == 3) {
                count += group;
                continue;
            }
            if (groups == Groups::Whole) {
                return std::nullopt;
            }
            number = before;
            pos_ = commaAt;
            return count;
        }
    }

    // An "E" counts only when digits follow it; otherwise the number ends before it.
    void ReadExponent(Decimal& number) {
        const qsizetype start = pos_;
        if (!Accept(u'e') && !Accept(u'E')) {
            return;
        }
        const bool negative = ReadSign();
        if (!IsAsciiDigit(Peek())) {
            pos_ = start;
            return;
        }
        long long value = 0;
        for (QChar c = Peek(); IsAsciiDigit(c); c = Peek()) {
            value = std::min(value * 10 + (c.unicode() - u'0'), kExponentLimit);
            ++pos_;
        }
        number.exponent += negative ? -value : value;
    }

    QStringView text_;
    bool skipsBlanks_;
    qsizetype pos_ = 0;
};

// nullopt when the number lies beyond the range of a double; a number too small for one is 0.
// A double's magnitude lies between about 10^-324 and 10^308: from_chars judges the edges.
std::optional<double> ToDouble(const Decimal& number) {
    if (number.digits.empty() || number.exponent < -325) {
        return 0.0;
    }
    if (number.exponent > 310) {
        return std::nullopt;
    }
    const std::string text = "0." + number.digits + "e" + std::to_string(number.exponent);
    double value = 0;
    if (std::from_chars(text.data(), text.data() + text.size(), value).ec ==
        std::errc::result_out_of_range) {
        return number.exponent > 0 ? std::nullopt : std::optional<double>(0.0);
    }
    return number.negative ? -value : value;
}

double ToDoubleClamped(const Decimal& number) {
    return ToDouble(number).value_or(number.negative ? -kLargest : kLargest);
}

// An infinity is shown as the largest number, which is also what an overlong text reads as.
double ClampInfinity(double value) {
    return std::clamp(value, -kLargest, kLargest);
}

// The digits of a finite double: the shortest that read back as the same double, or rounded to
// a number of significant digits.
Decimal DecimalOf(double value, std::optional<int> significantDigits = std::nullopt) {
    std::array<char, 64> buffer{};
    const auto result =
        significantDigits
            ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                            std::chars_format::scientific, *significantDigits - 1)
            : std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                            std::chars_format::scientific);
    const QString text = QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
    return NumberReader(text, false).Read(Groups::None).value_or(Decimal{});
}

// Any decimal of up to 15 significant digits comes back whole from a double; the digits after them
// are mostly the error of the arithmetic that made the value, which would turn 54.875 computed as
// 54.87499999999999 into no half. Rounding at a place within them uses those 15 digits; at a place
// beyond them, every digit.
constexpr int kExactDigits = 15;

Decimal DecimalForRounding(double value, int decimals) {
    const Decimal shortest = DecimalOf(value);
    return shortest.exponent + decimals < kExactDigits ? DecimalOf(value, kExactDigits) : shortest;
}

enum class Tie { ToEven, AwayFromZero };

bool RoundsUp(const std::string& digits, std::size_t keep, Tie tie) {
    const char first = digits[keep];
    if (first != '5' || keep + 1 < digits.size()) {
        return first >= '5';
    }
    return tie == Tie::AwayFromZero || (keep > 0 && (digits[keep - 1] - '0') % 2 == 1);
}

void IncrementLastDigit(Decimal& number) {
    for (auto digit = number.digits.rbegin(); digit != number.digits.rend(); ++digit) {
        if (*digit != '9') {
            ++*digit;
            return;
        }
        *digit = '0';
    }
    number.digits.insert(number.digits.begin(), '1');
    ++number.exponent;
}

void RoundToDecimals(Decimal& number, int decimals, Tie tie) {
    const long long keep = number.exponent + decimals;
    if (keep >= static_cast<long long>(number.digits.size())) {
        return;
    }
    if (keep < 0) {
        number = Decimal{};
        return;
    }
    const bool up = RoundsUp(number.digits, std::size_t(keep), tie);
    number.digits.resize(std::size_t(keep));
    if (up) {
        IncrementLastDigit(number);
    }
    Normalize(number);
}

// The digit at a place: 1 is the first digit after the point, 0 the units, -1 the tens.
char DigitAtDecimalPlace(const Decimal& number, long long place) {
    const long long index = number.exponent + place - 1;
    return index >= 0 && index < static_cast<long long>(number.digits.size())
               ? number.digits[std::size_t(index)]
               : '0';
}

QString IntegerDigits(const Decimal& number) {
    QString text;
    for (long long place = 1 - number.exponent; place <= 0; ++place) {
        text += QLatin1Char(DigitAtDecimalPlace(number, place));
    }
    return text;
}

QString FractionDigits(const Decimal& number, long long count) {
    QString text;
    for (long long place = 1; place <= count; ++place) {
        text += QLatin1Char(DigitAtDecimalPlace(number, place));
    }
    return text;
}

QString PlainForm(const Decimal& number) {
    if (number.digits.empty()) {
        return QStringLiteral("0");
    }
    const long long fractionLength = static_cast<long long>(number.digits.size()) - number.exponent;
    const QString fraction = FractionDigits(number, fractionLength);
    return IntegerDigits(number) + (fraction.isEmpty() ? QString() : u'.' + fraction);
}

QString ExponentForm(const Decimal& number) {
    const long long exponent = number.exponent - 1;
    const QString mantissa = QString::fromLatin1(number.digits.substr(0, 1)) +
                             (number.digits.size() > 1
                                  ? u'.' + QString::fromLatin1(number.digits.substr(1))
                                  : QString());
    return mantissa + QLatin1String(exponent < 0 ? "E-" : "E+") +
           QStringLiteral("%1").arg(std::abs(exponent), 2, 10, QLatin1Char('0'));
}

// What a display pattern asks for: "#" and "0" are digit places, a "0" makes its place and
// every integer place after it show a digit, a comma before the point asks for thousands groups.
struct DisplayPattern {
    int minimumIntegerDigits = 0;
    bool groupsThousands = false;
    bool hasPoint = false;
    int decimals = 0;
    int requiredDecimals = 0;
};

DisplayPattern ReadPattern(const QString& pattern) {
    DisplayPattern result;
    bool zeroSeen = false;
    for (const QChar c : pattern) {
        const bool place = c == u'#' || c == u'0';
        if (c == u'.' && !result.hasPoint) {
            result.hasPoint = true;
        } else if (!result.hasPoint) {
            result.groupsThousands = result.groupsThousands || c == u',';
            zeroSeen = zeroSeen || c == u'0';
            result.minimumIntegerDigits += place && zeroSeen ? 1 : 0;
        } else if (place) {
            ++result.decimals;
            result.requiredDecimals = c == u'0' ? result.decimals : result.requiredDecimals;
        }
    }
    return result;
}

QString GroupThousands(const QString& digits) {
    QString text = digits;
    for (qsizetype at = text.size() - 3; at > 0; at -= 3) {
        text.insert(at, u',');
    }
    return text;
}

QString FormatDecimal(Decimal number, const DisplayPattern& pattern) {
    RoundToDecimals(number, pattern.decimals, Tie::AwayFromZero);
    QString integer = IntegerDigits(number);
    if (integer.size() < pattern.minimumIntegerDigits) {
        integer.prepend(QString(pattern.minimumIntegerDigits - integer.size(), u'0'));
    }
    QString fraction = FractionDigits(number, pattern.decimals);
    while (fraction.size() > pattern.requiredDecimals && fraction.endsWith(u'0')) {
        fraction.chop(1);
    }
    return QLatin1String(number.negative ? "-" : "") +
           (pattern.groupsThousands ? GroupThousands(integer) : integer) +
           (pattern.hasPoint ? u'.' + fraction : QString());
}

// The value of a text that the numeric test accepts.
std::optional<double> NumericValue(const QString& text) {
    const QString trimmed = text.trimmed();  // the reader keeps a view: the text must outlive it
    NumberReader reader(trimmed, false);
    const auto number = reader.Read(Groups::Whole);
    if (!number || !reader.AtEnd()) {
        return std::nullopt;
    }
    return ToDouble(*number);
}

std::optional<int> YearFrom(const QString& digits) {
    const int value = digits.toInt();
    if (digits.size() <= 2) {
        return value < 30 ? 2000 + value : 1900 + value;
    }
    return digits.size() == 4 && value >= 100 ? std::optional<int>(value) : std::nullopt;
}

std::optional<QDate> DateFrom(const QString& yearDigits, int month, int day) {
    const auto year = YearFrom(yearDigits);
    const QDate date = year ? QDate(*year, month, day) : QDate();
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

std::optional<QDate> ParseNumericDate(const QString& text) {
    static const QRegularExpression monthFirst(
        QStringLiteral("^([0-9]{1,2})([/-])([0-9]{1,2})\\2([0-9]{1,4})$"));
    static const QRegularExpression yearFirst(
        QStringLiteral("^([0-9]{4})([/-])([0-9]{1,2})\\2([0-9]{1,2})$"));
    if (const auto match = monthFirst.match(text); match.hasMatch()) {
        return DateFrom(match.captured(4), match.captured(1).toInt(), match.captured(3).toInt());
    }
    if (const auto match = yearFirst.match(text); match.hasMatch()) {
        return DateFrom(match.captured(1), match.captured(3).toInt(), match.captured(4).toInt());
    }
    return std::nullopt;
}

// 1 to 12 for an English month name or its three-letter abbreviation ("Sept" too).
std::optional<int> MonthFromName(const QString& word) {
    static const std::array<QString, 12> names = {
        QStringLiteral("january"), QStringLiteral("february"), QStringLiteral("march"),
        QStringLiteral("april"),   QStringLiteral("may"),      QStringLiteral("june"),
        QStringLiteral("july"),    QStringLiteral("august"),   QStringLiteral("september"),
        QStringLiteral("october"), QStringLiteral("november"), QStringLiteral("december")};
    const QString lower = word.toLower();
    for (std::size_t index = 0; index < names.size(); ++index) {
        if (lower == names[index] || lower == names[index].left(3) ||
            (index == 8 && lower == u"sept")) {
            return int(index) + 1;
        }
    }
    return std::nullopt;
}

bool IsDigits(const QString& text, qsizetype maximumLength) {
    return !text.isEmpty() && text.size() <= maximumLength &&
           std::all_of(text.begin(), text.end(), IsAsciiDigit);
}

// "March 7, 2024", "Mar 7 2024", "7-Mar-2024", "7 March 2024".
std::optional<QDate> ParseDateWithMonthName(const QString& text) {
    static const QRegularExpression separators(QStringLiteral("[\\s,./-]+"));
    const QStringList parts = text.split(separators, Qt::SkipEmptyParts);
    if (parts.size() != 3 || !IsDigits(parts[2], 4)) {
        return std::nullopt;
    }
    const bool monthFirst = !IsDigits(parts[0], 2);
    const QString& day = monthFirst ? parts[1] : parts[0];
    const auto month = MonthFromName(monthFirst ? parts[0] : parts[1]);
    if (!month || !IsDigits(day, 2)) {
        return std::nullopt;
    }
    return DateFrom(parts[2], *month, day.toInt());
}

}  // namespace

double Val(const QString& text) {
    const auto number = NumberReader(text, true).Read(Groups::None);
    return number ? ToDoubleClamped(*number) : 0.0;
}

QString Str(double value) {
    if (std::isnan(value)) {
        return QStringLiteral("NaN");
    }
    const Decimal number = DecimalOf(ClampInfinity(value), kExactDigits);
    const long long exponent = number.exponent - 1;
    const bool exponentForm = !number.digits.empty() && (exponent < -4 || exponent >= 15);
    return QLatin1String(number.negative ? "-" : " ") +
           (exponentForm ? ExponentForm(number) : PlainForm(number));
}

QString TrimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ') {
        ++first;
    }
    while (last > first && text[last - 1] == u' ') {
        --last;
    }
    return text.mid(first, last - first);
}

bool IsNumeric(const QString& text) {
    return NumericValue(text).has_value();
}

std::optional<int> WholeNumber(const QString& text) {
    const auto value = NumericValue(text);
    if (!value || std::trunc(*value) != *value || std::fabs(*value) > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

std::optional<double> CCur(const QString& text) {
    const auto value = NumericValue(text);
    return value ? std::optional<double>(CCur(*value)) : std::nullopt;
}

double CCur(double value) {
    return Round(value, 4);
}

double AmountOf(const QString& text) {
    if (const auto amount = CCur(text)) {
        return *amount;
    }
    const auto number = NumberReader(text, true).Read(Groups::Leading);
    return number ? ToDoubleClamped(*number) : 0.0;
}

QString CurrencyText(double value) {
    return TrimBlanks(Str(CCur(value)));
}

double Round(double value, int decimals) {
    if (!std::isfinite(value)) {
        return value;
    }
    Decimal number = DecimalForRounding(value, decimals);
    RoundToDecimals(number, decimals, Tie::ToEven);
    return ToDoubleClamped(number);
}

QString Format(double value, const QString& pattern) {
    if (std::isnan(value)) {
        return QStringLiteral("NaN");
    }
    const DisplayPattern display = ReadPattern(pattern);
    return FormatDecimal(DecimalForRounding(ClampInfinity(value), display.decimals), display);
}

QString Format(const QString& text, const QString& pattern) {
    const auto value = NumericValue(text);
    return value ? Format(*value, pattern) : text;
}

bool FitsDigits(double value, const QString& pattern, int digits) {
    if (!std::isfinite(value)) {
        return false;
    }
    const QString shown = Format(value, pattern);
    return std::count_if(shown.begin(), shown.end(), [](QChar c) { return c.isDigit(); }) <= digits;
}

bool AmountFits(double value) {
    return FitsDigits(value, QStringLiteral("0.00"), kAmountDigits);
}

std::optional<QDate> ParseDate(const QString& text) {
    const QString trimmed = text.trimmed();
    if (const auto date = ParseNumericDate(trimmed)) {
        return date;
    }
    return ParseDateWithMonthName(trimmed);
}

bool IsDate(const QString& text) {
    return ParseDate(text).has_value();
}

QString FormatDate(const QDate& date) {
    if (!date.isValid()) {
        return QString();
    }
    return QStringLiteral("%1/%2/%3")
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

}  // namespace qvr
