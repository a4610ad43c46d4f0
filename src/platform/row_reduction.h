#pragma once
// Shrinking a decoded picture one source row at a time, so that the only
// memory it takes besides the two pictures is a row and the sums of one
// output row: a picture Qt decoded whole in 8 or 16 bits a channel, or in
// a palette or grey, is never copied whole to 32 bits on the way down.
#include <QImage>
#include <QSize>

namespace platform {

// The picture reduced to size (no larger than it either way) by averaging
// the block of source pixels each output pixel covers. Colours are averaged
// premultiplied, so transparent pixels lend no colour; the result is
// Format_RGB32, or Format_ARGB32_Premultiplied when the picture has alpha.
QImage ReducedByRows(const QImage& picture, QSize size);

}  // namespace platform
