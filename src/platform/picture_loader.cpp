#include "platform/picture_loader.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace platform {
namespace {

bool IsPictureFormat(const QByteArray& format) {
    return format == "bmp" || format == "jpeg" || format == "jpg" || format == "gif";
}

// The size to decode an upright picture of size shown at: itself when one side
// is already within minimum, else shrunk with its shape kept until one side
// meets minimum (rounded up, so neither side falls short of it).
QSize ReducedSize(QSize shown, QSize minimum) {
    const qint64 w = shown.width(), h = shown.height();
    const qint64 mw = minimum.width(), mh = minimum.height();
    if (w <= mw || h <= mh) return shown;
    if (mw * h >= mh * w) return QSize(static_cast<int>(mw), static_cast<int>((h * mw + w - 1) / w));
    return QSize(static_cast<int>((w * mh + h - 1) / h), static_cast<int>(mh));
}

}  // namespace

QSize MinimumDecodeSize(QSize board) {
    qreal ratio = 1.0;
    for (const QScreen* screen : QGuiApplication::screens()) ratio = std::max(ratio, screen->devicePixelRatio());
    return QSize(static_cast<int>(std::ceil(2 * board.width() * ratio)),
                 static_cast<int>(std::ceil(2 * board.height() * ratio)));
}

std::optional<QImage> LoadPicture(const std::string& path, QSize board) {
    if (path.empty()) return QImage();

    const QString file = QString::fromStdString(path);
    // A directory would fail by itself, but a pipe or a device named like a
    // picture would block the read for good.
    if (!QFileInfo(file).isFile()) return std::nullopt;

    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);  // a renamed file is what its bytes say
    reader.setAutoTransform(true);
    if (!IsPictureFormat(reader.format())) return std::nullopt;

    const QSize stored = reader.size();
    if (stored.isEmpty()) return std::nullopt;

    // The reduced size is asked for in the stored orientation, before the
    // EXIF turn; the minimum applies to the picture as shown.
    const bool turned = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
    const QSize shown = turned ? stored.transposed() : stored;
    const QSize reduced = ReducedSize(shown, MinimumDecodeSize(board));
    const bool decodesReduced = reader.supportsOption(QImageIOHandler::ScaledSize);
    const QSize decoded = decodesReduced ? reduced : shown;
    if (qint64{decoded.width()} * decoded.height() > kMaxDecodedPixels) return std::nullopt;

    if (reduced != shown) reader.setScaledSize(turned ? reduced.transposed() : reduced);
    QImage picture = reader.read();
    if (picture.isNull()) return std::nullopt;
    return picture;
}

}  // namespace platform
