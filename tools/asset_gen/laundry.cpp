#include "laundry.h"

#include <QLinearGradient>
#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "paint_kit.h"

namespace assets {

double Clothesline::ropeY(double x) const {
    const double mid = (leftX + rightX) / 2, half = (rightX - leftX) / 2;
    const double u = (x - mid) / half;
    return anchorY + sag * (1.0 - u * u);
}

namespace {

// Cloth in the wind: the lower it hangs the further it is pushed downwind,
// and the free edges ripple.
struct Wind {
    double length, height;  // of the piece, in its own coordinates
    double push;            // sideways shift at the bottom, per unit of height
    double ripple;          // size of the ripples
    double phase;

    QPointF operator()(QPointF q) const {
        const double v = std::clamp(q.y() / height, 0.0, 1.5);
        const double x =
            q.x() + push * q.y() * (0.6 + 0.4 * v) + ripple * v * std::sin(phase + q.x() / length * 5.0 + v * 3.0);
        const double y = q.y() + ripple * 0.8 * v * std::sin(phase * 1.7 + q.x() / length * 7.0);
        return {x, y};
    }
};

// Applies a non-linear map to a path, splitting edges first so straight
// stripes bend along with the cloth.
QPainterPath warped(const QPainterPath& path, const std::function<QPointF(QPointF)>& map) {
    QPainterPath out;
    for (const QPolygonF& poly : path.toSubpathPolygons()) {
        QPolygonF dense;
        for (int i = 0; i < poly.size(); ++i) {
            const QPointF a = poly[i], b = poly[(i + 1) % poly.size()];
            const int steps = std::max(1, int(std::hypot(b.x() - a.x(), b.y() - a.y()) / 4.0));
            for (int s = 0; s < steps; ++s) dense << map(a + (b - a) * (double(s) / steps));
        }
        out.addPolygon(dense);
        out.closeSubpath();
    }
    out.setFillRule(Qt::WindingFill);
    return out;
}

enum class Kind { TShirt, Towel, Sock, Dress, Shorts, Kerchief };
enum class Pattern { Plain, Stripes, Checks, Dots, Border };

struct Piece {
    Kind kind;
    double x0, x1;  // peg positions on the rope
    double height;
    QColor base, accent;
    Pattern pattern;
};

QPainterPath outline(Kind kind, double L, double H) {
    QPainterPath s;
    switch (kind) {
        case Kind::TShirt:
            s.moveTo(0, 0);
            s.lineTo(L * 0.36, 0);
            s.quadTo(L * 0.5, H * 0.12, L * 0.64, 0);
            s.lineTo(L, 0);
            s.lineTo(L * 1.28, H * 0.28);
            s.lineTo(L * 1.08, H * 0.42);
            s.lineTo(L * 0.92, H * 0.3);
            s.lineTo(L * 0.92, H);
            s.lineTo(L * 0.08, H);
            s.lineTo(L * 0.08, H * 0.3);
            s.lineTo(-L * 0.08, H * 0.42);
            s.lineTo(-L * 0.28, H * 0.28);
            s.closeSubpath();
            break;
        case Kind::Towel:
        case Kind::Kerchief: s.addRect(0, 0, L, H); break;
        case Kind::Sock:
            s.moveTo(0, 0);
            s.lineTo(L, 0);
            s.lineTo(L, H * 0.7);
            s.cubicTo(L, H * 0.82, L * 1.3, H * 0.78, L * 1.9, H * 0.8);
            s.cubicTo(L * 2.3, H * 0.82, L * 2.3, H, L * 1.9, H);
            s.lineTo(L * 0.4, H);
            s.cubicTo(0, H, 0, H * 0.92, 0, H * 0.75);
            s.closeSubpath();
            break;
        case Kind::Dress:
            s.moveTo(L * 0.15, 0);
            s.lineTo(L * 0.3, 0);
            s.quadTo(L * 0.5, H * 0.16, L * 0.7, 0);
            s.lineTo(L * 0.85, 0);
            s.lineTo(L * 0.82, H * 0.35);
            s.cubicTo(L * 1.1, H * 0.7, L * 1.25, H * 0.9, L * 1.25, H);
            s.quadTo(L * 0.5, H * 1.08, -L * 0.25, H);
            s.cubicTo(-L * 0.25, H * 0.9, -L * 0.1, H * 0.7, L * 0.18, H * 0.35);
            s.closeSubpath();
            break;
        case Kind::Shorts:
            s.moveTo(0, 0);
            s.lineTo(L, 0);
            s.lineTo(L * 1.08, H);
            s.lineTo(L * 0.56, H);
            s.lineTo(L * 0.5, H * 0.42);
            s.lineTo(L * 0.44, H);
            s.lineTo(-L * 0.08, H);
            s.closeSubpath();
            break;
    }
    return s;
}

QPainterPath patternPath(Pattern pattern, Kind kind, double L, double H) {
    QPainterPath s;
    const double w0 = -L * 0.5, w1 = L * 2.5;
    switch (pattern) {
        case Pattern::Plain: break;
        case Pattern::Stripes:
            if (kind == Kind::Sock) {
                for (double y = H * 0.08; y < H * 0.6; y += H * 0.14) s.addRect(w0, y, w1 - w0, H * 0.06);
            } else {
                for (double y = H * 0.12; y < H * 1.1; y += H * 0.16) s.addRect(w0, y, w1 - w0, H * 0.07);
            }
            break;
        case Pattern::Checks:
            for (double y = 0; y < H * 1.1; y += H / 7) s.addRect(w0, y, w1 - w0, H / 18);
            for (double x = -L * 0.3; x < L * 1.3; x += L / 6) s.addRect(x, 0, L / 16, H * 1.1);
            break;
        case Pattern::Dots:
            for (double y = H * 0.1; y < H * 1.1; y += H / 6)
                for (double x = -L * 0.3; x < L * 1.4; x += L / 4)
                    s.addEllipse(QPointF(x + (int(y / (H / 6)) % 2) * L / 8, y), L * 0.05, L * 0.05);
            break;
        case Pattern::Border:
            s.addRect(w0, H * 0.78, w1 - w0, H * 0.05);
            s.addRect(w0, H * 0.87, w1 - w0, H * 0.03);
            s.addRect(w0, H * 0.1, w1 - w0, H * 0.03);
            break;
    }
    return s;
}

void paintPiece(QPainter& p, const Clothesline& line, const Piece& piece, Rng& rng) {
    const QPointF a(piece.x0, line.ropeY(piece.x0)), b(piece.x1, line.ropeY(piece.x1));
    const double L = std::hypot(b.x() - a.x(), b.y() - a.y());
    const double H = piece.height;
    const double angle = std::atan2(b.y() - a.y(), b.x() - a.x()) * 180.0 / M_PI;
    const Wind wind{L, H, rng.range(0.22, 0.34), rng.range(2.0, 5.0), rng.range(0.0, 6.28)};

    p.save();
    p.translate(a);
    p.rotate(angle);
    const QPainterPath shape = warped(outline(piece.kind, L, H), wind);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawPath(shape.translated(6, 8));

    p.setBrush(piece.base);
    p.drawPath(shape);
    p.setClipPath(shape);
    p.setBrush(piece.accent);
    p.drawPath(warped(patternPath(piece.pattern, piece.kind, L, H), wind));
    if (piece.kind == Kind::Towel) {
        // Fringe along the hem.
        p.setPen(QPen(piece.accent.darker(110), 1.2));
        QPainterPath fringe;
        for (double x = 2; x < L; x += 4) {
            fringe.moveTo(x, H - 8);
            fringe.lineTo(x, H + 6);
        }
        p.setClipping(false);
        p.strokePath(warped(fringe, wind), p.pen());
        p.setClipPath(shape);
        p.setPen(Qt::NoPen);
    }
    if (piece.kind == Kind::TShirt && piece.pattern == Pattern::Plain) {
        // A star on the chest.
        p.setBrush(piece.accent);
        p.drawPath(warped(starPath(QPointF(L * 0.5, H * 0.5), L * 0.2, 8), wind));
    }
    if (piece.kind == Kind::Dress) {
        p.setBrush(Qt::white);
        p.drawPath(warped(QPainterPath([&] {
                              QPainterPath belt;
                              belt.addRect(-L, H * 0.36, 3 * L, H * 0.05);
                              return belt;
                          }()),
                          wind));
    }

    // Folds: soft bands of light and shadow across the cloth.
    QLinearGradient folds(0, 0, L * 1.4, 0);
    const int bands = 3 + rng.below(3);
    for (int i = 0; i <= bands * 2; ++i) {
        const double t = double(i) / (bands * 2);
        folds.setColorAt(t, i % 2 ? QColor(0, 0, 0, 42) : QColor(255, 255, 255, 38));
    }
    p.setBrush(folds);
    p.drawRect(QRectF(-L, -10, L * 4, H * 1.5));
    QLinearGradient shade(0, 0, 0, H * 1.1);
    shade.setColorAt(0.0, QColor(0, 0, 0, 55));
    shade.setColorAt(0.12, QColor(0, 0, 0, 0));
    shade.setColorAt(0.8, QColor(0, 0, 0, 0));
    shade.setColorAt(1.0, QColor(0, 0, 0, 45));
    p.setBrush(shade);
    p.drawRect(QRectF(-L, -10, L * 4, H * 1.5));
    p.setClipping(false);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(piece.base.darker(160), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(shape);
    p.restore();
}

void paintPeg(QPainter& p, QPointF at, double tilt) {
    p.save();
    p.translate(at);
    p.rotate(tilt);
    QLinearGradient wood(-3, 0, 3, 0);
    wood.setColorAt(0.0, QColor(0xc8, 0x8a, 0x4a));
    wood.setColorAt(0.5, QColor(0xf0, 0xc2, 0x80));
    wood.setColorAt(1.0, QColor(0xa8, 0x6a, 0x32));
    p.setPen(QPen(QColor(0x6e, 0x42, 0x1c), 1));
    p.setBrush(wood);
    p.drawRoundedRect(QRectF(-3.5, -9, 7, 22), 2.5, 2.5);
    p.setPen(QPen(QColor(0x90, 0x90, 0x98), 1.6));
    p.drawLine(QPointF(-3.5, 1), QPointF(3.5, 1));
    p.restore();
}

}  // namespace

void paintPoles(QPainter& p, const Clothesline& line) {
    for (double x : {line.leftX, line.rightX}) {
        const QRectF pole(x - 9, line.anchorY - 22, 18, line.groundY - line.anchorY + 22);
        QLinearGradient wood(pole.left(), 0, pole.right(), 0);
        wood.setColorAt(0.0, QColor(0x7a, 0x4e, 0x2a));
        wood.setColorAt(0.35, QColor(0xc4, 0x8c, 0x56));
        wood.setColorAt(1.0, QColor(0x5e, 0x3a, 0x1e));
        p.setPen(QPen(QColor(0x4a, 0x2c, 0x14), 1.5));
        p.setBrush(wood);
        p.drawRect(pole);
        // Grain and knots.
        p.setPen(QPen(QColor(0x5a, 0x36, 0x18, 120), 1));
        for (double y = pole.top() + 14; y < pole.bottom(); y += 37) {
            p.drawLine(QPointF(x - 3, y), QPointF(x - 2, y + 24));
            p.drawLine(QPointF(x + 4, y + 10), QPointF(x + 3, y + 30));
        }
        p.setBrush(QColor(0x5a, 0x36, 0x18));
        p.drawEllipse(QPointF(x + 1, line.anchorY + 120), 2.5, 4);
        // Cross bar the rope is tied to.
        p.setPen(QPen(QColor(0x4a, 0x2c, 0x14), 1.5));
        p.setBrush(wood);
        p.drawRect(QRectF(x - 34, line.anchorY - 6, 68, 12));
    }
}

void paintRopeAndWashing(QPainter& p, const Clothesline& line, Rng& rng) {
    const Piece pieces[] = {
        {Kind::TShirt, 118, 208, 150, QColor(0xe8, 0x44, 0x3c), Qt::white, Pattern::Stripes},
        {Kind::Sock, 252, 278, 84, QColor(0xff, 0xd0, 0x3a), QColor(0x3a, 0x8a, 0xe0), Pattern::Stripes},
        {Kind::Sock, 292, 318, 88, QColor(0xff, 0xd0, 0x3a), QColor(0x3a, 0x8a, 0xe0), Pattern::Stripes},
        {Kind::Towel, 348, 448, 170, QColor(0x39, 0x8c, 0xd8), QColor(0xff, 0xf2, 0xc4), Pattern::Border},
        {Kind::Dress, 484, 566, 180, QColor(0xff, 0x8c, 0xb8), QColor(255, 255, 255), Pattern::Dots},
        {Kind::Shorts, 606, 672, 96, QColor(0x3c, 0x9a, 0x5a), QColor(0x2a, 0x6c, 0x40), Pattern::Plain},
        {Kind::Towel, 700, 784, 132, QColor(0xff, 0xf4, 0xd8), QColor(0xf0, 0x80, 0x2a), Pattern::Checks},
        {Kind::TShirt, 814, 870, 92, QColor(0x7c, 0x5c, 0xd6), QColor(0xff, 0xe0, 0x4a), Pattern::Plain},
    };
    for (const Piece& piece : pieces) paintPiece(p, line, piece, rng);

    QPainterPath rope;
    rope.moveTo(line.leftX, line.anchorY);
    for (double x = line.leftX; x <= line.rightX; x += 8) rope.lineTo(x, line.ropeY(x));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x5a, 0x4a, 0x3a), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(rope);
    p.setPen(QPen(QColor(0xe8, 0xe0, 0xd0), 1.2, Qt::DotLine));
    p.drawPath(rope);

    for (const Piece& piece : pieces) {
        const double slope = std::atan((line.ropeY(piece.x0 + 1) - line.ropeY(piece.x0)) * 1.0) * 180.0 / M_PI;
        paintPeg(p, QPointF(piece.x0 + 4, line.ropeY(piece.x0 + 4)), slope);
        paintPeg(p, QPointF(piece.x1 - 4, line.ropeY(piece.x1 - 4)), slope);
    }
}

}  // namespace assets
