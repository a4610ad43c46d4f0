#include "paint_kit.h"

#include <QRadialGradient>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <vector>

namespace assets {

QColor mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(
        float(a.redF() + (b.redF() - a.redF()) * t), float(a.greenF() + (b.greenF() - a.greenF()) * t),
        float(a.blueF() + (b.blueF() - a.blueF()) * t), float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

void preparePainter(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::TextAntialiasing);
}

void paintCloud(QPainter& p, QPointF centre, double w, double h, Rng& rng, QColor light, QColor shade) {
    struct Puff {
        QPointF c;
        double r;
    };
    std::vector<Puff> puffs;
    const int n = 7 + rng.below(5);
    for (int i = 0; i < n; ++i) {
        const double t = (i + 0.5) / n;
        const double x = centre.x() + (t - 0.5) * w * 0.8;
        // Puffs in the middle rise highest, giving the cloud its dome.
        const double bulge = std::sin(t * M_PI);
        const double r = h * (0.28 + 0.3 * bulge) * rng.range(0.8, 1.15);
        const double y = centre.y() + h * 0.25 - r * 0.9 * bulge - rng.range(0.0, h * 0.08);
        puffs.push_back({QPointF(x, y), r});
    }
    // A flat-ish base ties the puffs together.
    QPainterPath body;
    for (const Puff& pf : puffs) body.addEllipse(pf.c, pf.r, pf.r);
    body.addRoundedRect(QRectF(centre.x() - w * 0.45, centre.y() - h * 0.05, w * 0.9, h * 0.32), h * 0.15, h * 0.15);
    body.setFillRule(Qt::WindingFill);
    body = body.simplified();

    p.save();
    p.setPen(Qt::NoPen);
    QColor under = shade;
    under.setAlphaF(0.35f);
    p.setBrush(under);
    p.drawPath(body.translated(0, h * 0.06));
    QLinearGradient g(0, centre.y() - h * 0.6, 0, centre.y() + h * 0.3);
    g.setColorAt(0.0, light);
    g.setColorAt(0.55, mix(light, shade, 0.25));
    g.setColorAt(1.0, shade);
    p.setBrush(g);
    p.drawPath(body);
    // Sunlit rims on the upper side of each puff.
    p.setClipPath(body);
    for (const Puff& pf : puffs) {
        QRadialGradient rg(pf.c - QPointF(pf.r * 0.25, pf.r * 0.35), pf.r * 0.9);
        QColor hi = light;
        hi.setAlphaF(0.85f);
        QColor none = light;
        none.setAlphaF(0.0f);
        rg.setColorAt(0.0, hi);
        rg.setColorAt(1.0, none);
        p.setBrush(rg);
        p.drawEllipse(pf.c, pf.r * 0.9, pf.r * 0.9);
    }
    p.restore();
}

void paintSparkle(QPainter& p, QPointF at, double radius, QColor colour) {
    p.save();
    p.setPen(Qt::NoPen);
    QRadialGradient halo(at, radius * 1.6);
    QColor c0 = colour;
    c0.setAlphaF(0.45f);
    QColor c1 = colour;
    c1.setAlphaF(0.0f);
    halo.setColorAt(0.0, c0);
    halo.setColorAt(1.0, c1);
    p.setBrush(halo);
    p.drawEllipse(at, radius * 1.6, radius * 1.6);
    QPainterPath s;
    const double k = radius * 0.18;
    s.moveTo(at.x(), at.y() - radius);
    s.quadTo(at.x() + k, at.y() - k, at.x() + radius, at.y());
    s.quadTo(at.x() + k, at.y() + k, at.x(), at.y() + radius);
    s.quadTo(at.x() - k, at.y() + k, at.x() - radius, at.y());
    s.quadTo(at.x() - k, at.y() - k, at.x(), at.y() - radius);
    p.setBrush(colour);
    p.drawPath(s);
    p.restore();
}

QPainterPath starPath(QPointF centre, double r, double degrees, double innerRatio) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double a = qDegreesToRadians(degrees - 90.0 + i * 36.0);
        const double rr = (i % 2 == 0) ? r : r * innerRatio;
        const QPointF pt(centre.x() + rr * std::cos(a), centre.y() + rr * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

void addGrain(QImage& image, Rng& rng, int amount) {
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int d = rng.below(2 * amount + 1) - amount;
            const QRgb c = line[x];
            line[x] = qRgba(std::clamp(qRed(c) + d, 0, 255), std::clamp(qGreen(c) + d, 0, 255),
                            std::clamp(qBlue(c) + d, 0, 255), qAlpha(c));
        }
    }
}

}  // namespace assets
