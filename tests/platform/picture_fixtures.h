#pragma once
// Picture files made on the spot for the loader and picture-selection tests:
// Qt writes BMP, JPEG and plain PNG; GIF, EXIF orientation, a huge flat JPEG
// and PNGs of every kind are put together by hand, since Qt writes none of
// them.
#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>
#include <utility>
#include <vector>

namespace testsupport {

inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray Encode(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 95);
    return bytes;
}

// Left half `left`, right half `right`: shows which way a picture was turned.
inline QImage TwoColour(int width, int height, QColor left, QColor right) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(right);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width / 2; ++x) image.setPixelColor(x, y, left);
    return image;
}

inline bool Near(QColor a, QColor b, int tolerance = 40) {
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// A JPEG with an EXIF APP1 segment carrying only the orientation tag (1..8).
inline QByteArray WithExifOrientation(const QByteArray& jpeg, int orientation) {
    // clang-format off
    const char tiff[] = {'M', 'M', 0, 42, 0, 0, 0, 8,                    // big-endian header, IFD at 8
                         0, 1,                                          // one entry
                         0x01, 0x12, 0, 3, 0, 0, 0, 1,                  // Orientation, SHORT, count 1
                         0, static_cast<char>(orientation), 0, 0,       // value
                         0, 0, 0, 0};                                   // no next IFD
    // clang-format on
    QByteArray app1("Exif\0\0", 6);
    app1.append(tiff, sizeof tiff);
    const int length = app1.size() + 2;
    QByteArray segment("\xFF\xE1", 2);
    segment.append(static_cast<char>(length >> 8)).append(static_cast<char>(length & 0xFF)).append(app1);
    return QByteArray(jpeg).insert(2, segment);  // right after SOI
}

// A GIF of one or more frames over a palette of at most 128 colours. The
// LZW stream uses 8-bit codes and clears the table every 100 pixels, so the
// code width never grows: simple, valid, and uncompressed in effect. An
// interlaced GIF stores the rows in four passes (every 8th from 0, every 8th
// from 4, every 4th from 2, every 2nd from 1); frames are given top down.
inline QByteArray Gif(int width, int height, const std::vector<QRgb>& palette,
                      const std::vector<std::vector<uint8_t>>& frames, bool interlaced = false) {
    auto u16 = [](QByteArray& out, int v) { out.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF)); };
    QByteArray out("GIF89a");
    u16(out, width);
    u16(out, height);
    out.append(char(0xF6)).append('\0').append('\0');  // global table of 128 colours
    for (int i = 0; i < 128; ++i) {
        const QRgb c = i < int(palette.size()) ? palette[i] : 0;
        out.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
    }
    for (const auto& frame : frames) {
        std::vector<uint8_t> pixels = frame;
        if (interlaced) {
            pixels.clear();
            for (const auto& [first, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
                for (int y = first; y < height; y += step)
                    pixels.insert(pixels.end(), frame.begin() + y * width, frame.begin() + (y + 1) * width);
        }
        out.append("\x21\xF9\x04\x00\x0A\x00\x00\x00", 8);  // 0.1 s a frame
        out.append(',');
        u16(out, 0);
        u16(out, 0);
        u16(out, width);
        u16(out, height);
        out.append(interlaced ? '\x40' : '\0').append(char(7));  // no local table; minimum code size 7
        QByteArray codes;
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            if (i % 100 == 0) codes.append(char(0x80));  // clear
            codes.append(char(pixels[i]));
        }
        codes.append(char(0x81));  // end of information
        for (int at = 0; at < codes.size(); at += 255) {
            const QByteArray block = codes.mid(at, 255);
            out.append(char(block.size())).append(block);
        }
        out.append('\0');
    }
    out.append(';');
    return out;
}

// A flat grey baseline JPEG of any size, a couple of bits per 8 × 8 block:
// each block is "no change of DC, end of block" under one-code Huffman tables.
// 20000 × 20000 takes 1.5 MB on disk while a full decode would take 1.6 GB.
inline QByteArray FlatJpeg(int width, int height) {
    auto u16 = [](QByteArray& out, int v) { out.append(char(v >> 8)).append(char(v & 0xFF)); };
    QByteArray out("\xFF\xD8", 2);
    out.append("\xFF\xDB\x00\x43\x00", 5).append(QByteArray(64, 1));  // quantisation table 0
    out.append("\xFF\xC0\x00\x0B\x08", 5);
    u16(out, height);
    u16(out, width);
    out.append("\x01\x01\x11\x00", 4);                                        // one component, 1×1 sampling
    const QByteArray oneCode("\x01" + QByteArray(15, 0) + QByteArray(1, 0));  // one 1-bit code: symbol 0
    out.append("\xFF\xC4\x00\x14\x00", 5).append(oneCode);                    // DC table 0: category 0
    out.append("\xFF\xC4\x00\x14\x10", 5).append(oneCode);                    // AC table 0: end of block
    out.append("\xFF\xDA\x00\x08\x01\x01\x00\x00\x3F\x00", 10);
    const qint64 blocks = qint64((width + 7) / 8) * ((height + 7) / 8);
    const qint64 bits = 2 * blocks;
    QByteArray scan(int(bits / 8), '\0');
    if (bits % 8) scan.append(char(0xFF >> (bits % 8)));  // pad the last byte with 1 bits
    out.append(scan).append("\xFF\xD9", 2);
    return out;
}

// A PNG of any bit depth, colour type and interlacing, whose samples are a
// pattern of bytes; only the first rows rows of data are written when given,
// so a huge picture can be claimed in a small file that ends early.
// Transparent adds a tRNS chunk.
inline QByteArray Png(int width, int height, int bitDepth, int colourType, bool interlaced = false, int rows = -1,
                      bool transparent = false) {
    auto u32 = [](QByteArray& out, quint32 v) {
        for (int shift = 24; shift >= 0; shift -= 8) out.append(char((v >> shift) & 0xFF));
    };
    auto chunk = [&u32](QByteArray& out, const char* type, const QByteArray& data) {
        u32(out, quint32(data.size()));
        const QByteArray body = QByteArray(type, 4) + data;
        quint32 crc = 0xFFFFFFFFu;
        for (const char byte : body) {
            crc ^= quint8(byte);
            for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
        out.append(body);
        u32(out, crc ^ 0xFFFFFFFFu);
    };
    const int samples = colourType == 2 ? 3 : colourType == 4 ? 2 : colourType == 6 ? 4 : 1;
    QByteArray header;
    u32(header, quint32(width));
    u32(header, quint32(height));
    header.append(char(bitDepth)).append(char(colourType)).append('\0').append('\0').append(char(interlaced));

    // Interlaced, each of seven passes holds its own rows (x0, y0, dx, dy).
    const int adam7[7][4] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                             {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
    const int single[1][4] = {{0, 0, 1, 1}};
    QByteArray raw;
    int written = 0;
    for (const auto& pass : interlaced ? std::vector<const int*>(std::begin(adam7), std::end(adam7))
                                       : std::vector<const int*>{single[0]}) {
        const int passWidth = (width - pass[0] + pass[2] - 1) / pass[2];
        const int passHeight = (height - pass[1] + pass[3] - 1) / pass[3];
        if (passWidth <= 0 || passHeight <= 0) continue;
        const int rowBytes = (passWidth * samples * bitDepth + 7) / 8;
        QByteArray row(rowBytes + 1, '\0');  // no filter
        for (int y = 0; y < passHeight && (rows < 0 || written < rows); ++y, ++written) {
            for (int i = 0; i < rowBytes; ++i) row[i + 1] = char((i * 7 + y * 3) & (colourType == 3 ? 0x01 : 0xFF));
            raw.append(row);
        }
    }
    QByteArray out("\x89PNG\r\n\x1A\n", 8);
    chunk(out, "IHDR", header);
    if (colourType == 3) {
        QByteArray palette;
        for (int i = 0; i < 2; ++i) palette.append(char(i * 255)).append(char(100)).append(char(255 - i * 255));
        chunk(out, "PLTE", palette);
    }
    // Palette entry 0, or the first pixel's grey or colour (8 or 16 bits),
    // made transparent: the first pixel always is.
    if (transparent) {
        QByteArray trns;
        if (colourType == 3) trns.append('\0');
        for (int s = 0; colourType != 3 && s < samples; ++s)
            trns.append(char(bitDepth == 16 ? s * 14 : 0)).append(char(bitDepth == 16 ? s * 14 + 7 : s * 7));
        chunk(out, "tRNS", trns);
    }
    chunk(out, "IDAT", qCompress(raw, 1).mid(4));  // the zlib stream without Qt's length
    if (rows < 0) chunk(out, "IEND", {});
    return out;
}

}  // namespace testsupport
