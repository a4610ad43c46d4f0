#pragma once
// The cat of the night picture: curled up asleep in striped pajamas and a
// night cap, head on its front paws.
#include <QPainter>

namespace assets {

// Drawn around `centre`; at scale 1 the cat is about 420 x 260 pixels.
void paintSleepingCat(QPainter& p, QPointF centre, double scale);

}  // namespace assets
