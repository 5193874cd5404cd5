#pragma once
// The plain-language explanation of a worksheet A result.

#include "worksheet/explanation_sentences.h"

namespace qvr {

// Built from the result of the last worksheet A calculation and from the window's captions as
// shown; ages are counted on `today`. No line break at the end.
QString ExplanationTextA(const CaptionOf& caption, const CalculationVariables& result, const QDate& today);

}  // namespace qvr
