#include "support/text_room.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace qvr::test {
namespace {

constexpr int kSideBlank = 2;  // what a line edit leaves free at each side of its text
constexpr int kCursorWidth = 1;

}  // namespace

int TextRoom(const QLineEdit* box) {
    QStyleOptionFrame frame;
    frame.initFrom(box);
    frame.rect = box->contentsRect();
    frame.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, box) : 0;
    frame.state |= QStyle::State_Sunken;
    const QRect contents =
        box->style()->subElementRect(QStyle::SE_LineEditContents, &frame, box).marginsRemoved(box->textMargins());
    return contents.width() - 2 * kSideBlank - kCursorWidth;
}

bool ShowsWhole(const QLineEdit* box, const QString& text) {
    return box->fontMetrics().horizontalAdvance(text) <= TextRoom(box);
}

}  // namespace qvr::test
