// The about window's logo: one round, smiling face that spells the title
// one syllable per frame, with the whole word underneath filling in.
#include <QFont>
#include <QRadialGradient>

#include "drawings.h"
#include "paint_kit.h"

namespace assets {
namespace {

const QString kTitle = QStringLiteral("ペルノカ");
const QColor kInk(0x4a, 0x2c, 0x12);
const QColor kLetterColours[] = {QColor(0xe8, 0x3a, 0x4f), QColor(0xf0, 0x8a, 0x12), QColor(0x2f, 0xa8, 0x44),
                                 QColor(0x2d, 0x6c, 0xdf)};

void paintFace(QPainter& p) {
    const QPointF c(54, 52);
    const double r = 40;

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawEllipse(c + QPointF(3, 4), r, r);

    QRadialGradient skin(c - QPointF(14, 16), r * 1.5);
    skin.setColorAt(0.0, QColor(0xff, 0xf1, 0xa8));
    skin.setColorAt(0.6, QColor(0xff, 0xcc, 0x3d));
    skin.setColorAt(1.0, QColor(0xf0, 0x98, 0x1c));
    p.setPen(QPen(kInk, 2.2));
    p.setBrush(skin);
    p.drawEllipse(c, r, r);

    // A curl of hair on top.
    QPainterPath curl;
    curl.moveTo(c.x() - 4, c.y() - r + 1);
    curl.cubicTo(c.x() - 8, c.y() - r - 12, c.x() + 10, c.y() - r - 14, c.x() + 8, c.y() - r - 4);
    curl.cubicTo(c.x() + 6, c.y() - r + 1, c.x() + 1, c.y() - r - 2, c.x() + 3, c.y() - r - 6);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(curl);

    // Eyes with a sparkle.
    for (int side : {-1, 1}) {
        const QPointF e(c.x() + side * 14, c.y() - 8);
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawEllipse(e, 5.5, 8);
        p.setBrush(Qt::white);
        p.drawEllipse(e + QPointF(-1.8, -3), 2.2, 2.6);
        p.drawEllipse(e + QPointF(2, 3), 1, 1.2);
        // Blushing cheeks.
        QRadialGradient blush(QPointF(c.x() + side * 25, c.y() + 8), 9);
        blush.setColorAt(0.0, QColor(0xff, 0x6f, 0x8e, 200));
        blush.setColorAt(1.0, QColor(0xff, 0x6f, 0x8e, 0));
        p.setBrush(blush);
        p.drawEllipse(QPointF(c.x() + side * 25, c.y() + 8), 9, 7);
    }

    // A wide open smile with a tongue.
    QPainterPath mouth;
    mouth.moveTo(c.x() - 17, c.y() + 9);
    mouth.cubicTo(c.x() - 12, c.y() + 30, c.x() + 12, c.y() + 30, c.x() + 17, c.y() + 9);
    mouth.quadTo(c.x(), c.y() + 14, c.x() - 17, c.y() + 9);
    p.setPen(QPen(kInk, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0x8c, 0x1f, 0x2a));
    p.drawPath(mouth);
    p.save();
    p.setClipPath(mouth);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0x7a, 0x86));
    p.drawEllipse(QPointF(c.x() + 1, c.y() + 26), 10, 7);
    p.restore();
}

QPainterPath centredText(const QString& text, const QFont& font, QPointF centre) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    return path.translated(centre - box.center());
}

void paintLettering(QPainter& p, int frame) {
    QFont big(QStringLiteral("IPAGothic"));
    big.setPixelSize(58);
    const QColor colour = kLetterColours[frame - 1];
    const QPainterPath letter = centredText(kTitle.mid(frame - 1, 1), big, QPointF(148, 42));

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawPath(letter.translated(3, 3));
    // A thick pale rim first, then the letter, so it pops off the grey.
    p.setPen(QPen(Qt::white, 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(letter);
    QLinearGradient g(0, 14, 0, 72);
    g.setColorAt(0.0, colour.lighter(135));
    g.setColorAt(1.0, colour.darker(115));
    // IPAGothic has no bold face; a stroke in the letter's colour thickens it.
    p.setPen(QPen(colour.darker(125), 3.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(letter);

    // The whole title below, the syllables said so far in colour.
    QFont small(QStringLiteral("IPAGothic"));
    small.setPixelSize(15);
    for (int i = 0; i < kTitle.size(); ++i) {
        const QPainterPath ch = centredText(kTitle.mid(i, 1), small, QPointF(118 + i * 20, 88));
        if (i < frame) {
            p.setPen(QPen(kLetterColours[i], 1.2));
            p.setBrush(kLetterColours[i]);
        } else {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(160, 160, 160));
        }
        p.drawPath(ch);
    }
}

}  // namespace

QImage drawLogoFrame(int frame) {
    QImage img(kLogoWidth, kLogoHeight, QImage::Format_RGB32);
    img.fill(qRgb(192, 192, 192));
    if (frame < 1 || frame > kLogoFrames) return img;
    QPainter p(&img);
    preparePainter(p);
    paintFace(p);
    paintLettering(p, frame);
    return img;
}

}  // namespace assets
