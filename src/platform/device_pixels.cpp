// Sizes in the device pixels of the sharpest screen.
#include "platform/device_pixels.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace platform {

qreal HighestDevicePixelRatio() {
    qreal ratio = 1.0;
    for (const QScreen* screen : QGuiApplication::screens()) ratio = std::max(ratio, screen->devicePixelRatio());
    return ratio;
}

QSize DevicePixels(QSize logical) {
    const qreal ratio = HighestDevicePixelRatio();
    return QSize(static_cast<int>(std::ceil(logical.width() * ratio)),
                 static_cast<int>(std::ceil(logical.height() * ratio)));
}

}  // namespace platform
