// Loading a picture: the format told by its first bytes, the decode held
// to a bound read from the header, and the reduced size the board needs.
#include "platform/picture_loader.h"

#include <QFile>
#include <QImageReader>
#include <algorithm>
#include <cstdlib>

#include "platform/device_pixels.h"
#include "platform/jpeg_frame.h"
#include "platform/png_reader.h"
#include "platform/regular_file.h"
#include "platform/row_reduction.h"

namespace platform {
namespace {

// The format the file's first bytes say it is, if it is one of the four;
// only that format's reader ever sees the file, never one of the others Qt
// has (TIFF, WebP and the like), which would try any file they are shown.
QByteArray PictureFormatOf(QFile& file) {
    const QByteArray head = file.peek(8);
    if (head.startsWith("BM")) return "bmp";
    if (head.startsWith("\xFF\xD8\xFF")) return "jpeg";
    if (head.startsWith("GIF87a") || head.startsWith("GIF89a")) return "gif";
    if (head == QByteArrayLiteral("\x89PNG\r\n\x1A\n")) return "png";
    return {};
}

qint64 Pixels(QSize size) { return qint64{size.width()} * size.height(); }

// What a decode at the stored size takes: at most 4 bytes a pixel for the
// picture, and the reduced picture made from it row by row.
qint64 FullSizeBytes(QSize stored, QSize reduced, bool reduces) {
    return Pixels(stored) * 4 + (reduces ? Pixels(reduced) * 4 : 0);
}

// A multi-scan JPEG: the coefficients, and the picture the decoder writes.
// Scaling in the decoder comes in eighths, so that picture may be up to
// twice the reduced size each way, or an eighth of the stored size each way
// when that is larger.
qint64 MultiScanJpegBytes(const JpegFrame& frame, QSize stored, QSize decoded, bool reduced) {
    const qint64 written = reduced ? std::max(4 * Pixels(decoded), Pixels(stored) / 64) : Pixels(stored);
    return CoefficientBytes(frame) + written * 4;
}

}  // namespace

QSize MinimumDecodeSize(QSize board) { return DevicePixels(2 * board); }

std::optional<QImage> LoadPicture(const std::string& path, QSize board) {
    if (path.empty()) return QImage();

    QFile file;
    if (!OpenRegularFile(path, file)) return std::nullopt;

    // Whatever a JPEG's headers say must be known before Qt's decoder sees
    // it: it allocates a multi-scan picture's coefficients at the stored
    // size, whatever size it is asked for.
    std::optional<JpegFrame> jpeg;
    if (file.peek(2) == QByteArrayLiteral("\xFF\xD8")) {
        jpeg = ReadJpegFrame(file);
        if (!jpeg || !file.seek(0)) return std::nullopt;
    }

    // The format comes from the content alone: a renamed file is what its
    // bytes say.
    const QByteArray format = PictureFormatOf(file);
    if (format.isEmpty()) return std::nullopt;
    // Qt would decode any PNG but plain 8-bit colour whole, 16-bit colour
    // at 8 bytes a pixel.
    if (format == "png") return ReadPng(file, MinimumDecodeSize(board), kMaxDecodeBytes);
    QImageReader reader(&file, format);
    reader.setDecideFormatFromContent(false);
    reader.setAutoTransform(true);
    reader.setAllocationLimit(static_cast<int>(kMaxDecodeBytes / (1024 * 1024)));
    if (!reader.canRead()) return std::nullopt;

    // A top-down BMP tells its height as negative.
    const QSize stored(reader.size().width(), std::abs(reader.size().height()));
    if (stored.isEmpty()) return std::nullopt;

    // The reduced size is asked for in the stored orientation, before the
    // EXIF turn; the minimum applies to the picture as shown.
    const bool turned = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
    const QSize shown = turned ? stored.transposed() : stored;
    const QSize reduced = ReducedSize(shown, MinimumDecodeSize(board));
    const bool reduces = reduced != shown;
    const bool decoderReduces = reader.supportsOption(QImageIOHandler::ScaledSize);
    if (!decoderReduces) {
        if (FullSizeBytes(stored, reduced, reduces) > kMaxDecodeBytes) return std::nullopt;
    } else if (jpeg && jpeg->multiScan) {
        if (MultiScanJpegBytes(*jpeg, stored, reduced, reduces) > kMaxDecodeBytes) return std::nullopt;
    }

    if (reduces && decoderReduces) reader.setScaledSize(turned ? reduced.transposed() : reduced);
    QImage picture = reader.read();
    if (picture.isNull()) return std::nullopt;
    // Qt's own scaling would first copy the whole picture to 32 bits.
    if (picture.size() != reduced && !decoderReduces) {
        picture = ReducedByRows(picture, reduced);
        if (picture.isNull()) return std::nullopt;
    }
    // Qt scales a 1-bit picture smoothly to black, and the tiles and the
    // picture view scale it smoothly: they get whole bytes to a pixel.
    if (picture.depth() == 1) {
        picture.convertTo(picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    }
    return picture;
}

}  // namespace platform
