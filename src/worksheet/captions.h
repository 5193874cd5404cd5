#pragma once
// How a worksheet shows its figures, and the "Show/Hide Zeros" rule.

#include "worksheet/court_form_layout.h"
#include "worksheet/worksheet_result.h"

namespace qvr {

// A figure wider than its cell and its blank on the court form shows kTooLarge (a count: "(#)").
QString AmountCaption(double value);  // "##,##0.00" and one blank
QString CreditCaption(double value);  // the same, in the cell beside the count of other children
QString ShareCaption(double value);   // "##0.00" and one blank
QString CountCaption(double count);   // "(2)"; empty for none
QString WholeCaption(double value);   // a whole number: "2", "0"

// The plaintiff's and the defendant's cell of a line (lblP<line>, lblD<line>) in one caption pattern.
void WritePartyCaptions(WorksheetResult& result, const QString& line, QString (*caption)(double), double plaintiff,
                        double defendant);

// Empties every figure cell of the form (amounts, shares, counts) whose caption, trimmed, is
// "0.00".
void BlankZeroFigures(WorksheetResult& result, const CourtFormLayout& form);

}  // namespace qvr
