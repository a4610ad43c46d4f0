// Reading a JPEG file's frame header without decoding the picture.
#include "platform/jpeg_frame.h"

#include <QByteArray>
#include <algorithm>

namespace platform {
namespace {

// The device's bytes one at a time, read ahead in blocks, up to the end or
// to kMaxJpegHeaderBytes.
class Bytes {
public:
    explicit Bytes(QIODevice& device) : device_(device) {}

    // The next byte, or -1 past the end.
    int Next() {
        if (at_ == block_.size()) {
            if (read_ >= kMaxJpegHeaderBytes) return -1;
            block_ = device_.read(std::min<qint64>(kBlock, kMaxJpegHeaderBytes - read_));
            read_ += block_.size();
            at_ = 0;
            if (block_.isEmpty()) return -1;
        }
        return static_cast<unsigned char>(block_[at_++]);
    }

    int Next16() {
        const int high = Next(), low = Next();
        return high < 0 || low < 0 ? -1 : high << 8 | low;
    }

    bool Skip(int count) {
        for (; count > 0; --count)
            if (Next() < 0) return false;
        return true;
    }

private:
    static constexpr qint64 kBlock = 64 * 1024;
    QIODevice& device_;
    QByteArray block_;
    qsizetype at_ = 0;
    qint64 read_ = 0;
};

// The code of the next marker: anything up to an 0xFF is stray and skipped,
// fill bytes (more 0xFF) too, and 0xFF 0x00 is data, not a marker.
int NextMarker(Bytes& bytes) {
    for (;;) {
        int c = bytes.Next();
        while (c >= 0 && c != 0xFF) c = bytes.Next();
        while (c == 0xFF) c = bytes.Next();
        if (c != 0) return c;  // -1 at the end
    }
}

bool IsFrame(int marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool IsProgressive(int marker) { return marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE; }

// The frame header after its length; body is the length less its own 2 bytes.
std::optional<JpegFrame> ReadFrame(Bytes& bytes, int marker, int body) {
    JpegFrame frame;
    frame.progressive = IsProgressive(marker);
    const int precision = bytes.Next();
    frame.height = bytes.Next16();
    frame.width = bytes.Next16();
    const int count = bytes.Next();
    if (precision < 0 || frame.height < 0 || frame.width < 0 || count <= 0 || body < 6 + 3 * count) return std::nullopt;
    for (int i = 0; i < count; ++i) {
        const int id = bytes.Next(), sampling = bytes.Next(), table = bytes.Next();
        if (id < 0 || sampling < 0 || table < 0) return std::nullopt;
        const JpegComponent component{sampling >> 4, sampling & 0x0F};
        if (component.h < 1 || component.h > 4 || component.v < 1 || component.v > 4) return std::nullopt;
        frame.components.push_back(component);
    }
    if (!bytes.Skip(body - 6 - 3 * count)) return std::nullopt;
    return frame;
}

qint64 RoundUp(qint64 value, qint64 unit) { return (value + unit - 1) / unit * unit; }

}  // namespace

std::optional<JpegFrame> ReadJpegFrame(QIODevice& device) {
    Bytes bytes(device);
    if (bytes.Next() != 0xFF || bytes.Next() != 0xD8) return std::nullopt;
    std::optional<JpegFrame> frame;
    for (;;) {
        const int marker = NextMarker(bytes);
        if (marker < 0 || marker == 0xD8 || marker == 0xD9) return std::nullopt;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;  // markers without a length
        const int length = bytes.Next16();
        if (length < 0) return std::nullopt;
        const int body = std::max(length - 2, 0);
        if (IsFrame(marker)) {
            if (frame) return std::nullopt;
            frame = ReadFrame(bytes, marker, body);
            if (!frame) return std::nullopt;
        } else if (marker == 0xDA) {
            const int inScan = bytes.Next();
            if (!frame || inScan < 0) return std::nullopt;
            frame->multiScan = frame->progressive || inScan < static_cast<int>(frame->components.size());
            return frame;
        } else if (!bytes.Skip(body)) {
            return std::nullopt;
        }
    }
}

qint64 CoefficientBytes(const JpegFrame& frame) {
    int hMax = 1, vMax = 1;
    for (const JpegComponent& c : frame.components) hMax = std::max(hMax, c.h), vMax = std::max(vMax, c.v);
    qint64 bytes = 0;
    for (const JpegComponent& c : frame.components) {
        const qint64 across = (qint64{frame.width} * c.h + hMax * 8 - 1) / (hMax * 8);
        const qint64 down = (qint64{frame.height} * c.v + vMax * 8 - 1) / (vMax * 8);
        bytes += RoundUp(across, c.h) * RoundUp(down, c.v) * 64 * 2;
    }
    return bytes;
}

}  // namespace platform
