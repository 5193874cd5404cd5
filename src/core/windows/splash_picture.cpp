#include "core/windows/splash_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace qvr {
namespace {

const QColor kStone(0xF2, 0xEC, 0xDC);
const QColor kStoneShade(0xC9, 0xBF, 0xA6);

void PaintSky(QPainter& painter, const QRectF& area) {
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0.0, QColor(0x0B, 0x2A, 0x55));
    sky.setColorAt(0.7, QColor(0x2E, 0x5C, 0x8A));
    sky.setColorAt(1.0, QColor(0xE8, 0xA8, 0x62));
    painter.fillRect(area, sky);
}

void PaintGround(QPainter& painter, const QRectF& area) {
    QLinearGradient ground(area.topLeft(), area.bottomLeft());
    ground.setColorAt(0.0, QColor(0x3B, 0x4A, 0x3A));
    ground.setColorAt(1.0, QColor(0x1E, 0x28, 0x1F));
    painter.fillRect(area, ground);
}

// A temple front: steps, columns, architrave and pediment, centred on x.
void PaintCourthouse(QPainter& painter, double x, double base) {
    painter.setPen(QPen(kStoneShade, 1.5));
    const double width = 330;
    const double left = x - width / 2;
    for (int step = 0; step < 3; ++step) {
        const double inset = step * 12.0;
        painter.setBrush(step % 2 ? kStone : kStoneShade.lighter(110));
        painter.drawRect(QRectF(left - 30 + inset, base - 12 * (step + 1), width + 60 - 2 * inset, 12));
    }
    const double columnTop = base - 36 - 150;
    painter.setBrush(kStone);
    constexpr int kColumns = 6;
    for (int column = 0; column < kColumns; ++column) {
        const double cx = left + 22 + column * (width - 44) / (kColumns - 1);
        painter.drawRect(QRectF(cx - 13, columnTop, 26, 150));
        painter.drawRect(QRectF(cx - 17, columnTop - 8, 34, 8));
    }
    painter.drawRect(QRectF(left - 10, columnTop - 34, width + 20, 26));
    QPolygonF pediment;
    pediment << QPointF(left - 18, columnTop - 34) << QPointF(x, columnTop - 100) << QPointF(left + width + 18, columnTop - 34);
    painter.drawPolygon(pediment);
}

// The scales of justice in the pediment.
void PaintScales(QPainter& painter, double x, double top) {
    painter.setPen(QPen(QColor(0x8A, 0x6D, 0x1F), 2.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(x, top), QPointF(x, top + 34));
    painter.drawLine(QPointF(x - 26, top + 8), QPointF(x + 26, top + 8));
    for (const double side : {-26.0, 26.0}) {
        painter.drawLine(QPointF(x + side, top + 8), QPointF(x + side - 8, top + 22));
        painter.drawLine(QPointF(x + side, top + 8), QPointF(x + side + 8, top + 22));
        painter.drawArc(QRectF(x + side - 10, top + 16, 20, 12), 180 * 16, 180 * 16);
    }
}

void PaintStars(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 170));
    const QPointF stars[] = {{60, 40},  {140, 90},  {230, 30},  {330, 70},  {470, 25},
                             {560, 60}, {640, 35},  {720, 85},  {770, 30},  {410, 110}};
    for (const QPointF& star : stars) painter.drawEllipse(star, 1.6, 1.6);
}

}  // namespace

QPixmap SplashPicture() {
    QPixmap picture(kSplashPictureWidth, kSplashPictureHeight);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const double horizon = 400;
    PaintSky(painter, QRectF(0, 0, kSplashPictureWidth, horizon));
    PaintStars(painter);
    PaintGround(painter, QRectF(0, horizon, kSplashPictureWidth, kSplashPictureHeight - horizon));
    const double courthouseX = 580;
    PaintCourthouse(painter, courthouseX, horizon + 20);
    PaintScales(painter, courthouseX, horizon + 20 - 36 - 150 - 90);
    return picture;
}

}  // namespace qvr
