#pragma once
// The plain-language explanation of a worksheet C result.

#include "worksheet/explanation_sentences.h"

namespace qvr {

// Built from the result of the last worksheet C calculation (who lives with whom, who pays) and
// from the window's captions as shown; ages are counted on `today`. No line break at the end.
QString ExplanationTextC(const CaptionOf& caption, const CalculationVariables& result, const QDate& today);

}  // namespace qvr
