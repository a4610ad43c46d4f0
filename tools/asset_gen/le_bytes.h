#pragma once
// Little-endian field writers for the Windows file headers.
#include <QByteArray>
#include <cstdint>

namespace assets {

inline void putU8(QByteArray& b, unsigned v) { b.append(char(v & 0xff)); }
inline void putU16(QByteArray& b, unsigned v) {
    putU8(b, v);
    putU8(b, v >> 8);
}
inline void putU32(QByteArray& b, std::uint32_t v) {
    putU16(b, v & 0xffff);
    putU16(b, v >> 16);
}

// BITMAPINFOHEADER, uncompressed (BI_RGB).
inline void putInfoHeader(QByteArray& b, int width, int height, int bitCount, std::uint32_t imageBytes,
                          int coloursUsed) {
    putU32(b, 40);
    putU32(b, std::uint32_t(width));
    putU32(b, std::uint32_t(height));
    putU16(b, 1);
    putU16(b, unsigned(bitCount));
    putU32(b, 0);  // BI_RGB
    putU32(b, imageBytes);
    putU32(b, 2835);  // 72 dpi, in pixels per metre
    putU32(b, 2835);
    putU32(b, std::uint32_t(coloursUsed));
    putU32(b, 0);
}

inline void putRgbQuad(QByteArray& b, unsigned rgb) {
    putU8(b, rgb);        // blue
    putU8(b, rgb >> 8);   // green
    putU8(b, rgb >> 16);  // red
    putU8(b, 0);
}

}  // namespace assets
