#pragma once
// What a JPEG file's headers tell before any pixel is decoded: the frame's
// size, its components' sampling, and whether the picture comes in more
// than one scan. A picture in several scans (every progressive one, and a
// sequential one whose first scan lacks some components) has all of its
// coefficients held in memory by the decoder, whatever size it is asked to
// decode to; that is what the loader must know before it lets one in.
#include <QIODevice>
#include <optional>
#include <vector>

namespace platform {

struct JpegComponent {
    int h = 1, v = 1;  // sampling factors, 1 to 4
};

struct JpegFrame {
    int width = 0, height = 0;
    std::vector<JpegComponent> components;
    bool progressive = false;
    bool multiScan = false;
};

// Headers past this many bytes before the first scan are not read (a
// camera's own stay within a few hundred kilobytes).
inline constexpr qint64 kMaxJpegHeaderBytes = qint64{16} * 1024 * 1024;

// Reads the markers from the device's position up to the header of the first
// scan, skipping stray bytes between them as decoders do. nullopt when the
// bytes are not a JPEG's up to there: no start marker, no frame before the
// first scan, two frames, the end first, or headers past kMaxJpegHeaderBytes.
std::optional<JpegFrame> ReadJpegFrame(QIODevice& device);

// The memory a multi-scan picture's coefficients take in the decoder: 64 of
// 2 bytes for every 8 × 8 block of every component, each component's blocks
// rounded up to whole sampling units.
qint64 CoefficientBytes(const JpegFrame& frame);

}  // namespace platform
