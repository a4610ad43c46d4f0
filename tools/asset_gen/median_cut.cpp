#include "median_cut.h"

#include <algorithm>
#include <array>
#include <vector>

namespace assets {
namespace {

struct Entry {
    std::array<int, 3> c;
    int n;
};

struct Box {
    std::vector<Entry> entries;
    long long pixels = 0;

    int channelSpread(int ch) const {
        int lo = 255, hi = 0;
        for (const Entry& e : entries) {
            lo = std::min(lo, e.c[ch]);
            hi = std::max(hi, e.c[ch]);
        }
        return hi - lo;
    }
    int widestChannel() const {
        int best = 0;
        for (int ch = 1; ch < 3; ++ch)
            if (channelSpread(ch) > channelSpread(best)) best = ch;
        return best;
    }
    // Large, populous boxes are split first so busy regions get more colours.
    double priority() const {
        if (entries.size() < 2) return -1.0;
        return double(channelSpread(widestChannel()) + 1) * double(pixels);
    }
    QRgb mean() const {
        double s[3] = {0, 0, 0};
        for (const Entry& e : entries)
            for (int ch = 0; ch < 3; ++ch) s[ch] += double(e.c[ch]) * e.n;
        const double n = double(std::max<long long>(pixels, 1));
        return qRgb(int(s[0] / n + 0.5), int(s[1] / n + 0.5), int(s[2] / n + 0.5));
    }
};

std::pair<Box, Box> split(Box box) {
    const int ch = box.widestChannel();
    // Sort by the split channel, ties broken by the colour itself, so the
    // outcome never depends on hash iteration order.
    std::sort(box.entries.begin(), box.entries.end(), [ch](const Entry& a, const Entry& b) {
        if (a.c[ch] != b.c[ch]) return a.c[ch] < b.c[ch];
        return a.c < b.c;
    });
    long long half = box.pixels / 2, acc = 0;
    size_t cut = 1;
    for (size_t i = 0; i + 1 < box.entries.size(); ++i) {
        acc += box.entries[i].n;
        cut = i + 1;
        if (acc >= half) break;
    }
    Box a, b;
    a.entries.assign(box.entries.begin(), box.entries.begin() + long(cut));
    b.entries.assign(box.entries.begin() + long(cut), box.entries.end());
    for (const Entry& e : a.entries) a.pixels += e.n;
    b.pixels = box.pixels - a.pixels;
    return {std::move(a), std::move(b)};
}

}  // namespace

QList<QRgb> medianCutPalette(QHash<QRgb, int> histogram, int count, const QList<QRgb>& fixed) {
    QList<QRgb> palette;
    for (QRgb f : fixed) {
        palette.append(f | 0xff000000u);
        histogram.remove(f | 0xff000000u);
    }
    const int free = count - int(palette.size());
    if (free <= 0 || histogram.isEmpty()) return palette;

    Box all;
    for (auto it = histogram.cbegin(); it != histogram.cend(); ++it) {
        all.entries.push_back({{qRed(it.key()), qGreen(it.key()), qBlue(it.key())}, it.value()});
        all.pixels += it.value();
    }
    std::vector<Box> boxes;
    boxes.push_back(std::move(all));
    while (int(boxes.size()) < free) {
        auto widest = std::max_element(boxes.begin(), boxes.end(),
                                       [](const Box& a, const Box& b) { return a.priority() < b.priority(); });
        if (widest->priority() < 0) break;
        auto [a, b] = split(std::move(*widest));
        *widest = std::move(a);
        boxes.push_back(std::move(b));
    }
    for (const Box& box : boxes) palette.append(box.mean());
    return palette;
}

int nearestIndex(const QList<QRgb>& palette, QRgb colour) {
    int best = 0;
    long best_d = -1;
    for (int i = 0; i < int(palette.size()); ++i) {
        const long dr = qRed(palette[i]) - qRed(colour);
        const long dg = qGreen(palette[i]) - qGreen(colour);
        const long db = qBlue(palette[i]) - qBlue(colour);
        // Green weighs most in perceived brightness, blue least.
        const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (best_d < 0 || d < best_d) {
            best_d = d;
            best = i;
        }
    }
    return best;
}

QImage toIndexed8(const QImage& image, const QList<QRgb>& fixed) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> histogram;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) ++histogram[line[x] | 0xff000000u];
    }
    const QList<QRgb> palette = medianCutPalette(histogram, 256, fixed);

    QImage out(rgb.size(), QImage::Format_Indexed8);
    out.setColorTable(palette);
    QHash<QRgb, int> cache;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* dst = out.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = line[x] | 0xff000000u;
            auto it = cache.find(c);
            if (it == cache.end()) it = cache.insert(c, nearestIndex(palette, c));
            dst[x] = uchar(it.value());
        }
    }
    return out;
}

}  // namespace assets
