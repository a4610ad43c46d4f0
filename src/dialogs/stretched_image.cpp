// The image control: a picture stretched over the whole rectangle.
#include "dialogs/stretched_image.h"

#include <QPaintEngine>
#include <QPainter>

namespace dialogs {

StretchedImage::StretchedImage(QWidget* parent) : QWidget(parent) {}

void StretchedImage::SetPicture(const QImage& picture) {
    picture_ = picture;
    scaled_ = QImage();
    update();
}

void StretchedImage::paintEvent(QPaintEvent*) {
    if (picture_.isNull() || width() <= 0 || height() <= 0) return;
    QPainter painter(this);
    // The surface actually painted on: the screen's backing store, or an
    // image when the widget is rendered or grabbed.
    const QPaintDevice* surface = painter.paintEngine() ? painter.paintEngine()->paintDevice() : nullptr;
    const qreal ratio = surface ? surface->devicePixelRatioF() : devicePixelRatioF();
    const QSize device(qRound(width() * ratio), qRound(height() * ratio));
    if (scaled_.size() != device || scaled_.devicePixelRatio() != ratio) {
        scaled_ = picture_.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        scaled_.setDevicePixelRatio(ratio);
    }
    painter.drawImage(QPointF(0, 0), scaled_);
}

}  // namespace dialogs
