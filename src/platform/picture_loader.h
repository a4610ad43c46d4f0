#pragma once
// Loading a picture file (BMP, JPEG or the first frame of a GIF) the way the
// board needs it: turned upright by its EXIF orientation, and a large photo
// decoded straight to a reduced size instead of at full resolution.
#include <QImage>
#include <QSize>
#include <optional>
#include <string>

namespace platform {

// The smallest size a large picture is reduced to: twice the board (its size
// in logical pixels) at the highest device pixel ratio among the screens, so
// the tiles stay sharp wherever the window goes.
QSize MinimumDecodeSize(QSize board);

// Loads the picture at path (UTF-8) for a board of the given size in logical
// pixels. An empty path yields an empty picture (a null QImage). A null
// optional is a failure the caller sees: no such regular file, not a
// BMP/JPEG/GIF, a broken header, or a picture that could only be decoded at
// full size and would take more than kMaxDecodedPixels. A file cut short
// after a sound header loads as far as the decoder gets.
std::optional<QImage> LoadPicture(const std::string& path, QSize board);

// Full-size decodes above this many pixels (256 MB at 32 bits a pixel) are
// refused; JPEG, being decoded at reduced size, is not held to it by its
// stored size.
inline constexpr qint64 kMaxDecodedPixels = qint64{64} * 1024 * 1024;

}  // namespace platform
