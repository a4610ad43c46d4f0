// How long loading a 24-megapixel photo takes, and how much memory it adds at
// its peak: LoadPicture's reduced decoding against a plain full-size QImage.
//
//   picture_load_bench [--benchmark_repetitions=5 ...]
//
// The photo is made once at start-up: 6000 × 4000, JPEG quality 92, with
// smooth shading, edges and grain so that it compresses like a real one.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>

#include "bench_support.h"
#include "mainwindow/board_size.h"
#include "platform/picture_loader.h"

namespace {

using benchsupport::PeakMbAddedBy;

QString& PhotoPath() {
    static QString path;
    return path;
}

QImage MakePhoto(int width, int height) {
    QImage photo(width, height, QImage::Format_RGB32);
    QPainter painter(&photo);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor(70, 130, 210));
    sky.setColorAt(0.55, QColor(200, 225, 240));
    sky.setColorAt(0.56, QColor(60, 120, 50));
    sky.setColorAt(1, QColor(120, 90, 40));
    painter.fillRect(photo.rect(), sky);
    painter.setRenderHint(QPainter::Antialiasing);
    uint32_t seed = 12345;
    auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
    for (int i = 0; i < 1500; ++i) {  // leaves, stones, roofs: edges everywhere
        const QColor colour(next() % 256, next() % 256, next() % 256, 160);
        painter.setBrush(colour);
        painter.setPen(QPen(colour.darker(150), 3));
        const int x = next() % width, y = next() % height, r = 20 + next() % 180;
        if (i % 2)
            painter.drawEllipse(QPoint(x, y), r, r * 2 / 3);
        else
            painter.drawRect(x, y, r, r / 2);
    }
    painter.end();
    for (int y = 0; y < height; ++y) {  // sensor grain
        auto* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int grain = int(next() >> 28) - 8;
            const QRgb c = line[x];
            line[x] = qRgb(qBound(0, qRed(c) + grain, 255), qBound(0, qGreen(c) + grain, 255),
                           qBound(0, qBlue(c) + grain, 255));
        }
    }
    return photo;
}

void Report(benchmark::State& state, const std::function<QSize()>& load) {
    load();  // plugins and caches in place before anything is measured
    QSize size;
    const double peak = PeakMbAddedBy([&] { size = load(); });
    if (peak < 0) state.SkipWithError("cannot reset the peak resident size (/proc/self/clear_refs)");
    for (auto _ : state) benchmark::DoNotOptimize(load());
    state.counters["peak_MB_added"] = peak;
    state.counters["width"] = size.width();
    state.counters["height"] = size.height();
}

void BM_LoadPictureReduced(benchmark::State& state) {
    const std::string path = PhotoPath().toStdString();
    Report(state, [&] { return platform::LoadPicture(path, mainwindow::kBoardSize).value_or(QImage()).size(); });
}
BENCHMARK(BM_LoadPictureReduced)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_QImageFullSize(benchmark::State& state) {
    const QString path = PhotoPath();
    Report(state, [&] { return QImage(path).size(); });
}
BENCHMARK(BM_QImageFullSize)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    QTemporaryDir folder;
    PhotoPath() = folder.filePath("photo.jpg");
    if (!MakePhoto(6000, 4000).save(PhotoPath(), "JPEG", 92)) return 1;
    benchmark::AddCustomContext("photo",
                                "6000x4000 JPEG, " + std::to_string(QFileInfo(PhotoPath()).size() / 1024) + " KB");

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
