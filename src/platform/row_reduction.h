#pragma once
// Shrinking a picture one source row at a time, so that the only memory it
// takes besides the reduced picture is a row and the sums of one output
// row: a picture decoded whole in 8 or 16 bits a channel, or in a palette
// or grey, is never copied whole to 32 bits on the way down, and a decoder
// that hands over its rows as it reads them never holds the whole picture.
#include <QImage>
#include <QSize>
#include <cstdint>
#include <vector>

namespace platform {

// The size to decode an upright picture of size shown at: itself when one side
// is already within minimum, else shrunk with its shape kept until one side
// meets minimum (rounded up, so neither side falls short of it).
QSize ReducedSize(QSize shown, QSize minimum);

// Averages the block of source pixels each output pixel covers, the source
// given top to bottom one row of premultiplied pixels at a time. The result
// is Format_RGB32, or Format_ARGB32_Premultiplied with alpha.
class RowReducer {
public:
    // A null picture() when to is empty or larger than from either way, or
    // the reduced picture cannot be allocated.
    RowReducer(QSize from, QSize to, bool alpha);
    // The next source row, from.width() pixels; rows past the last are ignored.
    void Add(const QRgb* row);
    // What the rows given so far made; rows never given stay as allocated.
    const QImage& picture() const { return reduced_; }

private:
    QSize from_;
    bool alpha_;
    QImage reduced_;
    std::vector<int> first_;  // output column x covers [first_[x], first_[x + 1])
    std::vector<uint64_t> sums_;
    int y_ = 0, oy_ = 0, rowsInBlock_ = 0;
};

// The picture reduced to size (no larger than it either way) by a
// RowReducer. Colours are averaged premultiplied, so transparent pixels
// lend no colour.
QImage ReducedByRows(const QImage& picture, QSize size);

}  // namespace platform
