#pragma once
#include <QByteArray>
#include <QImage>

namespace assets {

// The bytes of an uncompressed, bottom-up, 8-bit Windows bitmap with a full
// 256-entry palette (unused entries black). `indexed` must be
// Format_Indexed8; an empty array is returned otherwise.
QByteArray encodeBmp8(const QImage& indexed);

}  // namespace assets
