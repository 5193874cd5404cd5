#include "worksheet/captions.h"

#include "core/values.h"

namespace qvr {

namespace {

// What the narrower cells hold: a share up to 999.99 percent, the credit for other children beside
// their count up to 9,999.99, a count up to 99.
constexpr int kShareDigits = 5;
constexpr int kCreditDigits = 6;
constexpr int kCountDigits = 2;

// A figure cut to its cell would read as another number, so one that does not fit shows a mark.
QString Figure(double value, const QString& pattern, int digits, const QString& mark = kTooLarge) {
    return FitsDigits(value, pattern, digits) ? Format(value, pattern) : mark;
}

}  // namespace

QString AmountCaption(double value) { return Figure(value, "##,##0.00", kAmountDigits) + " "; }

QString CreditCaption(double value) { return Figure(value, "##,##0.00", kCreditDigits) + " "; }

QString ShareCaption(double value) { return Figure(value, "##0.00", kShareDigits) + " "; }

QString CountCaption(double count) {
    return count > 0 ? "(" + Figure(count, "##", kCountDigits, "#") + ")" : QString();
}

QString WholeCaption(double value) { return Format(value, "0"); }

void WritePartyCaptions(WorksheetResult& result, const QString& line, QString (*caption)(double), double plaintiff,
                        double defendant) {
    result.captions["lblP" + line] = caption(plaintiff);
    result.captions["lblD" + line] = caption(defendant);
}

void BlankZeroFigures(WorksheetResult& result, const CourtFormLayout& form) {
    for (const FormBlank& blank : form.blanks) {
        if (!blank.IsFigure()) continue;
        const auto caption = result.captions.find(blank.label);
        if (caption != result.captions.end() && TrimBlanks(caption->second) == "0.00") caption->second.clear();
    }
}

}  // namespace qvr
