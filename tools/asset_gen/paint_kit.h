#pragma once
// Small drawing pieces shared by the pictures.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include "rng.h"

namespace assets {

// A heap of overlapping puffs, lit from above, about w x h around `centre`.
void paintCloud(QPainter& p, QPointF centre, double w, double h, Rng& rng, QColor light, QColor shade);

// A four-pointed twinkle with a soft halo.
void paintSparkle(QPainter& p, QPointF at, double radius, QColor colour);

// A five-pointed star outline of outer radius r, point up, rotated by `degrees`.
QPainterPath starPath(QPointF centre, double r, double degrees = 0.0, double innerRatio = 0.45);

// Fine per-pixel noise so even smooth gradients carry some texture once
// compressed. `amount` is the largest change per channel.
void addGrain(QImage& image, Rng& rng, int amount);

// Colour between a and b, t in [0, 1].
QColor mix(const QColor& a, const QColor& b, double t);

// Painter set up for the pictures: antialiased, smooth transforms.
void preparePainter(QPainter& p);

}  // namespace assets
