#include "drawings.h"
#include "paint_kit.h"
namespace assets {
QImage drawSummerPicture() { QImage i(kPictureWidth, kPictureHeight, QImage::Format_RGB32); i.fill(Qt::blue); return i; }
}
