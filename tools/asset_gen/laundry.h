#pragma once
// The clothesline of the summer picture: two poles, a sagging rope and the
// washing blown sideways by the wind.
#include <QPainter>

#include "rng.h"

namespace assets {

struct Clothesline {
    double leftX, rightX;  // the poles
    double anchorY;        // where the rope is tied
    double sag;            // how far the rope hangs down in the middle
    double groundY;        // where the poles go into the grass

    double ropeY(double x) const;
};

void paintPoles(QPainter& p, const Clothesline& line);
void paintRopeAndWashing(QPainter& p, const Clothesline& line, Rng& rng);

}  // namespace assets
