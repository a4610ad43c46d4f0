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

QSize ReducedSize(QSize shown, QSize minimum) {
    const qint64 w = shown.width(), h = shown.height();
    const qint64 mw = minimum.width(), mh = minimum.height();
    if (w <= mw || h <= mh) return shown;
    if (mw * h >= mh * w) return QSize(static_cast<int>(mw), static_cast<int>((h * mw + w - 1) / w));
    return QSize(static_cast<int>((w * mh + h - 1) / h), static_cast<int>(mh));
}

RowReducer::RowReducer(QSize from, QSize to, bool alpha) : from_(from), alpha_(alpha) {
    const int w = from.width(), ow = to.width(), oh = to.height();
    if (ow <= 0 || oh <= 0 || ow > w || oh > from.height()) return;
    reduced_ = QImage(to, alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (reduced_.isNull()) return;
    first_.resize(static_cast<size_t>(ow) + 1);
    for (int x = 0; x <= ow; ++x) first_[x] = static_cast<int>(int64_t{x} * w / ow);
    sums_.assign(static_cast<size_t>(ow) * 4, 0);
}

void RowReducer::Add(const QRgb* row) {
    const int ow = reduced_.width(), oh = reduced_.height();
    if (reduced_.isNull() || oy_ >= oh) return;
    for (int x = 0; x < ow; ++x) {
        uint64_t* sum = &sums_[static_cast<size_t>(x) * 4];
        for (int sx = first_[x]; sx < first_[x + 1]; ++sx) {
            const QRgb p = row[sx];
            sum[0] += qRed(p);
            sum[1] += qGreen(p);
            sum[2] += qBlue(p);
            sum[3] += qAlpha(p);
        }
    }
    ++y_;
    ++rowsInBlock_;
    // Output row oy_ covers the source rows up to (oy_ + 1) * h / oh.
    if (y_ < static_cast<int>(int64_t{oy_ + 1} * from_.height() / oh)) return;
    auto* out = reinterpret_cast<QRgb*>(reduced_.scanLine(oy_));
    for (int x = 0; x < ow; ++x) {
        const uint64_t count = uint64_t(first_[x + 1] - first_[x]) * rowsInBlock_;
        const uint64_t* sum = &sums_[static_cast<size_t>(x) * 4];
        const auto mean = [count](uint64_t s) { return static_cast<int>((s + count / 2) / count); };
        out[x] = qRgba(mean(sum[0]), mean(sum[1]), mean(sum[2]), alpha_ ? mean(sum[3]) : 255);
    }
    std::fill(sums_.begin(), sums_.end(), 0);
    rowsInBlock_ = 0;
    ++oy_;
}

QImage ReducedByRows(const QImage& picture, QSize size) {
    if (picture.isNull()) return QImage();
    RowReducer reducer(picture.size(), size, picture.hasAlphaChannel());
    if (reducer.picture().isNull()) return QImage();
    std::vector<QRgb> row(static_cast<size_t>(picture.width()));
    for (int y = 0; y < picture.height(); ++y) {
        FetchRow(picture, y, row);
        reducer.Add(row.data());
    }
    return reducer.picture();
}

}  // namespace platform
