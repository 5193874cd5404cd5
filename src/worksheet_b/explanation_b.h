#pragma once
// The plain-language explanation of a worksheet B result.

#include "worksheet/explanation_sentences.h"
#include "worksheet_b/calculation.h"

namespace qvr {

// Built from a worksheet B result and from the window's captions as shown; ages are counted on
// `today`. No line break at the end.
QString ExplanationTextB(const CaptionOf& caption, const CalculationVariables& result, const QDate& today);

}  // namespace qvr
