#pragma once
#include <QByteArray>
#include <QImage>

namespace assets {

// The bytes of a Windows icon file holding the one image `argb`, reduced to
// 16 colours (4 bits per pixel) with a 1-bit transparency mask. Pixels less
// than half opaque become transparent. Sizes up to 256 x 256; an empty array
// is returned for anything else. Colours in `keep` are given palette
// entries of their own so the motif's key colours stay true.
QByteArray encodeIco4(const QImage& argb, const QList<QRgb>& keep = {});

}  // namespace assets
