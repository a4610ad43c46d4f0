#include "bmp8_writer.h"

#include "le_bytes.h"

namespace assets {

QByteArray encodeBmp8(const QImage& indexed) {
    if (indexed.format() != QImage::Format_Indexed8 || indexed.isNull() || indexed.colorCount() > 256) return {};
    const int w = indexed.width(), h = indexed.height();
    const int stride = (w + 3) / 4 * 4;
    const std::uint32_t pixelBytes = std::uint32_t(stride) * std::uint32_t(h);
    const std::uint32_t offset = 14 + 40 + 256 * 4;

    QByteArray b;
    b.reserve(int(offset + pixelBytes));
    b.append("BM", 2);
    putU32(b, offset + pixelBytes);
    putU32(b, 0);
    putU32(b, offset);
    putInfoHeader(b, w, h, 8, pixelBytes, 256);

    const QList<QRgb> table = indexed.colorTable();
    for (int i = 0; i < 256; ++i) putRgbQuad(b, i < table.size() ? table[i] : 0u);

    for (int y = h - 1; y >= 0; --y) {
        b.append(reinterpret_cast<const char*>(indexed.constScanLine(y)), w);
        b.append(QByteArray(stride - w, '\0'));
    }
    return b;
}

}  // namespace assets
