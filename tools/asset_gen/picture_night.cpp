// "nemaki": a moonlit night, a cat asleep in its pajamas by the window.
#include <QFont>
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

#include "drawings.h"
#include "paint_kit.h"
#include "sleeping_cat.h"

namespace assets {
namespace {

constexpr double W = kPictureWidth;
constexpr double H = kPictureHeight;
constexpr double kFloorY = 716;
const QRectF kWindow(168, 96, 440, 400);
const QPointF kLamp(842, 470);  // centre of the glowing shade

void paintWall(QPainter& p, Rng& rng) {
    QLinearGradient wall(0, 0, 0, kFloorY);
    wall.setColorAt(0.0, QColor(0x3a, 0x2e, 0x6a));
    wall.setColorAt(1.0, QColor(0x54, 0x3c, 0x7a));
    p.fillRect(QRectF(0, 0, W, kFloorY), wall);
    // Wallpaper: soft stripes and a sprinkling of little flowers.
    p.setPen(Qt::NoPen);
    for (double x = 0; x < W; x += 48) {
        p.setBrush(QColor(255, 255, 255, 14));
        p.drawRect(QRectF(x, 0, 22, kFloorY));
        p.setBrush(QColor(255, 255, 255, 22));
        p.drawRect(QRectF(x + 30, 0, 3, kFloorY));
    }
    for (double y = 24; y < kFloorY; y += 44) {
        const int row = int(y / 44);
        for (double x = (row % 2) * 24 + 11; x < W; x += 48) {
            const QPointF c(x, y + rng.range(-1.0, 1.0));
            p.setBrush(QColor(0xff, 0xd8, 0xf0, 46));
            for (int k = 0; k < 4; ++k)
                p.drawEllipse(c + QPointF(std::cos(k * M_PI / 2) * 4, std::sin(k * M_PI / 2) * 4), 3, 3);
            p.setBrush(QColor(0xff, 0xe8, 0x90, 60));
            p.drawEllipse(c, 2, 2);
        }
    }
    // Warm light from the lamp falling across the wall.
    QRadialGradient glow(kLamp, 560);
    glow.setColorAt(0.0, QColor(255, 200, 110, 150));
    glow.setColorAt(0.35, QColor(255, 170, 90, 70));
    glow.setColorAt(1.0, QColor(255, 170, 90, 0));
    p.setBrush(glow);
    p.drawRect(QRectF(0, 0, W, H));
}

void paintNightSky(QPainter& p, Rng& rng) {
    QLinearGradient sky(0, kWindow.top(), 0, kWindow.bottom());
    sky.setColorAt(0.0, QColor(0x0a, 0x12, 0x3c));
    sky.setColorAt(0.6, QColor(0x1e, 0x2c, 0x72));
    sky.setColorAt(1.0, QColor(0x4a, 0x48, 0x92));
    p.fillRect(kWindow, sky);

    // The Milky Way: a faint band of haze across the panes.
    p.save();
    p.translate(kWindow.center());
    p.rotate(-28);
    QLinearGradient band(0, -60, 0, 60);
    band.setColorAt(0.0, QColor(180, 180, 255, 0));
    band.setColorAt(0.5, QColor(190, 180, 255, 55));
    band.setColorAt(1.0, QColor(180, 180, 255, 0));
    p.fillRect(QRectF(-400, -60, 800, 120), band);
    p.restore();

    for (int i = 0; i < 420; ++i) {
        const double x = rng.range(kWindow.left(), kWindow.right());
        const double y = rng.range(kWindow.top(), kWindow.bottom() - 40);
        const double r = 0.5 + std::pow(rng.unit(), 3.0) * 1.8;
        const int tint = rng.below(3);
        const QColor c = tint == 0 ? QColor(255, 250, 220) : tint == 1 ? QColor(200, 220, 255) : QColor(255, 230, 200);
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawEllipse(QPointF(x, y), r, r);
    }
    const double sparkles[][3] = {{230, 150, 9}, {330, 120, 7}, {280, 240, 11}, {450, 140, 6}, {360, 330, 8},
                                  {500, 300, 7}, {210, 350, 6}, {580, 380, 6},  {440, 230, 5}};
    for (const auto& s : sparkles) paintSparkle(p, QPointF(s[0], s[1]), s[2], QColor(255, 250, 210));

    // The moon: a crescent with a soft halo and a few craters.
    const QPointF m(520, 186);
    QRadialGradient halo(m, 150);
    halo.setColorAt(0.0, QColor(255, 246, 200, 120));
    halo.setColorAt(1.0, QColor(255, 246, 200, 0));
    p.setBrush(halo);
    p.drawEllipse(m, 150, 150);
    QPainterPath disc, bite, crescent;
    disc.addEllipse(m, 56, 56);
    bite.addEllipse(m + QPointF(-30, -16), 50, 50);
    crescent = disc.subtracted(bite);
    QRadialGradient moon(m + QPointF(20, 10), 70);
    moon.setColorAt(0.0, QColor(0xff, 0xfa, 0xd8));
    moon.setColorAt(1.0, QColor(0xf4, 0xd8, 0x70));
    p.setBrush(moon);
    p.drawPath(crescent);
    p.save();
    p.setClipPath(crescent);
    p.setBrush(QColor(0xd8, 0xb8, 0x5a, 150));
    p.drawEllipse(m + QPointF(36, 14), 7, 6);
    p.drawEllipse(m + QPointF(22, 40), 5, 4);
    p.drawEllipse(m + QPointF(44, -14), 4, 4);
    p.restore();

    // Thin clouds drifting past the moon.
    for (const auto& c : {QPointF(430, 250), QPointF(560, 286), QPointF(250, 200)}) {
        paintCloud(p, c, 150, 40, rng, QColor(0x8c, 0x8c, 0xc8, 200), QColor(0x34, 0x3a, 0x7a, 200));
    }

    // Rooftops of the town, a few windows still lit.
    QPainterPath town;
    double x = kWindow.left();
    town.moveTo(x, kWindow.bottom());
    while (x < kWindow.right()) {
        const double w = rng.range(40, 76), top = kWindow.bottom() - rng.range(36, 88);
        town.lineTo(x, top + 14);
        town.lineTo(x + w / 2, top);
        town.lineTo(x + w, top + 14);
        x += w;
    }
    town.lineTo(kWindow.right(), kWindow.bottom());
    town.closeSubpath();
    p.setBrush(QColor(0x16, 0x14, 0x3a));
    p.drawPath(town);
    p.save();
    p.setClipPath(town);
    for (int i = 0; i < 40; ++i) {
        const double wx = rng.range(kWindow.left(), kWindow.right()),
                     wy = rng.range(kWindow.bottom() - 70, kWindow.bottom() - 8);
        p.setBrush(rng.chance(0.6) ? QColor(0xff, 0xd0, 0x60) : QColor(0x3a, 0x3a, 0x6a));
        p.drawRect(QRectF(wx, wy, 6, 8));
    }
    p.restore();
}

void paintWindowFrame(QPainter& p) {
    const QColor wood(0xb0, 0x78, 0x48), woodDark(0x6a, 0x40, 0x20);
    QPainterPath frame;
    frame.addRect(kWindow.adjusted(-22, -22, 22, 22));
    frame.addRect(kWindow);
    frame.addRect(QRectF(kWindow.center().x() - 8, kWindow.top(), 16, kWindow.height()));
    frame.addRect(QRectF(kWindow.left(), kWindow.center().y() - 8, kWindow.width(), 16));
    frame.setFillRule(Qt::OddEvenFill);
    QLinearGradient g(0, kWindow.top(), 0, kWindow.bottom());
    g.setColorAt(0.0, wood.lighter(105));
    g.setColorAt(1.0, wood.lighter(125));
    p.setPen(QPen(woodDark, 2));
    p.setBrush(g);
    p.drawPath(frame);
    p.setBrush(g);
    p.drawRect(QRectF(kWindow.center().x() - 8, kWindow.top(), 16, kWindow.height()));
    p.drawRect(QRectF(kWindow.left(), kWindow.center().y() - 8, kWindow.width(), 16));
    // Glints on the glass.
    p.setPen(QPen(QColor(255, 255, 255, 50), 6, Qt::SolidLine, Qt::RoundCap));
    for (const QPointF o : {QPointF(kWindow.left() + 30, kWindow.top() + 60),
                            QPointF(kWindow.center().x() + 30, kWindow.center().y() + 60)}) {
        p.drawLine(o, o + QPointF(40, -40));
        p.drawLine(o + QPointF(16, 10), o + QPointF(46, -20));
    }
    // The sill.
    const QRectF sill(kWindow.left() - 44, kWindow.bottom() + 18, kWindow.width() + 88, 22);
    p.setPen(QPen(woodDark, 2));
    p.setBrush(wood.lighter(130));
    p.drawRect(sill);
    p.setBrush(woodDark);
    p.drawRect(QRectF(sill.left() + 10, sill.bottom(), sill.width() - 20, 8));
}

void paintCurtain(QPainter& p, double x0, double x1, bool left, Rng& rng) {
    const double top = 60, tieY = 330, bottom = 610;
    const double pinch = left ? x0 + (x1 - x0) * 0.25 : x1 - (x1 - x0) * 0.25;
    QPainterPath c;
    c.moveTo(x0, top);
    c.lineTo(x1, top);
    if (left) {
        c.cubicTo(x1 - 10, tieY - 120, pinch + 30, tieY - 30, pinch + 20, tieY);
        c.cubicTo(pinch + 40, tieY + 80, x1 + 10, bottom - 100, x1 + 20, bottom);
        c.lineTo(x0, bottom);
    } else {
        c.lineTo(x1, bottom);
        c.lineTo(x0 - 20, bottom);
        c.cubicTo(x0 - 10, bottom - 100, pinch - 40, tieY + 80, pinch - 20, tieY);
        c.cubicTo(pinch - 30, tieY - 30, x0 + 10, tieY - 120, x0, top);
    }
    c.closeSubpath();
    const QColor cloth(0x3a, 0x8a, 0x8c);
    p.setPen(Qt::NoPen);
    p.setBrush(cloth);
    p.drawPath(c);
    p.save();
    p.setClipPath(c);
    // Folds.
    QLinearGradient folds(x0 - 20, 0, x1 + 20, 0);
    for (int i = 0; i <= 10; ++i) folds.setColorAt(i / 10.0, i % 2 ? QColor(0, 20, 30, 90) : QColor(255, 255, 230, 40));
    p.setBrush(folds);
    p.drawRect(QRectF(x0 - 30, top, x1 - x0 + 60, bottom - top));
    // Printed moons and dots.
    for (double y = top + 20; y < bottom; y += 38) {
        for (double x = x0 - 20 + int(y) % 30; x < x1 + 20; x += 34) {
            const QPointF at(x + rng.range(-2, 2), y);
            p.setBrush(QColor(0xff, 0xe0, 0x80, 170));
            QPainterPath moon, cut;
            moon.addEllipse(at, 6, 6);
            cut.addEllipse(at + QPointF(3, -2), 5, 5);
            p.drawPath(moon.subtracted(cut));
            p.setBrush(QColor(255, 255, 255, 110));
            p.drawEllipse(at + QPointF(16, 18), 2, 2);
        }
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x1c, 0x4a, 0x4c), 2));
    p.drawPath(c);
    // Hem and tie-back.
    p.setPen(QPen(QColor(0xff, 0xd0, 0x60), 4));
    p.drawLine(QPointF(left ? x0 : x0 - 16, bottom - 6), QPointF(left ? x1 + 16 : x1, bottom - 6));
    p.setPen(QPen(QColor(0x8a, 0x1a, 0x2a), 1.5));
    p.setBrush(QColor(0xe0, 0x4a, 0x5a));
    const double tx = left ? x0 - 4 : pinch - 24;
    p.drawRoundedRect(QRectF(tx, tieY - 8, (left ? pinch + 28 : x1 + 4) - tx, 16), 6, 6);
    p.drawEllipse(QPointF(left ? pinch + 24 : pinch - 24, tieY), 10, 10);
}

void paintRodAndGarland(QPainter& p, Rng& rng) {
    p.setPen(QPen(QColor(0x5a, 0x3a, 0x1a), 1.5));
    p.setBrush(QColor(0xc8, 0x9a, 0x4a));
    p.drawRoundedRect(QRectF(70, 52, 640, 12), 6, 6);
    p.drawEllipse(QPointF(70, 58), 12, 12);
    p.drawEllipse(QPointF(710, 58), 12, 12);
    for (double x = 100; x < 700; x += 26) {
        p.setBrush(QColor(0xd8, 0xb0, 0x60));
        p.drawEllipse(QPointF(x, 64), 5, 5);
    }

    // A string of paper stars in three swags along the top of the room.
    const QColor colours[] = {QColor(0xff, 0xd8, 0x40), QColor(0xff, 0x8a, 0xb8), QColor(0x6a, 0xe0, 0xd0),
                              QColor(0xb8, 0x9a, 0xff)};
    auto stringY = [](double x) { return 14 + 26 * std::abs(std::sin(x / W * 3 * M_PI)); };
    QPainterPath string;
    string.moveTo(0, stringY(0));
    for (double x = 0; x <= W; x += 6) string.lineTo(x, stringY(x));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xe8, 0xe0, 0xc8), 1.5));
    p.drawPath(string);
    int k = 0;
    for (double x = 24; x < W; x += 46, ++k) {
        const double y = stringY(x);
        const double drop = 8 + (k % 2) * 10;
        p.setPen(QPen(QColor(0xe8, 0xe0, 0xc8), 1));
        p.drawLine(QPointF(x, y), QPointF(x, y + drop));
        const QColor c = colours[k % 4];
        p.setPen(QPen(c.darker(150), 1.2));
        p.setBrush(c);
        p.drawPath(starPath(QPointF(x, y + drop + 11), 12, rng.range(-15, 15)));
    }
}

void paintFishPicture(QPainter& p) {
    const QRectF frame(748, 118, 150, 116);
    p.setPen(QPen(QColor(0x5a, 0x3a, 0x1a), 2));
    p.setBrush(QColor(0xd8, 0xa0, 0x50));
    p.drawRect(frame);
    const QRectF art = frame.adjusted(12, 12, -12, -12);
    QLinearGradient water(0, art.top(), 0, art.bottom());
    water.setColorAt(0.0, QColor(0x9a, 0xe0, 0xf0));
    water.setColorAt(1.0, QColor(0x3a, 0x8a, 0xc8));
    p.setBrush(water);
    p.drawRect(art);
    // A fish, of course.
    const QPointF f(art.center() + QPointF(-6, 2));
    QPainterPath fish;
    fish.moveTo(f + QPointF(-36, 0));
    fish.cubicTo(f + QPointF(-20, -26), f + QPointF(20, -22), f + QPointF(30, 0));
    fish.lineTo(f + QPointF(48, -16));
    fish.lineTo(f + QPointF(46, 16));
    fish.lineTo(f + QPointF(30, 0));
    fish.cubicTo(f + QPointF(20, 22), f + QPointF(-20, 26), f + QPointF(-36, 0));
    p.setPen(QPen(QColor(0xa0, 0x40, 0x10), 1.5));
    p.setBrush(QColor(0xff, 0x8a, 0x3a));
    p.drawPath(fish);
    p.setBrush(Qt::white);
    p.drawEllipse(f + QPointF(-20, -4), 5, 5);
    p.setBrush(Qt::black);
    p.drawEllipse(f + QPointF(-19, -4), 2, 2);
    p.setBrush(QColor(255, 255, 255, 170));
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.2));
    for (int i = 0; i < 3; ++i) p.drawEllipse(f + QPointF(-46 + i * 4, -16 - i * 12), 3 + i, 3 + i);
}

// A child's crayon drawing pinned up by the window.
void paintDrawing(QPainter& p) {
    const QRectF sheet(14, 168, 68, 84);
    p.save();
    p.translate(sheet.center());
    p.rotate(-4);
    p.translate(-sheet.center());
    p.setPen(QPen(QColor(0x8a, 0x7a, 0x6a), 1));
    p.setBrush(QColor(0xff, 0xfa, 0xec));
    p.drawRect(sheet);
    p.setBrush(QColor(0xe0, 0x3a, 0x3a));
    p.drawEllipse(QPointF(sheet.center().x(), sheet.top() + 3), 4, 4);
    // A cat's face, as drawn by a small hand.
    const QPointF f(sheet.center().x(), sheet.top() + 44);
    p.setPen(QPen(QColor(0xf0, 0x8a, 0x2a), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(f, 20, 17);
    p.drawPolyline(QPolygonF({f + QPointF(-18, -8), f + QPointF(-16, -26), f + QPointF(-6, -16)}));
    p.drawPolyline(QPolygonF({f + QPointF(18, -8), f + QPointF(16, -26), f + QPointF(6, -16)}));
    p.setPen(QPen(QColor(0x3a, 0x3a, 0x8a), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawPoint(f + QPointF(-7, -3));
    p.drawPoint(f + QPointF(7, -3));
    p.drawArc(QRectF(f.x() - 6, f.y() + 1, 12, 8), 200 * 16, 140 * 16);
    p.setPen(QPen(QColor(0x3a, 0xa0, 0x4a), 2.5));
    p.drawLine(QPointF(sheet.left() + 6, sheet.bottom() - 10), QPointF(sheet.right() - 6, sheet.bottom() - 12));
    p.restore();
}

// Nearly eleven: well past a cat's bedtime.
void paintClock(QPainter& p) {
    const QPointF c(884, 334);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(c + QPointF(4, 5), 40, 40);
    p.setPen(QPen(QColor(0x5a, 0x2a, 0x12), 2));
    p.setBrush(QColor(0xd0, 0x6a, 0x3a));
    p.drawEllipse(c, 40, 40);
    p.setBrush(QColor(0xff, 0xf6, 0xe0));
    p.drawEllipse(c, 32, 32);
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        const double r0 = i % 3 ? 27 : 23;
        p.setPen(QPen(QColor(0x5a, 0x3a, 0x2a), i % 3 ? 1.5 : 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + QPointF(r0 * std::sin(a), -r0 * std::cos(a)), c + QPointF(29 * std::sin(a), -29 * std::cos(a)));
    }
    const double hour = (10 + 50.0 / 60) * M_PI / 6, minute = 50 * M_PI / 30;
    p.setPen(QPen(QColor(0x2a, 0x1a, 0x10), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(16 * std::sin(hour), -16 * std::cos(hour)));
    p.setPen(QPen(QColor(0x2a, 0x1a, 0x10), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(25 * std::sin(minute), -25 * std::cos(minute)));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe0, 0x4a, 0x4a));
    p.drawEllipse(c, 3.5, 3.5);
    // Two little bells on top.
    p.setPen(QPen(QColor(0x5a, 0x2a, 0x12), 1.5));
    p.setBrush(QColor(0xf0, 0xc0, 0x40));
    p.drawChord(QRectF(c.x() - 40, c.y() - 50, 24, 24), 0, 180 * 16);
    p.drawChord(QRectF(c.x() + 16, c.y() - 50, 24, 24), 0, 180 * 16);
}

void paintLampTable(QPainter& p) {
    const QColor wood(0x8a, 0x52, 0x2a), woodDark(0x4a, 0x2a, 0x12);
    // Table.
    p.setPen(QPen(woodDark, 2));
    p.setBrush(wood);
    for (double x : {752.0, 918.0}) p.drawRect(QRectF(x, 576, 14, 186));
    p.drawRect(QRectF(752, 660, 180, 10));
    QLinearGradient top(0, 560, 0, 580);
    top.setColorAt(0.0, wood.lighter(150));
    top.setColorAt(1.0, wood);
    p.setBrush(top);
    p.drawRoundedRect(QRectF(730, 558, 220, 22), 6, 6);
    // A book on the lower shelf.
    p.setBrush(QColor(0x3a, 0x6a, 0xc8));
    p.drawRect(QRectF(790, 640, 90, 20));
    p.setBrush(QColor(0xe8, 0x4a, 0x4a));
    p.drawRect(QRectF(800, 624, 74, 16));

    // Lamp base and stem.
    p.setPen(QPen(QColor(0x6a, 0x3a, 0x1a), 1.5));
    QRadialGradient base(QPointF(830, 530), 40);
    base.setColorAt(0.0, QColor(0xff, 0xc8, 0x90));
    base.setColorAt(1.0, QColor(0xc0, 0x60, 0x30));
    p.setBrush(base);
    p.drawEllipse(QRectF(806, 500, 72, 60));
    p.setBrush(QColor(0xd8, 0xb0, 0x60));
    p.drawRect(QRectF(836, 486, 12, 18));
    // The glowing shade.
    QRadialGradient light(kLamp, 260);
    light.setColorAt(0.0, QColor(255, 230, 160, 170));
    light.setColorAt(1.0, QColor(255, 210, 140, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawEllipse(kLamp, 260, 260);
    QPainterPath shade;
    shade.moveTo(kLamp + QPointF(-46, -52));
    shade.lineTo(kLamp + QPointF(46, -52));
    shade.lineTo(kLamp + QPointF(74, 18));
    shade.quadTo(kLamp + QPointF(0, 30), kLamp + QPointF(-74, 18));
    shade.closeSubpath();
    QLinearGradient sg(kLamp.x() - 74, 0, kLamp.x() + 74, 0);
    sg.setColorAt(0.0, QColor(0xff, 0xc0, 0x60));
    sg.setColorAt(0.5, QColor(0xff, 0xf0, 0xb0));
    sg.setColorAt(1.0, QColor(0xf0, 0xa8, 0x50));
    p.setPen(QPen(QColor(0xc0, 0x70, 0x20), 2));
    p.setBrush(sg);
    p.drawPath(shade);
    p.setPen(QPen(QColor(0xe0, 0x80, 0x30), 3));
    p.drawLine(kLamp + QPointF(-64, 2), kLamp + QPointF(64, 2));
    p.drawLine(kLamp + QPointF(-44, -44), kLamp + QPointF(44, -44));

    // A mug of warm milk.
    p.setPen(QPen(QColor(0x6a, 0x2a, 0x4a), 1.5));
    p.setBrush(QColor(0xf0, 0x9a, 0xc8));
    p.drawRoundedRect(QRectF(894, 524, 30, 36), 4, 4);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xf0, 0x9a, 0xc8), 5));
    p.drawArc(QRectF(914, 532, 20, 18), -90 * 16, 180 * 16);
    p.setPen(QPen(QColor(255, 255, 255, 120), 2.4, Qt::SolidLine, Qt::RoundCap));
    QPainterPath steam;
    steam.moveTo(904, 518);
    steam.cubicTo(896, 506, 914, 500, 906, 486);
    p.drawPath(steam);
    p.drawPath(steam.translated(12, 2));
}

void paintFloor(QPainter& p, Rng& rng) {
    // Skirting board.
    p.setPen(QPen(QColor(0x3a, 0x22, 0x10), 1.5));
    p.setBrush(QColor(0x8a, 0x5a, 0x34));
    p.drawRect(QRectF(-2, kFloorY - 20, W + 4, 20));
    // Boards, lit from the lamp side.
    QLinearGradient g(0, 0, W, 0);
    g.setColorAt(0.0, QColor(0x5a, 0x36, 0x22));
    g.setColorAt(1.0, QColor(0x9a, 0x62, 0x38));
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(0, kFloorY, W, H - kFloorY));
    p.setPen(QPen(QColor(0x2e, 0x1a, 0x0c), 1.5));
    for (double y = kFloorY; y < H; y += 32) {
        p.drawLine(QPointF(0, y), QPointF(W, y));
        const double offset = rng.range(0, 180);
        for (double x = offset; x < W; x += 240) p.drawLine(QPointF(x, y), QPointF(x, y + 32));
    }
    p.setPen(QPen(QColor(0x2e, 0x1a, 0x0c, 70), 1));
    for (int i = 0; i < 90; ++i) {
        const double y = kFloorY + 6 + rng.below(int((H - kFloorY) / 32)) * 32 + rng.range(0, 20);
        const double x = rng.range(0, W);
        p.drawLine(QPointF(x, y), QPointF(x + rng.range(40, 120), y + rng.range(-1.5, 1.5)));
    }
}

void paintRug(QPainter& p) {
    const QPointF c(420, 790);
    const QColor rings[] = {QColor(0xc8, 0x3a, 0x4a), QColor(0xff, 0xc8, 0x5a), QColor(0x3a, 0x8a, 0x8c),
                            QColor(0xf0, 0xe8, 0xd8), QColor(0xc8, 0x3a, 0x4a), QColor(0x6a, 0x5a, 0xb8)};
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(c + QPointF(8, 10), 380, 80);
    for (int i = 0; i < 6; ++i) {
        p.setBrush(rings[i]);
        p.drawEllipse(c, 380 - i * 52, 80 - i * 11);
    }
    // Stitched zigzag on the outer band and tassels.
    p.setPen(QPen(QColor(0xff, 0xe8, 0xb0), 2));
    p.setBrush(Qt::NoBrush);
    QPainterPath zig;
    for (int i = 0; i <= 72; ++i) {
        const double a = i * 2 * M_PI / 72;
        const double r = (i % 2) ? 0.93 : 0.86;
        const QPointF pt(c.x() + 380 * r * std::cos(a), c.y() + 80 * r * std::sin(a));
        if (i == 0)
            zig.moveTo(pt);
        else
            zig.lineTo(pt);
    }
    p.drawPath(zig);
}

void paintBed(QPainter& p, bool front) {
    const QPointF c(440, 652);
    const double rx = 300, ry = 96;
    QPainterPath outer, inner;
    outer.addEllipse(c, rx, ry);
    inner.addEllipse(c + QPointF(0, -6), rx - 54, ry - 34);
    if (!front) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 80));
        p.drawEllipse(c + QPointF(10, 40), rx, ry * 0.8);
        QRadialGradient plush(c + QPointF(-60, -40), rx * 1.1);
        plush.setColorAt(0.0, QColor(0xff, 0x9a, 0x7a));
        plush.setColorAt(1.0, QColor(0xa8, 0x38, 0x4a));
        p.setPen(QPen(QColor(0x6a, 0x1a, 0x2a), 2));
        p.setBrush(plush);
        p.drawPath(outer);
        QRadialGradient pad(c, rx);
        pad.setColorAt(0.0, QColor(0xff, 0xf0, 0xd0));
        pad.setColorAt(1.0, QColor(0xe0, 0xb8, 0x98));
        p.setBrush(pad);
        p.drawPath(inner);
        return;
    }
    // The front of the rim overlaps the sleeper.
    QPainterPath rim = outer.subtracted(inner);
    QPainterPath lower;
    lower.addRect(QRectF(c.x() - rx - 10, c.y() + 4, 2 * rx + 20, ry + 10));
    rim = rim.intersected(lower);
    QLinearGradient g(0, c.y(), 0, c.y() + ry);
    g.setColorAt(0.0, QColor(0xf0, 0x7a, 0x6a));
    g.setColorAt(1.0, QColor(0x9a, 0x30, 0x40));
    p.setPen(QPen(QColor(0x6a, 0x1a, 0x2a), 2));
    p.setBrush(g);
    p.drawPath(rim);
    // Stitching along the rim.
    QPen stitch(QColor(0xff, 0xe0, 0xc0), 2, Qt::DashLine);
    p.setPen(stitch);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - rx + 22, c.y() - ry + 16, 2 * (rx - 22), 2 * (ry - 16)), -10 * 16, -160 * 16);
}

void paintZzz(QPainter& p) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    const double spots[][3] = {{286, 488, 30}, {330, 440, 40}, {390, 376, 54}};
    for (const auto& s : spots) {
        font.setPixelSize(int(s[2]));
        QPainterPath z;
        z.addText(s[0], s[1], font, QStringLiteral("Z"));
        p.setPen(QPen(QColor(0x2a, 0x1e, 0x5a), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(z);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xff, 0xf0, 0xa0));
        p.drawPath(z);
    }
}

void paintYarn(QPainter& p) {
    const QPointF c(86, 800);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(c + QPointF(6, 34), 44, 10);
    QRadialGradient g(c - QPointF(12, 12), 50);
    g.setColorAt(0.0, QColor(0xff, 0xb0, 0xd0));
    g.setColorAt(1.0, QColor(0xc8, 0x4a, 0x8a));
    p.setBrush(g);
    p.drawEllipse(c, 38, 38);
    p.setPen(QPen(QColor(0x9a, 0x2a, 0x6a), 1.6));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 7; ++i)
        p.drawArc(QRectF(c.x() - 38 + i * 5, c.y() - 36, 60 - i * 4, 72), 60 * 16 + i * 80, 200 * 16);
    QPainterPath strand;
    strand.moveTo(c + QPointF(30, 22));
    strand.cubicTo(c + QPointF(90, 60), c + QPointF(120, 10), c + QPointF(170, 48));
    p.setPen(QPen(QColor(0xe0, 0x6a, 0xa8), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(strand);
}

void paintBooks(QPainter& p) {
    const QColor colours[] = {QColor(0x3a, 0x6a, 0xc8), QColor(0xe8, 0xb8, 0x3a), QColor(0x4a, 0xa0, 0x5a),
                              QColor(0xc8, 0x4a, 0x4a)};
    double y = kFloorY + 4;
    for (int i = 0; i < 4; ++i) {
        const double w = 120 - i * 12, h = 18;
        y -= h;
        const QRectF b(18 + i * 4, y, w, h);
        p.setPen(QPen(colours[i].darker(160), 1.5));
        p.setBrush(colours[i]);
        p.drawRect(b);
        p.setPen(QPen(QColor(255, 255, 255, 150), 2));
        p.drawLine(QPointF(b.left() + 10, b.center().y()), QPointF(b.left() + 40, b.center().y()));
    }
    // A little star-shaped night-light on top.
    p.setPen(QPen(QColor(0xd0, 0x90, 0x10), 1.5));
    p.setBrush(QColor(0xff, 0xe0, 0x60));
    p.drawPath(starPath(QPointF(74, y - 24), 22, 0));
}

void paintSlippers(QPainter& p) {
    for (int i = 0; i < 2; ++i) {
        const QPointF c(790 + i * 62, 792 + i * 12);
        p.save();
        p.translate(c);
        p.rotate(-8 + i * 10);
        p.setPen(QPen(QColor(0x2a, 0x3a, 0x78), 1.5));
        p.setBrush(QColor(0x5a, 0x7a, 0xd8));
        p.drawEllipse(QPointF(0, 0), 24, 42);
        p.setBrush(QColor(0x9c, 0xc8, 0xf4));
        p.drawChord(QRectF(-24, -42, 48, 50), 0, 180 * 16);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(0, -34), 8, 8);
        p.restore();
    }
}

}  // namespace

QImage drawNightPicture() {
    QImage img(kPictureWidth, kPictureHeight, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::black);
    Rng rng(0x4e454d41ull);
    {
        QPainter p(&img);
        preparePainter(p);
        paintWall(p, rng);
        paintNightSky(p, rng);
        paintWindowFrame(p);
        paintCurtain(p, 96, 224, true, rng);
        paintCurtain(p, 552, 680, false, rng);
        paintRodAndGarland(p, rng);
        paintFishPicture(p);
        paintClock(p);
        paintDrawing(p);
        paintFloor(p, rng);
        paintRug(p);
        paintBooks(p);
        paintLampTable(p);
        paintBed(p, false);
        paintSleepingCat(p, QPointF(450, 610), 1.0);
        paintBed(p, true);
        paintZzz(p);
        paintYarn(p);
        paintSlippers(p);
    }
    addGrain(img, rng, 3);
    return img;
}

}  // namespace assets
