#include "sleeping_cat.h"

#include <QRadialGradient>
#include <cmath>

#include "paint_kit.h"

namespace assets {
namespace {

const QColor kFur(0xf4, 0xa0, 0x48);
const QColor kFurDark(0xc8, 0x6a, 0x22);
const QColor kFurLine(0x7a, 0x3a, 0x10);
const QColor kPajama(0x9c, 0xc8, 0xf4);
const QColor kPajamaStripe(0x3a, 0x52, 0xa8);
const QColor kPajamaLine(0x2a, 0x3a, 0x78);
const QColor kCap(0xe0, 0x3a, 0x4a);

QPainterPath bodyPath() {
    QPainterPath body;
    body.addEllipse(QPointF(30, 12), 150, 80);
    body.addEllipse(QPointF(128, -4), 84, 74);
    body.setFillRule(Qt::WindingFill);
    return body.simplified();
}

void paintTail(QPainter& p) {
    QPainterPath tail;
    // Wrapped round the front, tip tucked up by the paws.
    tail.moveTo(196, 20);
    tail.cubicTo(236, 80, 170, 100, 90, 92);
    tail.cubicTo(20, 86, -20, 86, -44, 66);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kFurLine, 30, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(tail);
    p.setPen(QPen(kFur, 26, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(tail);
    // Tabby rings: a dashed stroke over the tail.
    QPen rings(kFurDark, 26, Qt::CustomDashLine, Qt::FlatCap);
    rings.setDashPattern({0.35, 0.9});
    p.setPen(rings);
    p.drawPath(tail);
}

void paintBody(QPainter& p) {
    const QPainterPath body = bodyPath();
    p.setPen(Qt::NoPen);
    p.setBrush(kPajama);
    p.drawPath(body);
    p.save();
    p.setClipPath(body);
    // Stripes wrapping round the curled back.
    for (int i = -6; i < 12; ++i) {
        const double x = i * 30.0;
        QPainterPath stripe;
        stripe.moveTo(x - 30, -110);
        stripe.quadTo(x + 40, 10, x - 10, 130);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(i % 2 ? QColor(255, 255, 255, 230) : kPajamaStripe, i % 2 ? 6 : 10));
        p.drawPath(stripe);
    }
    QRadialGradient light(QPointF(40, -70), 240);
    light.setColorAt(0.0, QColor(255, 255, 255, 70));
    light.setColorAt(0.5, QColor(0, 0, 0, 0));
    light.setColorAt(1.0, QColor(10, 10, 50, 120));
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawRect(QRectF(-200, -150, 450, 300));
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kPajamaLine, 2.4));
    p.drawPath(body);

    // Buttons down the front of the top.
    for (int i = 0; i < 3; ++i) {
        const QPointF b(-52 + i * 22, 30 + i * 20);
        p.setPen(QPen(QColor(0xb0, 0x80, 0x10), 1.5));
        p.setBrush(QColor(0xff, 0xd8, 0x40));
        p.drawEllipse(b, 7, 7);
        p.setBrush(QColor(0xb0, 0x80, 0x10));
        p.drawEllipse(b + QPointF(-2, 0), 1, 1);
        p.drawEllipse(b + QPointF(2, 0), 1, 1);
    }
    // A hind paw peeping out of the trouser leg.
    p.setPen(QPen(kFurLine, 2));
    p.setBrush(kFur);
    p.drawEllipse(QPointF(176, 62), 26, 17);
    p.setPen(QPen(kPajamaLine, 2));
    p.setBrush(kPajama);
    p.drawRoundedRect(QRectF(140, 44, 22, 36), 8, 8);
    p.setPen(QPen(kFurLine, 1.4));
    for (int t = 0; t < 3; ++t) p.drawLine(QPointF(186 + t * 6, 52 + t * 2), QPointF(190 + t * 6, 60 + t * 2));
}

void paintFrontPaws(QPainter& p) {
    for (const QPointF at : {QPointF(-150, 66), QPointF(-98, 74)}) {
        p.setPen(QPen(kPajamaLine, 2));
        p.setBrush(kPajama);
        p.drawRoundedRect(QRectF(at.x() + 18, at.y() - 20, 30, 38), 10, 10);
        p.setPen(QPen(QColor(255, 255, 255), 4));
        p.drawLine(QPointF(at.x() + 26, at.y() - 16), QPointF(at.x() + 26, at.y() + 14));
        p.setPen(QPen(kFurLine, 2));
        p.setBrush(kFur);
        p.drawEllipse(at, 30, 20);
        p.setPen(QPen(kFurLine, 1.4));
        for (int t = -1; t <= 1; ++t)
            p.drawLine(QPointF(at.x() - 20, at.y() + t * 7), QPointF(at.x() - 28, at.y() + t * 8));
    }
}

void paintHead(QPainter& p) {
    p.save();
    p.translate(-130, -4);
    p.rotate(-10);
    const double r = 66;

    // Ear on the far side (the near one is under the cap).
    QPainterPath ear;
    ear.moveTo(-56, -30);
    ear.lineTo(-62, -92);
    ear.lineTo(-14, -58);
    ear.closeSubpath();
    p.setPen(QPen(kFurLine, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kFur);
    p.drawPath(ear);
    QPainterPath inner;
    inner.moveTo(-50, -40);
    inner.lineTo(-55, -78);
    inner.lineTo(-24, -56);
    inner.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xa8, 0xb8));
    p.drawPath(inner);

    QPainterPath head;
    head.addEllipse(QPointF(0, 0), r * 1.08, r * 0.94);
    QRadialGradient fur(QPointF(-20, -26), r * 1.4);
    fur.setColorAt(0.0, kFur.lighter(118));
    fur.setColorAt(1.0, kFurDark);
    p.setPen(QPen(kFurLine, 2.4));
    p.setBrush(fur);
    p.drawPath(head);
    p.save();
    p.setClipPath(head);
    // Tabby marks on the forehead and cheeks.
    p.setPen(QPen(kFurDark.darker(115), 5, Qt::SolidLine, Qt::RoundCap));
    for (int i = -1; i <= 1; ++i) p.drawLine(QPointF(i * 14, -60), QPointF(i * 10, -36));
    p.drawLine(QPointF(-72, 6), QPointF(-50, 10));
    p.drawLine(QPointF(-72, 20), QPointF(-52, 20));
    p.drawLine(QPointF(72, 6), QPointF(50, 10));
    p.drawLine(QPointF(72, 20), QPointF(52, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xf0, 0xdc));
    p.drawEllipse(QPointF(0, 34), 36, 26);
    p.restore();

    // Sleeping eyes, blushing cheeks, nose and a little smile.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kFurLine.darker(130), 3.4, Qt::SolidLine, Qt::RoundCap));
    for (int side : {-1, 1}) {
        p.drawArc(QRectF(side * 28 - 16, -6, 32, 18), 200 * 16, 140 * 16);
        p.drawLine(QPointF(side * 28 + side * 15, 6), QPointF(side * 28 + side * 21, 10));
    }
    p.setPen(Qt::NoPen);
    for (int side : {-1, 1}) {
        QRadialGradient blush(QPointF(side * 44, 22), 14);
        blush.setColorAt(0.0, QColor(0xff, 0x6a, 0x8a, 170));
        blush.setColorAt(1.0, QColor(0xff, 0x6a, 0x8a, 0));
        p.setBrush(blush);
        p.drawEllipse(QPointF(side * 44, 22), 14, 10);
    }
    QPainterPath nose;
    nose.moveTo(-7, 18);
    nose.lineTo(7, 18);
    nose.lineTo(0, 26);
    nose.closeSubpath();
    p.setBrush(QColor(0xf0, 0x70, 0x8a));
    p.setPen(QPen(QColor(0xa0, 0x3a, 0x4a), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(nose);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kFurLine, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(-12, 22, 12, 10), 180 * 16, 180 * 16);
    p.drawArc(QRectF(0, 22, 12, 10), 180 * 16, 180 * 16);
    p.setPen(QPen(QColor(255, 255, 255, 220), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int side : {-1, 1})
        for (int k = 0; k < 3; ++k)
            p.drawLine(QPointF(side * 30, 30 + k * 6), QPointF(side * (78 + k * 4), 22 + k * 12));

    // The night cap: a fur band round the head and a striped tail that
    // droops over the back, ending in a pompom.
    QPainterPath cone;
    cone.moveTo(-40, -56);
    cone.cubicTo(-20, -130, 60, -150, 120, -96);
    cone.cubicTo(130, -84, 120, -74, 112, -80);
    cone.cubicTo(80, -106, 50, -90, 58, -40);
    cone.closeSubpath();
    p.setPen(QPen(kCap.darker(160), 2));
    p.setBrush(kCap);
    p.drawPath(cone);
    p.save();
    p.setClipPath(cone);
    p.setPen(QPen(QColor(255, 255, 255), 9));
    for (int i = 0; i < 6; ++i) {
        const double x = -40 + i * 30;
        p.drawLine(QPointF(x, -40), QPointF(x + 40, -150));
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kCap.darker(160), 2));
    p.drawPath(cone);
    p.setPen(QPen(QColor(0xb8, 0xb0, 0xc8), 1.5));
    p.setBrush(QColor(0xfc, 0xfa, 0xff));
    p.drawRoundedRect(QRectF(-52, -70, 118, 28), 14, 14);
    p.drawEllipse(QPointF(120, -84), 17, 17);
    p.restore();
}

}  // namespace

void paintSleepingCat(QPainter& p, QPointF centre, double scale) {
    p.save();
    p.translate(centre);
    p.scale(scale, scale);
    paintBody(p);
    paintTail(p);
    paintFrontPaws(p);
    paintHead(p);
    p.restore();
}

}  // namespace assets
