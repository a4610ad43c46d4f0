#pragma once
// JPEG files beyond what QImage::save gives: progressive ones, ones whose
// frame claims another size than their data holds, and flat-coloured ones
// of any number of components (CMYK among them) or scans, coded by hand.
#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>
#include <cstdlib>
#include <vector>

namespace testsupport {

inline QByteArray EncodeProgressive(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    writer.write(image);
    return bytes;
}

// Where the frame (SOFn) of a JPEG file starts, or -1.
inline int FrameAt(const QByteArray& jpeg) {
    for (int at = 2; at + 9 < jpeg.size();) {
        const int marker = uchar(jpeg[at + 1]);
        const int length = uchar(jpeg[at + 2]) << 8 | uchar(jpeg[at + 3]);
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) return at;
        at += 2 + length;
    }
    return -1;
}

// The same file with its frame claiming width × height; the coded data
// stays as it was, so a decoder finds it short.
inline QByteArray WithFrameSize(QByteArray jpeg, int width, int height) {
    if (const int at = FrameAt(jpeg); at >= 0) {
        jpeg[at + 5] = char(height >> 8), jpeg[at + 6] = char(height & 0xFF);
        jpeg[at + 7] = char(width >> 8), jpeg[at + 8] = char(width & 0xFF);
    }
    return jpeg;
}

// The same file with its frame giving each component these sampling
// factors (horizontal in the high nibble), whatever the encoder chose.
inline QByteArray WithSampling(QByteArray jpeg, const std::vector<int>& factors) {
    if (const int at = FrameAt(jpeg); at >= 0)
        for (size_t i = 0; i < factors.size() && i < size_t(uchar(jpeg[at + 9])); ++i)
            jpeg[at + 11 + 3 * int(i)] = char(factors[i]);
    return jpeg;
}

namespace jpeg_detail {

// Entropy-coded bits, most significant first, with a 0 stuffed after every
// 0xFF byte and the last byte padded with 1 bits.
class BitWriter {
public:
    void Put(int bits, int count) {
        for (int i = count - 1; i >= 0; --i) {
            byte_ = byte_ << 1 | (bits >> i & 1);
            if (++filled_ == 8) Flush();
        }
    }
    QByteArray Finish() {
        while (filled_) Put(1, 1);
        return out_;
    }

private:
    void Flush() {
        out_.append(char(byte_));
        if (byte_ == 0xFF) out_.append('\0');
        byte_ = filled_ = 0;
    }
    int byte_ = 0, filled_ = 0;
    QByteArray out_;
};

inline void U16(QByteArray& out, int v) { out.append(char(v >> 8)).append(char(v & 0xFF)); }

// DC differences: category 0 is the 1-bit code 0, categories 1..11 the
// 5-bit codes 10000..11010. AC: only the end of block, the 1-bit code 0.
inline void PutBlock(BitWriter& bits, int difference) {
    int category = 0;
    while ((std::abs(difference) >> category) != 0) ++category;
    if (category == 0) {
        bits.Put(0, 1);
    } else {
        bits.Put(16 + category - 1, 5);
        bits.Put(difference >= 0 ? difference : difference + (1 << category) - 1, category);
    }
    bits.Put(0, 1);  // end of block
}

}  // namespace jpeg_detail

// A baseline JPEG of width × height in which component i is the flat
// sample samples[i] everywhere (1×1 sampling, quantiser 1, no colour
// transform). With adobe an APP14 marker says "stored as is", which makes
// four components CMYK; with oneScanEach every component gets a scan of
// its own instead of one interleaved scan.
inline QByteArray FlatColourJpeg(int width, int height, const std::vector<int>& samples, bool adobe,
                                 bool oneScanEach = false) {
    using namespace jpeg_detail;
    const int components = int(samples.size());
    QByteArray out("\xFF\xD8", 2);
    if (adobe)
        out.append(
            "\xFF\xEE\x00\x0E"
            "Adobe\x00\x64\x00\x00\x00\x00\x00",
            16);
    out.append("\xFF\xDB\x00\x43\x00", 5).append(QByteArray(64, 1));
    out.append("\xFF\xC0", 2);
    U16(out, 8 + 3 * components);
    out.append('\x08');
    U16(out, height);
    U16(out, width);
    out.append(char(components));
    for (int i = 0; i < components; ++i) out.append(char(i + 1)).append('\x11').append('\0');
    QByteArray dc(16, '\0');  // one code of 1 bit, eleven of 5 bits
    dc[0] = 1, dc[4] = 11;
    dc.append('\0');
    for (int c = 1; c <= 11; ++c) dc.append(char(c));
    out.append("\xFF\xC4\x00\x1F\x00", 5).append(dc);
    out.append("\xFF\xC4\x00\x14\x10", 5).append("\x01" + QByteArray(15, 0) + QByteArray(1, 0));

    const qint64 blocks = qint64((width + 7) / 8) * ((height + 7) / 8);
    auto scan = [&](int first, int count) {
        out.append("\xFF\xDA", 2);
        U16(out, 6 + 2 * count);
        out.append(char(count));
        for (int i = first; i < first + count; ++i) out.append(char(i + 1)).append('\0');
        out.append("\x00\x3F\x00", 3);
        BitWriter bits;
        for (qint64 b = 0; b < blocks; ++b)
            for (int i = first; i < first + count; ++i) PutBlock(bits, b == 0 ? (samples[i] - 128) * 8 : 0);
        out.append(bits.Finish());
    };
    if (oneScanEach) {
        for (int i = 0; i < components; ++i) scan(i, 1);
    } else {
        scan(0, components);
    }
    return out.append("\xFF\xD9", 2);
}

}  // namespace testsupport
