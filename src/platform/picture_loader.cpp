// Loading a picture: the format told by its first bytes, the decode held
// to a bound read from the header, and the reduced size the board needs.
#include "platform/picture_loader.h"

#include <QFile>
#include <QImageReader>
#include <algorithm>
#include <cstdlib>

#include "platform/device_pixels.h"
#include "platform/jpeg_frame.h"
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

// What of a PNG's chunks before its pixels decides how Qt decodes it.
struct PngHeader {
    int bitDepth;
    int colourType;
    bool interlaced;
    bool transparency;  // a tRNS chunk
};

quint32 BigEndian32(const QByteArray& bytes, int at) {
    quint32 value = 0;
    for (int i = 0; i < 4; ++i) value = value << 8 | static_cast<uchar>(bytes[at + i]);
    return value;
}

// The header chunk comes first, straight after the signature; a tRNS chunk
// may stand anywhere before the first IDAT. The file is left at its start.
std::optional<PngHeader> ReadPngHeader(QFile& file) {
    const QByteArray head = file.peek(29);
    if (head.size() < 29 || head.mid(12, 4) != "IHDR") return std::nullopt;
    PngHeader png{static_cast<uchar>(head[24]), static_cast<uchar>(head[25]), head[28] != 0, false};
    qint64 at = 33;
    while (file.seek(at)) {
        const QByteArray chunk = file.read(8);
        if (chunk.size() < 8) break;
        const QByteArray type = chunk.mid(4, 4);
        if (type == "IDAT" || type == "IEND") break;
        if (type == "tRNS") png.transparency = true;
        at += 12 + qint64{BigEndian32(chunk, 0)};
    }
    if (!file.seek(0)) return std::nullopt;
    return png;
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

// The bits a pixel of the picture Qt decodes a PNG to whole: one bit for
// black and white, a byte for a palette or grey (two at 16 bits without
// transparency), 64 bits for 16-bit colour and 16-bit grey made
// transparent, 32 for the rest.
int PngDecodedBits(const PngHeader& png) {
    enum { kGrey = 0, kPalette = 3 };
    if (png.colourType == kPalette) return png.bitDepth == 1 ? 1 : 8;
    if (png.colourType == kGrey) {
        if (png.bitDepth == 1) return 1;
        if (png.bitDepth == 16) return png.transparency ? 64 : 16;
        return 8;
    }
    return png.bitDepth == 16 ? 64 : 32;
}

// Whether Qt reads the PNG row by row straight into the reduced picture:
// 8-bit colour or grey with alpha, not interlaced.
bool PngReducedAsRead(const PngHeader& png) {
    return PngDecodedBits(png) == 32 && png.colourType != 0 && png.colourType != 3 && !png.interlaced;
}

// Any other PNG is decoded whole, at its own depth, each row's bytes
// padded to 4, and reduced from it row by row.
qint64 PngBytes(const PngHeader& png, QSize stored, QSize decoded, bool reduced) {
    if (reduced && PngReducedAsRead(png)) return Pixels(decoded) * 4;
    const qint64 rowBytes = (qint64{stored.width()} * PngDecodedBits(png) + 31) / 32 * 4;
    return rowBytes * stored.height() + (reduced ? Pixels(decoded) * 4 : 0);
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
    std::optional<PngHeader> png;
    if (format == "png" && !(png = ReadPngHeader(file))) return std::nullopt;
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
    // Qt's PNG reader reduces only what it reads row by row; any other PNG
    // it would reduce from a whole 32-bit copy.
    const bool decoderReduces =
        reader.supportsOption(QImageIOHandler::ScaledSize) && (!png || PngReducedAsRead(*png));
    if (png) {
        if (PngBytes(*png, stored, reduced, reduces) > kMaxDecodeBytes) return std::nullopt;
    } else if (!decoderReduces) {
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
