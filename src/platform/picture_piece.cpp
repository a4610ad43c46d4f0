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

// The pixels of rect without copying them, where whole bytes hold a pixel;
// valid while picture lives and is not written. Fewer bits a pixel are
// copied to 32, as Qt scales a 1-bit picture smoothly to black.
QImage View(const QImage& picture, QRect rect) {
    if (picture.depth() < 8) {
        return picture.copy(rect).convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                                            : QImage::Format_RGB32);
    }
    const uchar* first = picture.constScanLine(rect.y()) + qsizetype{rect.x()} * (picture.depth() / 8);
    QImage view(first, rect.width(), rect.height(), picture.bytesPerLine(), picture.format());
    view.setColorTable(picture.colorTable());
    return view;
}

}  // namespace

QImage CutPiece(const QImage& picture, QRect source, QSize limit) {
    if (picture.isNull()) return QImage();
    const QRect rect = Inside(picture, source);
    const QSize shown(std::clamp(rect.width(), 1, std::max(limit.width(), 1)),
                      std::clamp(rect.height(), 1, std::max(limit.height(), 1)));
    if (shown == rect.size()) return picture.copy(rect);
    return View(picture, rect).scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace platform
