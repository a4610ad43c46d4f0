#pragma once
// Cutting a tile's piece out of the picture.
#include <QImage>
#include <QRect>
#include <QSize>

namespace platform {

// The part source of picture (as the board's arithmetic gives it), kept
// inside the picture and at least one pixel big, shrunk where it is larger
// than limit (the most pixels the tile can show) on a side. A null picture
// gives a null piece. Only the piece is copied, never the whole picture, so
// cutting a board piece by piece adds one full piece at most.
QImage CutPiece(const QImage& picture, QRect source, QSize limit);

}  // namespace platform
