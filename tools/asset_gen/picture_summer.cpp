// "pantira": a bright, windy summer day, washing on the line.
#include <QLinearGradient>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <vector>

#include "drawings.h"
#include "laundry.h"
#include "paint_kit.h"

namespace assets {
namespace {

constexpr double W = kPictureWidth;
constexpr double H = kPictureHeight;
constexpr double kMeadowTop = 560;

void paintSky(QPainter& p) {
    QLinearGradient sky(0, 0, 0, kMeadowTop);
    sky.setColorAt(0.0, QColor(0x1f, 0x6f, 0xd0));
    sky.setColorAt(0.45, QColor(0x5c, 0xaa, 0xf0));
    sky.setColorAt(0.85, QColor(0xb4, 0xe2, 0xff));
    sky.setColorAt(1.0, QColor(0xe4, 0xf6, 0xff));
    p.fillRect(QRectF(0, 0, W, kMeadowTop), sky);
}

void paintSun(QPainter& p) {
    const QPointF c(118, 104);
    QRadialGradient glow(c, 260);
    glow.setColorAt(0.0, QColor(255, 250, 210, 230));
    glow.setColorAt(0.25, QColor(255, 240, 170, 110));
    glow.setColorAt(1.0, QColor(255, 240, 170, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, 260, 260);

    p.save();
    p.translate(c);
    for (int i = 0; i < 16; ++i) {
        p.rotate(22.5);
        QPainterPath ray;
        const double len = (i % 2) ? 92 : 120;
        ray.moveTo(-7, 62);
        ray.lineTo(0, len);
        ray.lineTo(7, 62);
        p.setBrush(QColor(255, 220, 90, (i % 2) ? 150 : 200));
        p.drawPath(ray);
    }
    p.restore();

    QRadialGradient core(c - QPointF(14, 16), 62);
    core.setColorAt(0.0, QColor(0xff, 0xfc, 0xe0));
    core.setColorAt(0.5, QColor(0xff, 0xe2, 0x5a));
    core.setColorAt(1.0, QColor(0xff, 0xb8, 0x2a));
    p.setBrush(core);
    p.setPen(QPen(QColor(0xff, 0xa0, 0x20), 2.5));
    p.drawEllipse(c, 54, 54);
}

void paintClouds(QPainter& p, Rng& rng) {
    struct C {
        double x, y, w, h;
    };
    const C clouds[] = {{330, 92, 270, 112}, {660, 60, 300, 118}, {880, 178, 210, 92}, {232, 228, 170, 66},
                        {548, 214, 190, 70}, {70, 326, 150, 54},  {420, 392, 200, 58}, {760, 372, 230, 68},
                        {910, 430, 130, 44}, {220, 452, 160, 42}};
    for (const C& c : clouds)
        paintCloud(p, QPointF(c.x, c.y), c.w, c.h, rng, QColor(255, 255, 255), QColor(0xb0, 0xc4, 0xdc));
}

void paintBirds(QPainter& p) {
    const double birds[][3] = {{470, 160, 14}, {505, 140, 11}, {530, 176, 9}, {790, 112, 12},
                               {820, 96, 9},   {120, 250, 10}, {640, 260, 8}, {36, 60, 9}};
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x2a, 0x34, 0x4a), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const auto& b : birds) {
        const double x = b[0], y = b[1], s = b[2];
        QPainterPath wing;
        wing.moveTo(x - s, y - s * 0.3);
        wing.quadTo(x - s * 0.5, y - s * 0.6, x, y);
        wing.quadTo(x + s * 0.5, y - s * 0.7, x + s * 1.1, y - s * 0.45);
        p.drawPath(wing);
    }
}

QPainterPath ridge(Rng& rng, double base, double amplitude, double waves) {
    QPainterPath path;
    path.moveTo(0, H);
    const double phase = rng.range(0, 6.28), phase2 = rng.range(0, 6.28);
    for (double x = 0; x <= W + 8; x += 8) {
        const double y = base - amplitude * (0.6 * std::sin(x / W * waves * M_PI + phase) +
                                             0.4 * std::sin(x / W * waves * 2.3 * M_PI + phase2));
        path.lineTo(x, y);
    }
    path.lineTo(W, H);
    path.closeSubpath();
    return path;
}

void paintTree(QPainter& p, QPointF base, double size, Rng& rng) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6a, 0x44, 0x22));
    p.drawRect(QRectF(base.x() - size * 0.08, base.y() - size * 0.5, size * 0.16, size * 0.5));
    for (int i = 0; i < 5; ++i) {
        const double dx = rng.range(-0.3, 0.3) * size, dy = rng.range(-0.25, 0.15) * size;
        const QPointF c(base.x() + dx, base.y() - size * 0.85 + dy);
        const double r = size * rng.range(0.28, 0.4);
        QRadialGradient g(c - QPointF(r * 0.3, r * 0.4), r * 1.3);
        g.setColorAt(0.0, QColor(0x8e, 0xd0, 0x52));
        g.setColorAt(1.0, QColor(0x2c, 0x7a, 0x30));
        p.setBrush(g);
        p.drawEllipse(c, r, r);
    }
}

void paintHouse(QPainter& p) {
    const QRectF wall(640, 430, 120, 86);
    QLinearGradient wg(wall.left(), 0, wall.right(), 0);
    wg.setColorAt(0.0, QColor(0xff, 0xf4, 0xdc));
    wg.setColorAt(1.0, QColor(0xe6, 0xcf, 0xa8));
    p.setPen(QPen(QColor(0x8a, 0x6a, 0x4a), 1.5));
    p.setBrush(wg);
    p.drawRect(wall);
    // Weatherboards.
    p.setPen(QPen(QColor(0xc8, 0xae, 0x88), 1));
    for (double y = wall.top() + 9; y < wall.bottom(); y += 9)
        p.drawLine(QPointF(wall.left() + 1, y), QPointF(wall.right() - 1, y));

    QPainterPath roof;
    roof.moveTo(wall.left() - 16, wall.top() + 4);
    roof.lineTo(wall.center().x(), wall.top() - 56);
    roof.lineTo(wall.right() + 16, wall.top() + 4);
    roof.closeSubpath();
    QLinearGradient rg(0, wall.top() - 56, 0, wall.top());
    rg.setColorAt(0.0, QColor(0xe8, 0x50, 0x3a));
    rg.setColorAt(1.0, QColor(0xa8, 0x2a, 0x22));
    p.setPen(QPen(QColor(0x7a, 0x1c, 0x14), 1.5));
    p.setBrush(rg);
    p.drawPath(roof);
    p.setClipPath(roof);
    p.setPen(QPen(QColor(0x8a, 0x20, 0x18, 160), 1.2));
    for (double y = wall.top() - 50; y < wall.top() + 4; y += 8)
        p.drawLine(QPointF(wall.left() - 20, y), QPointF(wall.right() + 20, y));
    p.setClipping(false);
    p.setPen(QPen(QColor(0x5a, 0x3a, 0x2a), 1.2));
    p.setBrush(QColor(0x9a, 0x5a, 0x3a));
    p.drawRect(QRectF(wall.right() - 32, wall.top() - 50, 14, 30));

    // Windows with cross bars, and a door.
    for (double x : {wall.left() + 14, wall.right() - 40}) {
        const QRectF win(x, wall.top() + 18, 26, 24);
        p.setPen(QPen(Qt::white, 3));
        p.setBrush(QColor(0x6c, 0xb4, 0xe8));
        p.drawRect(win);
        p.setPen(QPen(Qt::white, 2));
        p.drawLine(QPointF(win.center().x(), win.top()), QPointF(win.center().x(), win.bottom()));
        p.drawLine(QPointF(win.left(), win.center().y()), QPointF(win.right(), win.center().y()));
    }
    p.setPen(QPen(QColor(0x4a, 0x2a, 0x14), 1.5));
    p.setBrush(QColor(0x3a, 0x8a, 0x6a));
    p.drawRect(QRectF(wall.center().x() - 11, wall.bottom() - 40, 22, 40));
    p.setBrush(QColor(0xff, 0xd0, 0x40));
    p.drawEllipse(QPointF(wall.center().x() + 6, wall.bottom() - 20), 2, 2);
}

void paintHills(QPainter& p, Rng& rng) {
    QLinearGradient far(0, 410, 0, kMeadowTop);
    far.setColorAt(0.0, QColor(0x8c, 0xc0, 0xb4));
    far.setColorAt(1.0, QColor(0xa8, 0xd4, 0xa8));
    p.setPen(Qt::NoPen);
    p.setBrush(far);
    p.drawPath(ridge(rng, 462, 28, 2.2));

    QLinearGradient mid(0, 470, 0, kMeadowTop + 20);
    mid.setColorAt(0.0, QColor(0x7c, 0xc8, 0x5a));
    mid.setColorAt(1.0, QColor(0x4e, 0xa4, 0x3c));
    p.setBrush(mid);
    const QPainterPath midHill = ridge(rng, 512, 22, 1.6);
    p.drawPath(midHill);
    // Hedgerows across the far fields.
    for (int i = 0; i < 5; ++i) {
        const double y = 502 + i * 10, x0 = rng.range(-40, 380), len = rng.range(160, 420);
        for (double x = x0; x < x0 + len; x += 5) {
            p.setBrush(QColor(0x3a, 0x86, 0x38, 150 + rng.below(60)));
            p.drawEllipse(QPointF(x, y + std::sin(x * 0.01) * 4), rng.range(2.5, 4.0), rng.range(2.0, 3.2));
        }
    }

    for (int i = 0; i < 14; ++i) {
        const double x = rng.range(10, 950);
        if (x > 620 && x < 790) continue;
        paintTree(p, QPointF(x, rng.range(500, 535)), rng.range(26, 46), rng);
    }
    paintHouse(p);
}

void paintMeadow(QPainter& p, Rng& rng) {
    QLinearGradient g(0, kMeadowTop - 30, 0, H);
    g.setColorAt(0.0, QColor(0x8a, 0xd0, 0x56));
    g.setColorAt(0.5, QColor(0x5c, 0xb0, 0x3a));
    g.setColorAt(1.0, QColor(0x34, 0x84, 0x26));
    QPainterPath ground;
    ground.moveTo(0, kMeadowTop);
    ground.cubicTo(W * 0.3, kMeadowTop - 26, W * 0.7, kMeadowTop + 12, W, kMeadowTop - 14);
    ground.lineTo(W, H);
    ground.lineTo(0, H);
    ground.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(ground);

    // Patches of lighter and darker growth, waving in the wind.
    for (int i = 0; i < 60; ++i) {
        const double y = rng.range(kMeadowTop, H);
        const double t = (y - kMeadowTop) / (H - kMeadowTop);
        const double x = rng.range(-50, W + 50);
        const bool light = rng.chance(0.5);
        p.setBrush(light ? QColor(0xb4, 0xe0, 0x6a, 50) : QColor(0x22, 0x60, 0x1a, 45));
        p.drawEllipse(QPointF(x, y), 40 + 120 * t, 8 + 26 * t);
    }
}

void paintBlade(QPainter& p, QPointF base, double len, double width, double lean, QColor colour) {
    QPainterPath blade;
    const QPointF tip(base.x() + lean, base.y() - len);
    blade.moveTo(base.x() - width / 2, base.y());
    blade.quadTo(base.x() - width / 2 + lean * 0.2, base.y() - len * 0.6, tip.x(), tip.y());
    blade.quadTo(base.x() + width / 2 + lean * 0.3, base.y() - len * 0.5, base.x() + width / 2, base.y());
    blade.closeSubpath();
    p.setBrush(colour);
    p.drawPath(blade);
}

// A flower rooted at `root`, its head held up above the grass.
void paintFlower(QPainter& p, QPointF root, double size, int kind, Rng& rng) {
    const QPointF at(root.x() + size * 0.8, root.y() - size * 2.4);
    p.setPen(QPen(QColor(0x2e, 0x7a, 0x22), std::max(1.0, size * 0.16)));
    p.drawLine(root, at);
    p.setPen(Qt::NoPen);
    const QColor petals[] = {QColor(255, 255, 255), QColor(0xff, 0xe0, 0x30), QColor(0xf0, 0x3a, 0x4a),
                             QColor(0xc0, 0x7a, 0xf0), QColor(0xff, 0x8c, 0xc0)};
    const QColor centre[] = {QColor(0xff, 0xc8, 0x20), QColor(0xe0, 0x8a, 0x10), QColor(0x3a, 0x1a, 0x1a),
                             QColor(0xff, 0xf0, 0x80), QColor(0xff, 0xf0, 0x80)};
    const int n = kind == 0 ? 10 : 5;
    const double turn = rng.range(0, 360);
    p.save();
    p.translate(at);
    p.rotate(turn);
    for (int i = 0; i < n; ++i) {
        p.rotate(360.0 / n);
        p.setBrush(petals[kind]);
        p.drawEllipse(QPointF(0, -size * 0.55), size * (kind == 0 ? 0.18 : 0.34), size * 0.5);
    }
    p.setBrush(centre[kind]);
    p.drawEllipse(QPointF(0, 0), size * 0.3, size * 0.3);
    p.restore();
}

// Blades and flowers, far ones first, bending downwind.
void paintGrassAndFlowers(QPainter& p, Rng& rng) {
    struct Item {
        double y;
        bool flower;
        double x;
        int kind;
    };
    std::vector<Item> items;
    for (int i = 0; i < 9000; ++i) {
        const double t = std::pow(rng.unit(), 0.8);
        const double x = rng.range(-10, W + 10);
        items.push_back({kMeadowTop - 10 + t * (H - kMeadowTop + 30), false, x, 0});
    }
    for (int i = 0; i < 300; ++i) {
        const double t = std::sqrt(rng.unit());
        const double x = rng.range(0, W);
        const int kind = rng.below(5);
        items.push_back({kMeadowTop + 6 + t * (H - kMeadowTop), true, x, kind});
    }
    std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) { return a.y < b.y; });

    p.setPen(Qt::NoPen);
    for (const Item& it : items) {
        const double t = std::clamp((it.y - kMeadowTop) / (H - kMeadowTop), 0.0, 1.0);
        if (it.flower) {
            paintFlower(p, QPointF(it.x, it.y), 3 + 12 * t * t + 3 * t, it.kind, rng);
            p.setPen(Qt::NoPen);
            continue;
        }
        const double len = (7 + 46 * std::pow(t, 1.4)) * rng.range(0.7, 1.3);
        const double width = 1.2 + 4.0 * t;
        const double lean = len * rng.range(0.15, 0.55);
        const double shade = rng.range(0.0, 1.0);
        const QColor dark(0x2a, 0x78, 0x20), light(0xa8, 0xe0, 0x5a);
        paintBlade(p, QPointF(it.x, it.y), len, width, lean, mix(dark, light, shade * (0.6 + 0.4 * (1 - t))));
    }
}

void paintSunflower(QPainter& p, QPointF head, double size, double groundY) {
    p.setPen(QPen(QColor(0x3a, 0x7a, 0x22), size * 0.12, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath stem;
    stem.moveTo(head.x() - size * 0.3, groundY);
    stem.cubicTo(head.x() - size * 0.4, groundY - (groundY - head.y()) * 0.5, head.x() - size * 0.3, head.y() + size,
                 head.x(), head.y());
    p.drawPath(stem);
    p.setPen(QPen(QColor(0x2a, 0x6a, 0x1a), 1.5));
    p.setBrush(QColor(0x4a, 0x9a, 0x2e));
    for (int i = 0; i < 3; ++i) {
        const double y = groundY - (groundY - head.y()) * (0.25 + 0.22 * i);
        const double side = i % 2 ? 1 : -1;
        QPainterPath leaf;
        const QPointF at(head.x() - size * 0.33, y);
        leaf.moveTo(at);
        leaf.quadTo(at + QPointF(side * size * 0.5, -size * 0.45), at + QPointF(side * size * 1.1, -size * 0.05));
        leaf.quadTo(at + QPointF(side * size * 0.5, size * 0.25), at);
        p.drawPath(leaf);
    }
    p.save();
    p.translate(head);
    p.rotate(12);
    for (int ring = 0; ring < 2; ++ring) {
        for (int i = 0; i < 18; ++i) {
            p.save();
            p.rotate(i * 20 + ring * 10);
            p.setPen(QPen(QColor(0xc8, 0x82, 0x00), 1));
            p.setBrush(ring ? QColor(0xff, 0xd4, 0x1a) : QColor(0xf4, 0xb0, 0x10));
            p.drawEllipse(QPointF(0, -size * 0.62), size * 0.14, size * 0.36);
            p.restore();
        }
    }
    QRadialGradient seeds(QPointF(-size * 0.1, -size * 0.1), size * 0.45);
    seeds.setColorAt(0.0, QColor(0x8a, 0x52, 0x1a));
    seeds.setColorAt(1.0, QColor(0x3a, 0x20, 0x0a));
    p.setPen(Qt::NoPen);
    p.setBrush(seeds);
    p.drawEllipse(QPointF(0, 0), size * 0.38, size * 0.38);
    p.setBrush(QColor(0xc8, 0x8a, 0x3a, 150));
    for (int i = 0; i < 40; ++i) {
        const double a = i * 2.39996, r = size * 0.34 * std::sqrt((i + 0.5) / 40.0);
        p.drawEllipse(QPointF(r * std::cos(a), r * std::sin(a)), 1.4, 1.4);
    }
    p.restore();
}

void paintTulips(QPainter& p, QPointF base, double scale, Rng& rng) {
    p.save();
    p.translate(base);
    p.scale(scale, scale);
    p.translate(-base);
    const QColor colours[] = {QColor(0xe8, 0x2a, 0x3a), QColor(0xff, 0x9a, 0x1a), QColor(0xff, 0x6a, 0xb0),
                              QColor(0xe8, 0x2a, 0x3a), QColor(0xb8, 0x5a, 0xe8)};
    for (int i = 0; i < 5; ++i) {
        const QPointF foot(base.x() + i * 20 - 40, base.y() + (i % 2) * 10);
        const QPointF head(foot.x() + rng.range(6, 22), foot.y() - rng.range(70, 100));
        p.setPen(QPen(QColor(0x2e, 0x7a, 0x22), 3.5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawLine(foot, head);
        p.setPen(QPen(colours[i].darker(150), 1.2));
        p.setBrush(colours[i]);
        QPainterPath cup;
        cup.moveTo(head.x() - 11, head.y() - 16);
        cup.lineTo(head.x() - 4, head.y() - 8);
        cup.lineTo(head.x(), head.y() - 18);
        cup.lineTo(head.x() + 4, head.y() - 8);
        cup.lineTo(head.x() + 11, head.y() - 16);
        cup.cubicTo(head.x() + 12, head.y() + 2, head.x() + 6, head.y() + 4, head.x(), head.y() + 4);
        cup.cubicTo(head.x() - 6, head.y() + 4, head.x() - 12, head.y() + 2, head.x() - 11, head.y() - 16);
        p.drawPath(cup);
    }
    p.restore();
}

// Close up daisies, and a ladybird on a clover leaf.
void paintDaisyClump(QPainter& p, QPointF base, Rng& rng) {
    const double spots[][3] = {{-40, -60, 22}, {0, -96, 26}, {38, -50, 20}, {70, -86, 18}, {-70, -30, 16}};
    for (const auto& s : spots) {
        const QPointF head(base.x() + s[0], base.y() + s[1]);
        p.setPen(QPen(QColor(0x2e, 0x7a, 0x22), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(head.x() - 6, base.y() + 20), head);
        p.setPen(QPen(QColor(0xb0, 0xb0, 0xc0), 0.8));
        p.save();
        p.translate(head);
        p.rotate(rng.range(0, 40));
        for (int i = 0; i < 14; ++i) {
            p.rotate(360.0 / 14);
            p.setBrush(QColor(255, 255, 255));
            p.drawEllipse(QPointF(0, -s[2] * 0.55), s[2] * 0.14, s[2] * 0.42);
        }
        QRadialGradient c(QPointF(-2, -2), s[2] * 0.3);
        c.setColorAt(0.0, QColor(0xff, 0xe8, 0x40));
        c.setColorAt(1.0, QColor(0xf0, 0x9a, 0x10));
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawEllipse(QPointF(0, 0), s[2] * 0.26, s[2] * 0.26);
        p.restore();
    }
}

void paintClover(QPainter& p, QPointF at) {
    p.setPen(QPen(QColor(0x2a, 0x6a, 0x1a), 1.4));
    p.setBrush(QColor(0x3e, 0x9a, 0x30));
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(at);
        p.rotate(i * 120 - 10);
        QPainterPath heart;
        heart.moveTo(0, 0);
        heart.cubicTo(-26, -12, -20, -40, 0, -28);
        heart.cubicTo(20, -40, 26, -12, 0, 0);
        p.drawPath(heart);
        p.setPen(QPen(QColor(0xc8, 0xf0, 0xa0, 160), 1.5));
        p.drawArc(QRectF(-10, -26, 20, 14), 200 * 16, 140 * 16);
        p.setPen(QPen(QColor(0x2a, 0x6a, 0x1a), 1.4));
        p.restore();
    }
    // The ladybird.
    const QPointF lb(at.x() + 8, at.y() - 16);
    p.setPen(QPen(QColor(0x20, 0x10, 0x10), 1.2));
    p.setBrush(QColor(0x20, 0x10, 0x10));
    p.drawEllipse(lb + QPointF(-9, -6), 5, 5);
    p.setBrush(QColor(0xe8, 0x20, 0x20));
    p.drawEllipse(lb, 10, 8.5);
    p.drawLine(lb + QPointF(-7, -6), lb + QPointF(9, 6));
    p.setBrush(QColor(0x20, 0x10, 0x10));
    p.setPen(Qt::NoPen);
    for (const QPointF d : {QPointF(-3, -1), QPointF(4, -4), QPointF(2, 4), QPointF(-5, 4)})
        p.drawEllipse(lb + d, 1.8, 1.8);
}

// A dandelion clock losing its seeds downwind.
void paintDandelion(QPainter& p, QPointF head, double groundY, Rng& rng) {
    p.setPen(QPen(QColor(0x5a, 0x8a, 0x3a), 2.5));
    p.drawLine(QPointF(head.x() - 8, groundY), head);
    p.setPen(QPen(QColor(255, 255, 255, 210), 1));
    for (int i = 0; i < 40; ++i) {
        const double a = i * 2 * M_PI / 40;
        if (std::cos(a) > 0.5 && i % 3) continue;  // the windward side is already bare
        const QPointF tip(head.x() + 22 * std::cos(a), head.y() + 22 * std::sin(a));
        p.drawLine(head, tip);
        p.drawEllipse(tip, 2.2, 2.2);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc8, 0xb8, 0x90));
    p.drawEllipse(head, 4, 4);
    p.setPen(QPen(QColor(255, 255, 255, 220), 1));
    for (int i = 0; i < 12; ++i) {
        const QPointF s(head.x() + 30 + i * 12 + rng.range(-6, 6), head.y() - 12 - i * 5 + rng.range(-10, 10));
        p.drawLine(s, s + QPointF(-6, 3));
        for (int k = 0; k < 5; ++k) {
            const double a = -M_PI / 2 + (k - 2) * 0.45;
            p.drawLine(s, s + QPointF(5 * std::cos(a) + 1, 5 * std::sin(a)));
        }
    }
}

// One sock never made it to the line.
void paintDroppedSock(QPainter& p, QPointF at) {
    p.save();
    p.translate(at);
    p.rotate(-28);
    QPainterPath sock;
    sock.moveTo(0, 0);
    sock.lineTo(26, 0);
    sock.lineTo(26, 46);
    sock.cubicTo(26, 56, 40, 54, 56, 56);
    sock.cubicTo(68, 58, 68, 74, 56, 74);
    sock.lineTo(10, 74);
    sock.cubicTo(0, 74, 0, 64, 0, 50);
    sock.closeSubpath();
    p.setPen(QPen(QColor(0xa0, 0x80, 0x10), 1.4));
    p.setBrush(QColor(0xff, 0xd0, 0x3a));
    p.drawPath(sock);
    p.setClipPath(sock);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3a, 0x8a, 0xe0));
    for (double y = 6; y < 44; y += 12) p.drawRect(QRectF(-5, y, 40, 5));
    p.restore();
}

void paintBasket(QPainter& p) {
    const QRectF body(52, 742, 210, 104);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(QRectF(body.left() - 6, body.bottom() - 18, body.width() + 24, 36));

    // Washing still waiting to go up.
    const QColor heap[] = {QColor(0xff, 0xf4, 0xd8), QColor(0x39, 0x8c, 0xd8), QColor(0xff, 0x8c, 0xb8),
                           QColor(0xff, 0xd0, 0x3a)};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(heap[i]);
        p.setPen(QPen(heap[i].darker(150), 1.2));
        p.drawEllipse(QPointF(body.left() + 44 + i * 42, body.top() + 2 - (i % 2) * 8), 40, 22);
    }

    QPainterPath tub;
    tub.moveTo(body.topLeft());
    tub.lineTo(body.topRight());
    tub.lineTo(body.right() - 16, body.bottom());
    tub.lineTo(body.left() + 16, body.bottom());
    tub.closeSubpath();
    QLinearGradient wicker(body.left(), 0, body.right(), 0);
    wicker.setColorAt(0.0, QColor(0xa8, 0x70, 0x34));
    wicker.setColorAt(0.4, QColor(0xe2, 0xb0, 0x68));
    wicker.setColorAt(1.0, QColor(0x8a, 0x58, 0x26));
    p.setPen(QPen(QColor(0x5a, 0x36, 0x12), 2));
    p.setBrush(wicker);
    p.drawPath(tub);
    p.save();
    p.setClipPath(tub);
    // Woven rows.
    p.setPen(QPen(QColor(0x6a, 0x40, 0x16, 180), 1.4));
    p.setBrush(Qt::NoBrush);
    for (double y = body.top() + 6; y < body.bottom(); y += 12) {
        const int row = int((y - body.top()) / 12);
        for (double x = body.left() + (row % 2) * 9; x < body.right(); x += 18)
            p.drawArc(QRectF(x, y, 18, 10), 0, 180 * 16);
    }
    p.restore();
    p.setPen(QPen(QColor(0x5a, 0x36, 0x12), 2));
    p.setBrush(QColor(0xc0, 0x88, 0x44));
    p.drawRoundedRect(QRectF(body.left() - 6, body.top() - 6, body.width() + 12, 14), 6, 6);
}

void paintButterfly(QPainter& p, QPointF at, double size, QColor wing) {
    p.save();
    p.translate(at);
    p.rotate(-18);
    p.setPen(QPen(wing.darker(180), 1.2));
    p.setBrush(wing);
    for (int side : {-1, 1}) {
        p.drawEllipse(QPointF(side * size * 0.55, -size * 0.3), size * 0.55, size * 0.45);
        p.drawEllipse(QPointF(side * size * 0.4, size * 0.35), size * 0.35, size * 0.3);
    }
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(-size * 0.6, -size * 0.35), size * 0.14, size * 0.14);
    p.drawEllipse(QPointF(size * 0.6, -size * 0.35), size * 0.14, size * 0.14);
    p.setBrush(QColor(0x3a, 0x2a, 0x1a));
    p.drawRoundedRect(QRectF(-size * 0.08, -size * 0.6, size * 0.16, size * 1.2), 2, 2);
    p.restore();
}

// Swirls of wind with a curl at the end, and leaves and petals riding them.
void paintWind(QPainter& p, Rng& rng) {
    struct Gust {
        double x, y, len, curl;
    };
    const Gust gusts[] = {{20, 180, 300, 22},  {560, 300, 260, 18}, {300, 520, 320, 16},
                          {620, 640, 300, 20}, {40, 420, 200, 14},  {700, 24, 240, 16}};
    for (const Gust& g : gusts) {
        QPainterPath path;
        path.moveTo(g.x, g.y);
        path.cubicTo(g.x + g.len * 0.3, g.y - 18, g.x + g.len * 0.6, g.y + 16, g.x + g.len, g.y);
        // The curl.
        const QPointF end(g.x + g.len, g.y);
        path.cubicTo(end.x() + g.curl * 1.6, end.y() - g.curl * 0.4, end.x() + g.curl * 1.2, end.y() - g.curl * 2,
                     end.x() + g.curl * 0.4, end.y() - g.curl * 1.4);
        path.cubicTo(end.x() - g.curl * 0.2, end.y() - g.curl * 0.9, end.x() + g.curl * 0.4, end.y() - g.curl * 0.4,
                     end.x() + g.curl * 0.8, end.y() - g.curl * 0.8);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 170), 3.2, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(path);
        p.setPen(QPen(QColor(255, 255, 255, 110), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(path.translated(-30, 14));
    }
    const QColor leafColours[] = {QColor(0x6a, 0xc0, 0x3a), QColor(0xff, 0x8c, 0xc0), QColor(0xff, 0xe0, 0x30),
                                  QColor(255, 255, 255)};
    for (int i = 0; i < 34; ++i) {
        const double x = rng.range(0, W), y = rng.range(120, 700);
        const double a = rng.range(0, 360), s = rng.range(4, 8);
        const QColor c = leafColours[rng.below(4)];
        p.save();
        p.translate(x, y);
        p.rotate(a);
        p.setPen(QPen(c.darker(140), 0.8));
        p.setBrush(c);
        p.drawEllipse(QPointF(0, 0), s, s * 0.45);
        p.restore();
    }
}

}  // namespace

QImage drawSummerPicture() {
    QImage img(kPictureWidth, kPictureHeight, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    Rng rng(0x50414e54ull);
    {
        QPainter p(&img);
        preparePainter(p);
        paintSky(p);
        paintSun(p);
        paintClouds(p, rng);
        paintBirds(p);
        paintHills(p, rng);
        paintMeadow(p, rng);
        const Clothesline line{50, 910, 236, 64, 690};
        paintPoles(p, line);
        paintRopeAndWashing(p, line, rng);
        paintGrassAndFlowers(p, rng);
        paintDroppedSock(p, QPointF(205, 640));
        paintTulips(p, QPointF(520, 890), 1.4, rng);
        paintDaisyClump(p, QPointF(400, 850), rng);
        paintClover(p, QPointF(890, 834));
        paintSunflower(p, QPointF(790, 600), 62, 900);
        paintDandelion(p, QPointF(560, 640), 740, rng);
        paintBasket(p);
        paintButterfly(p, QPointF(380, 650), 15, QColor(0xff, 0xa8, 0x2a));
        paintButterfly(p, QPointF(880, 760), 13, QColor(0x6a, 0xb4, 0xff));
        paintWind(p, rng);
    }
    addGrain(img, rng, 3);
    return img;
}

}  // namespace assets
