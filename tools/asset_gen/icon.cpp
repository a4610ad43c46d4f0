// The application icon: a 3 x 3 sliding puzzle with its last tile out,
// showing a sunny little landscape. Drawn afresh for every size so small
// icons keep crisp tile edges instead of a blurred downscale.
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

#include "drawings.h"
#include "paint_kit.h"

namespace assets {
namespace {

const QColor kFrameDark(0x23, 0x2f, 0x5c);
const QColor kFrameLight(0x4a, 0x60, 0xa8);
const QColor kHole(0x12, 0x18, 0x33);
const QColor kSkyTop(0x3f, 0xa9, 0xf5);
const QColor kSkyLow(0xb8, 0xec, 0xff);
const QColor kSun(0xff, 0xd0, 0x2a);
const QColor kSunRim(0xff, 0x8c, 0x1a);
const QColor kHillFar(0x7f, 0xd8, 0x5a);
const QColor kHillNear(0x2e, 0x9e, 0x3e);

// The whole picture the tiles are cut from, in a unit square.
void paintLandscape(QPainter& p, double size, int iconSize) {
    QLinearGradient sky(0, 0, 0, size);
    sky.setColorAt(0.0, kSkyTop);
    sky.setColorAt(0.7, kSkyLow);
    p.fillRect(QRectF(0, 0, size, size), sky);

    p.setPen(Qt::NoPen);
    if (iconSize >= 32) {
        p.setBrush(QColor(255, 255, 255, 235));
        const double u = size / 100.0;
        p.drawEllipse(QPointF(62 * u, 30 * u), 13 * u, 8 * u);
        p.drawEllipse(QPointF(74 * u, 25 * u), 11 * u, 10 * u);
        p.drawEllipse(QPointF(85 * u, 31 * u), 10 * u, 7 * u);
    }

    QPainterPath far;
    far.moveTo(0, size * 0.62);
    far.cubicTo(size * 0.3, size * 0.48, size * 0.55, size * 0.52, size * 0.75, size * 0.58);
    far.cubicTo(size * 0.85, size * 0.6, size * 0.95, size * 0.56, size, size * 0.55);
    far.lineTo(size, size);
    far.lineTo(0, size);
    p.setBrush(kHillFar);
    p.drawPath(far);

    QPainterPath near;
    near.moveTo(0, size * 0.82);
    near.cubicTo(size * 0.35, size * 0.64, size * 0.6, size * 0.7, size, size * 0.76);
    near.lineTo(size, size);
    near.lineTo(0, size);
    QLinearGradient g(0, size * 0.65, 0, size);
    g.setColorAt(0.0, kHillNear.lighter(115));
    g.setColorAt(1.0, kHillNear.darker(120));
    p.setBrush(g);
    p.drawPath(near);

    if (iconSize >= 64) {
        // Flowers dot the near hill once there is room for them.
        const QColor petals[] = {QColor(0xff, 0x5c, 0x8a), QColor(255, 255, 255), QColor(0xff, 0xe1, 0x4d)};
        const double u = size / 100.0;
        const double spots[][2] = {{10, 88}, {22, 80}, {36, 90}, {48, 79}, {60, 88}, {30, 96}};
        for (int i = 0; i < 6; ++i) {
            p.setBrush(petals[i % 3]);
            p.drawEllipse(QPointF(spots[i][0] * u, spots[i][1] * u), 2.6 * u, 2.6 * u);
        }
    }

    // The sun, the cheerful bit: it smiles when there are pixels to spare.
    const QPointF sc(size * 0.2, size * 0.2);
    const double r = size * 0.13;
    if (iconSize >= 24) {
        p.setPen(QPen(kSunRim, std::max(1.0, size * 0.025), Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 8; ++i) {
            const double a = i * M_PI / 4.0;
            p.drawLine(QPointF(sc.x() + std::cos(a) * r * 1.3, sc.y() + std::sin(a) * r * 1.3),
                       QPointF(sc.x() + std::cos(a) * r * 1.65, sc.y() + std::sin(a) * r * 1.65));
        }
    }
    QRadialGradient sg(sc - QPointF(r * 0.3, r * 0.3), r * 1.2);
    sg.setColorAt(0.0, kSun.lighter(125));
    sg.setColorAt(1.0, kSun);
    p.setPen(iconSize >= 24 ? QPen(kSunRim, std::max(0.8, size * 0.012)) : QPen(Qt::NoPen));
    p.setBrush(sg);
    p.drawEllipse(sc, r, r);
    if (iconSize >= 48) {
        const QColor face(0x9a, 0x4a, 0x00);
        p.setPen(Qt::NoPen);
        p.setBrush(face);
        p.drawEllipse(QPointF(sc.x() - r * 0.35, sc.y() - r * 0.15), r * 0.12, r * 0.16);
        p.drawEllipse(QPointF(sc.x() + r * 0.35, sc.y() - r * 0.15), r * 0.12, r * 0.16);
        p.setPen(QPen(face, r * 0.12, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(sc.x() - r * 0.5, sc.y() - r * 0.35, r, r * 0.85), -20 * 16, -140 * 16);
    }
}

}  // namespace

QList<QRgb> iconKeyColours() {
    return {kSun.rgb(), kSunRim.rgb(), kHole.rgb(), kFrameDark.rgb(), kFrameLight.rgb(), qRgb(255, 255, 255)};
}

QImage drawIcon(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    preparePainter(p);

    // Whole pixels for the frame and the tile grid keep small sizes sharp.
    const int margin = size >= 48 ? int(std::lround(size * 0.03)) : 0;
    const int border = std::max(1, int(std::lround(size * 0.07)));
    const int gap = std::max(1, int(std::lround(size * 0.028)));
    const int outer = size - 2 * margin;
    const double radius = std::max(1.5, size * 0.14);

    QRectF frame(margin, margin, outer, outer);
    QLinearGradient fg(0, margin, 0, margin + outer);
    fg.setColorAt(0.0, kFrameLight);
    fg.setColorAt(1.0, kFrameDark);
    p.setPen(Qt::NoPen);
    p.setBrush(fg);
    p.drawRoundedRect(frame, radius, radius);

    const int inner = outer - 2 * border;
    const int tile = (inner - 2 * gap) / 3;
    const int used = 3 * tile + 2 * gap;
    const int origin = margin + border + (inner - used) / 2;
    const double tileRadius = size >= 48 ? size * 0.035 : 0.0;

    p.setBrush(kHole);
    p.drawRoundedRect(QRectF(origin - gap * 0.5, origin - gap * 0.5, used + gap, used + gap), tileRadius, tileRadius);

    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const QRectF cell(origin + col * (tile + gap), origin + row * (tile + gap), tile, tile);
            if (row == 2 && col == 2) {
                if (size >= 48) {
                    // A hint of the slide: the neighbour is about to move in.
                    const QColor arrow(0xff, 0xd0, 0x2a, 200);
                    p.setPen(QPen(arrow, std::max(1.5, size * 0.03), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                    p.setBrush(Qt::NoBrush);
                    const QPointF c = cell.center();
                    const double a = tile * 0.22;
                    p.drawLine(QPointF(c.x() + a, c.y()), QPointF(c.x() - a, c.y()));
                    p.drawPolyline(QPolygonF({QPointF(c.x() - a * 0.2, c.y() - a * 0.7), QPointF(c.x() - a, c.y()),
                                              QPointF(c.x() - a * 0.2, c.y() + a * 0.7)}));
                    p.setPen(Qt::NoPen);
                }
                continue;
            }
            QPainterPath clip;
            clip.addRoundedRect(cell, tileRadius, tileRadius);
            p.save();
            p.setClipPath(clip);
            // Each tile shows its own part of the picture, gaps left out.
            p.translate(origin, origin);
            paintLandscape(p, used, size);
            p.restore();
            if (size >= 32) {
                // A lit top edge so the tiles read as pieces, not as a grid.
                p.setPen(QPen(QColor(255, 255, 255, 110), std::max(1.0, size / 64.0)));
                p.setBrush(Qt::NoBrush);
                p.drawLine(QPointF(cell.left() + tileRadius, cell.top() + 0.5),
                           QPointF(cell.right() - tileRadius, cell.top() + 0.5));
                p.setPen(Qt::NoPen);
            }
        }
    }
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace assets
