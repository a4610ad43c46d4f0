#pragma once
// Loading a picture file (BMP, JPEG, PNG or the first frame of a GIF) the
// way the board needs it: turned upright by its EXIF orientation, a large
// photo decoded straight to a reduced size instead of at full resolution,
// and every decode held to a memory bound known from the file's header
// before decoding starts.
#include <QImage>
#include <QSize>
#include <optional>
#include <string>

namespace platform {

// The smallest size a large picture is reduced to: twice the board (its size
// in logical pixels) at the highest device pixel ratio among the screens, so
// the tiles stay sharp wherever the window goes.
QSize MinimumDecodeSize(QSize board);

// Loads the picture at path (the file system's bytes, as the open-file
// dialog gives them) for a board of the given size in logical pixels. An
// empty path yields an empty picture (a null QImage). A null optional is a
// failure the caller sees: no such regular file, not a BMP/JPEG/GIF/PNG, a
// broken header, or a decode that would take more than kMaxDecodeBytes. A
// file cut short after a sound header loads as far as the decoder gets
// (a PNG, whose rows come from libpng, does not).
std::optional<QImage> LoadPicture(const std::string& path, QSize board);

// The most memory one decode may take. Counted from the header: the picture
// Qt allocates, and where a picture must be decoded at full size (a BMP, a
// GIF, an interlaced PNG, the coefficients of a progressive JPEG) what
// that takes as well.
inline constexpr qint64 kMaxDecodeBytes = qint64{200} * 1024 * 1024;

}  // namespace platform
