// Cutting a piece out of the picture at the size a tile can show.
#include "platform/picture_piece.h"

#include <algorithm>

namespace platform {
namespace {

// Rounding can reach one pixel past the picture, and a very thin picture
// rounds a piece to nothing: keep at least one pixel, inside the picture.
QRect Inside(const QImage& picture, QRect source) {
    QRect rect(source.x(), source.y(), std::max(source.width(), 1), std::max(source.height(), 1));
    rect = rect.intersected(picture.rect());
    if (rect.isEmpty()) {
        rect = QRect(std::clamp(source.x(), 0, picture.width() - 1), std::clamp(source.y(), 0, picture.height() - 1), 1,
                     1);
    }
    return rect;
}

}  // namespace

QImage CutPiece(const QImage& picture, QRect source, QSize limit) {
    if (picture.isNull()) return QImage();
    const QRect rect = Inside(picture, source);
    const QSize shown(std::clamp(rect.width(), 1, std::max(limit.width(), 1)),
                      std::clamp(rect.height(), 1, std::max(limit.height(), 1)));
    QImage piece = picture.copy(rect);
    if (shown == rect.size()) return piece;
    // Qt scales a 1-bit picture smoothly to black.
    if (piece.depth() == 1) {
        piece.convertTo(piece.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    }
    return piece.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace platform
