#include "ico_writer.h"

#include "le_bytes.h"
#include "median_cut.h"

namespace assets {

QByteArray encodeIco4(const QImage& argb, const QList<QRgb>& keep) {
    const int w = argb.width(), h = argb.height();
    if (argb.isNull() || w > 256 || h > 256) return {};
    const QImage img = argb.convertToFormat(QImage::Format_ARGB32);

    // Index 0 stays black for the masked-out pixels, so the XOR pass leaves
    // the background untouched where the AND mask keeps it.
    QHash<QRgb, int> histogram;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (qAlpha(img.pixel(x, y)) >= 128) ++histogram[img.pixel(x, y) | 0xff000000u];
    QList<QRgb> palette = medianCutPalette(histogram, 15, keep.mid(0, 15));
    palette.prepend(qRgb(0, 0, 0));

    const int xorStride = (w * 4 + 31) / 32 * 4;
    const int andStride = (w + 31) / 32 * 4;
    QByteArray xorBits(xorStride * h, '\0');
    QByteArray andBits(andStride * h, '\0');
    for (int y = 0; y < h; ++y) {
        const int row = h - 1 - y;  // bottom-up
        for (int x = 0; x < w; ++x) {
            const QRgb p = img.pixel(x, y);
            if (qAlpha(p) < 128) {
                andBits[row * andStride + x / 8] = char(andBits[row * andStride + x / 8] | (0x80 >> (x % 8)));
                continue;
            }
            // Index 0 is only for transparency; opaque pixels use 1..15.
            const int idx = 1 + nearestIndex(palette.mid(1), p);
            char& byte = xorBits[row * xorStride + x / 2];
            byte = char(byte | (x % 2 == 0 ? idx << 4 : idx));
        }
    }

    const std::uint32_t imageBytes = 40 + 16 * 4 + std::uint32_t(xorBits.size() + andBits.size());
    QByteArray b;
    putU16(b, 0);  // reserved
    putU16(b, 1);  // icon
    putU16(b, 1);  // one image
    putU8(b, w == 256 ? 0 : unsigned(w));
    putU8(b, h == 256 ? 0 : unsigned(h));
    putU8(b, 16);  // colours
    putU8(b, 0);
    putU16(b, 1);  // planes
    putU16(b, 4);  // bits per pixel
    putU32(b, imageBytes);
    putU32(b, 6 + 16);
    // The DIB height counts the XOR image and the AND mask together.
    putInfoHeader(b, w, h * 2, 4, std::uint32_t(xorBits.size() + andBits.size()), 16);
    for (int i = 0; i < 16; ++i) putRgbQuad(b, i < palette.size() ? palette[i] : 0u);
    b.append(xorBits);
    b.append(andBits);
    return b;
}

}  // namespace assets
