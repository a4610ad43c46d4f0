#pragma once
// Palette reduction for the asset formats that need indexed colour.
#include <QHash>
#include <QImage>
#include <QList>

namespace assets {

// Picks up to `count` colours representing `histogram` (opaque RGB -> pixel
// count) by median cut. Colours in `fixed` come first in the result, exactly,
// and the pixels of exactly those colours are not counted again.
QList<QRgb> medianCutPalette(QHash<QRgb, int> histogram, int count, const QList<QRgb>& fixed = {});

// Index of the palette entry closest to `colour` (squared RGB distance).
int nearestIndex(const QList<QRgb>& palette, QRgb colour);

// Maps an opaque image onto its own median-cut palette of up to 256 colours.
QImage toIndexed8(const QImage& image, const QList<QRgb>& fixed = {});

}  // namespace assets
