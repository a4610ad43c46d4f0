// The row-by-row box reduction.
#include "platform/row_reduction.h"

#include <QRgba64>
#include <algorithm>
#include <cstdint>
#include <vector>

namespace platform {
namespace {

// One source row as premultiplied 32-bit pixels, into a buffer used again
// for every row: a copy of each row would be memory churned through once
// per row of a large picture.
void FetchRow(const QImage& picture, int y, std::vector<QRgb>& row) {
    const int w = picture.width();
    const uchar* line = picture.constScanLine(y);
    switch (picture.format()) {
        case QImage::Format_RGB32:
        case QImage::Format_ARGB32_Premultiplied: std::copy_n(reinterpret_cast<const QRgb*>(line), w, row.begin()); return;
        case QImage::Format_ARGB32:
            for (int x = 0; x < w; ++x) row[x] = qPremultiply(reinterpret_cast<const QRgb*>(line)[x]);
            return;
        case QImage::Format_Indexed8: {
            const QList<QRgb> table = picture.colorTable();
            for (int x = 0; x < w; ++x) row[x] = line[x] < table.size() ? qPremultiply(table[line[x]]) : 0;
            return;
        }
        case QImage::Format_Grayscale8:
            for (int x = 0; x < w; ++x) row[x] = qRgb(line[x], line[x], line[x]);
            return;
        case QImage::Format_Grayscale16:
            for (int x = 0; x < w; ++x) {
                const int g = reinterpret_cast<const quint16*>(line)[x] >> 8;
                row[x] = qRgb(g, g, g);
            }
            return;
        case QImage::Format_RGBX64:
        case QImage::Format_RGBA64_Premultiplied:
            for (int x = 0; x < w; ++x) row[x] = reinterpret_cast<const QRgba64*>(line)[x].toArgb32();
            return;
        case QImage::Format_RGBA64:
            for (int x = 0; x < w; ++x) row[x] = reinterpret_cast<const QRgba64*>(line)[x].premultiplied().toArgb32();
            return;
        default:
            for (int x = 0; x < w; ++x) row[x] = qPremultiply(picture.pixel(x, y));
            return;
    }
}

}  // namespace

QImage ReducedByRows(const QImage& picture, QSize size) {
    const int w = picture.width(), h = picture.height();
    const int ow = size.width(), oh = size.height();
    if (picture.isNull() || ow <= 0 || oh <= 0 || ow > w || oh > h) return QImage();
    const bool alpha = picture.hasAlphaChannel();
    QImage reduced(size, alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (reduced.isNull()) return QImage();

    // Output column x covers source columns [first[x], first[x + 1]).
    std::vector<int> first(static_cast<size_t>(ow) + 1);
    for (int x = 0; x <= ow; ++x) first[x] = static_cast<int>(int64_t{x} * w / ow);
    std::vector<uint64_t> sums(static_cast<size_t>(ow) * 4);
    std::vector<QRgb> row(static_cast<size_t>(w));

    int y = 0;
    for (int oy = 0; oy < oh; ++oy) {
        const int last = static_cast<int>(int64_t{oy + 1} * h / oh);
        std::fill(sums.begin(), sums.end(), 0);
        const int rows = last - y;
        for (; y < last; ++y) {
            FetchRow(picture, y, row);
            const QRgb* pixels = row.data();
            for (int x = 0; x < ow; ++x) {
                uint64_t* sum = &sums[static_cast<size_t>(x) * 4];
                for (int sx = first[x]; sx < first[x + 1]; ++sx) {
                    const QRgb p = pixels[sx];
                    sum[0] += qRed(p);
                    sum[1] += qGreen(p);
                    sum[2] += qBlue(p);
                    sum[3] += qAlpha(p);
                }
            }
        }
        auto* out = reinterpret_cast<QRgb*>(reduced.scanLine(oy));
        for (int x = 0; x < ow; ++x) {
            const uint64_t count = uint64_t(first[x + 1] - first[x]) * rows;
            const uint64_t* sum = &sums[static_cast<size_t>(x) * 4];
            const auto mean = [count](uint64_t s) { return static_cast<int>((s + count / 2) / count); };
            out[x] = qRgba(mean(sum[0]), mean(sum[1]), mean(sum[2]), alpha ? mean(sum[3]) : 255);
        }
    }
    return reduced;
}

}  // namespace platform
