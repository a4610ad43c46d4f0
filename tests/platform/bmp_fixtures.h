#pragma once
// BMP files in the layouts other programs write and Qt reads, put together
// by hand: Qt itself writes only bottom-up, uncompressed files.
#include <QByteArray>
#include <QImage>
#include <QList>

namespace testsupport {

struct BmpLayout {
    int bits = 24;         // 1, 4, 8 (from an indexed picture) or 24
    bool topDown = false;  // rows stored from the top, height negative
    bool rle = false;      // run-length coded: RLE8 for 8 bits, RLE4 for 4
};

namespace bmp_detail {

inline void Le16(QByteArray& out, int v) { out.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF)); }
inline void Le32(QByteArray& out, qint64 v) {
    for (int i = 0; i < 4; ++i) out.append(char((v >> (8 * i)) & 0xFF));
}

// One stored row, padded to four bytes.
inline QByteArray PlainRow(const QImage& picture, int y, int bits) {
    QByteArray row;
    const int w = picture.width();
    if (bits == 24) {
        for (int x = 0; x < w; ++x) {
            const QRgb c = picture.pixel(x, y);
            row.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c)));
        }
    } else {
        const uchar* indexes = picture.constScanLine(y);
        const int perByte = 8 / bits;
        for (int x = 0; x < w; x += perByte) {
            int byte = 0;
            for (int i = 0; i < perByte; ++i) {
                const int index = x + i < w ? indexes[x + i] : 0;
                byte |= index << (8 - bits * (i + 1));
            }
            row.append(char(byte));
        }
    }
    while (row.size() % 4) row.append('\0');
    return row;
}

// Runs of one index, at most 255 pixels each, then the end of the line.
inline QByteArray RleRow(const QImage& picture, int y, int bits) {
    QByteArray row;
    const uchar* indexes = picture.constScanLine(y);
    for (int x = 0; x < picture.width();) {
        int run = 1;
        while (x + run < picture.width() && run < 255 && indexes[x + run] == indexes[x]) ++run;
        const int index = indexes[x];
        row.append(char(run)).append(char(bits == 4 ? (index << 4) | index : index));
        x += run;
    }
    row.append('\0').append('\0');
    return row;
}

}  // namespace bmp_detail

// picture is Format_Indexed8 with at most 2^bits colours for 1, 4 and 8
// bits, any format for 24.
inline QByteArray Bmp(const QImage& picture, BmpLayout layout) {
    using namespace bmp_detail;
    const int w = picture.width(), h = picture.height();
    QByteArray pixels;
    for (int i = 0; i < h; ++i) {
        const int y = layout.topDown ? i : h - 1 - i;
        pixels += layout.rle ? RleRow(picture, y, layout.bits) : PlainRow(picture, y, layout.bits);
    }
    if (layout.rle) pixels.append('\0').append('\1');  // end of the bitmap

    QByteArray palette;
    const int colours = layout.bits <= 8 ? 1 << layout.bits : 0;
    for (int i = 0; i < colours; ++i) {
        const QRgb c = i < picture.colorCount() ? picture.color(i) : 0;
        palette.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append('\0');
    }

    const int offset = 14 + 40 + int(palette.size());
    QByteArray out("BM");
    Le32(out, offset + pixels.size());
    Le32(out, 0);
    Le32(out, offset);
    Le32(out, 40);
    Le32(out, w);
    Le32(out, layout.topDown ? -h : h);
    Le16(out, 1);
    Le16(out, layout.bits);
    Le32(out, !layout.rle ? 0 : layout.bits == 8 ? 1 : 2);
    Le32(out, pixels.size());
    Le32(out, 2835), Le32(out, 2835);  // 72 dots an inch
    Le32(out, colours);
    Le32(out, 0);
    return out + palette + pixels;
}

inline const QList<QRgb> kBandColours = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)};

// Horizontal bands from the top in the colours of kBandColours (two or
// four of them), indexed: shows whether a picture came out upright.
inline QImage Bands(int width, int height, int bands = 4) {
    QImage picture(width, height, QImage::Format_Indexed8);
    picture.setColorTable(kBandColours.mid(0, bands));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) picture.scanLine(y)[x] = uchar(y * bands / height);
    return picture;
}

}  // namespace testsupport
