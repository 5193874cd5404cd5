#pragma once
// The plain-language explanation of a worksheet A result.

#include <QDate>
#include <QString>
#include <functional>

namespace qvr {

// Built from the state the last worksheet A calculation left in `state` and from the window's
// label captions as shown (caption(objectName), e.g. caption("lblPInc")); ages are counted on
// `today`. Paragraphs are separated by two CR LF pairs; no line break at the end.
QString ExplanationTextA(const std::function<QString(const QString& label)>& caption, const QDate& today);

}  // namespace qvr
