#pragma once
// Reading a PNG through libpng, every kind brought to 8-bit RGBA and
// reduced as its rows come in, so that no depth or size of PNG is ever
// held whole unless it is interlaced.
#include <QFile>
#include <QImage>
#include <QSize>
#include <optional>

namespace platform {

// The PNG in file (open, at its start) reduced to ReducedSize of its size
// and minimum: Format_RGB32, or Format_ARGB32_Premultiplied when it has
// alpha or a transparent colour. Null when the file is not a whole valid
// PNG or the decode would take more than maxBytes: an interlaced PNG is
// decoded whole at 4 bytes a pixel, any other takes a row.
std::optional<QImage> ReadPng(QFile& file, QSize minimum, qint64 maxBytes);

}  // namespace platform
