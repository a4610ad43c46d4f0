#pragma once
// The window designs are measured in twips; the screen in logical pixels.
#include <QRect>
#include <cmath>

namespace platform {

inline constexpr int kTwipsPerPixel = 15;

// An edge in twips to the pixel it falls on.
inline int TwipsToPixels(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

// A rectangle spans from the pixel of its left edge to the pixel of its right
// edge, so rectangles that share an edge in twips share it in pixels too.
inline QRect TwipsRect(double left, double top, double width, double height) {
    const int x0 = TwipsToPixels(left), y0 = TwipsToPixels(top);
    const int x1 = TwipsToPixels(left + width), y1 = TwipsToPixels(top + height);
    return QRect(x0, y0, x1 - x0, y1 - y0);
}

}  // namespace platform
