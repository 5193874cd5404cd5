#include "worksheet/captions.h"

#include "core/values.h"

namespace qvr {

QString AmountCaption(double value) { return Format(value, "##,##0.00") + " "; }

QString ShareCaption(double value) { return Format(value, "##0.00") + " "; }

QString CountCaption(double count) { return count > 0 ? "(" + Format(count, "##") + ")" : QString(); }

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
