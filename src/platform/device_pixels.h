#pragma once
// How many pixels a window's content can take at most: its size in logical
// pixels at the highest device pixel ratio among the screens, so what is
// made for it stays sharp wherever the window goes.
#include <QSize>
#include <QtGlobal>

namespace platform {

// At least 1; the ratio of the sharpest screen.
qreal HighestDevicePixelRatio();

// logical at that ratio, each side rounded up.
QSize DevicePixels(QSize logical);

}  // namespace platform
