// What loading a hostile or a very large picture costs, and cutting a huge
// thin one: time and the resident memory added at the peak, one load or one
// 3 × 3 start to an iteration.
//
//   picture_limits_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
//
// The files are made once at start-up: a progressive JPEG of 280 bytes whose
// frame claims 40000 × 40000, photos of 24 and 50 megapixels (baseline and
// progressive, quality 92), a 24-bit BMP of 2 × 16.6 million pixels, and
// PNGs of 50 megapixels: the photo in 8-bit and in 16-bit colour and a
// pattern in a palette. Each PNG is also read by Qt alone, asked for the
// same reduced size and plainly at its own, beside LoadPicture.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <string>

#include "bench_support.h"
#include "mainwindow/board_size.h"
#include "mainwindow/main_window.h"
#include "platform/bmp_fixtures.h"
#include "platform/clock_random.h"
#include "platform/desktop_services.h"
#include "platform/jpeg_fixtures.h"
#include "platform/picture_fixtures.h"
#include "platform/picture_loader.h"

namespace {

using benchsupport::NoSound;
using benchsupport::PeakMbAddedBy;

std::map<std::string, std::string>& Files() {
    static std::map<std::string, std::string> files;
    return files;
}

QImage Photo(int width, int height) {
    QImage photo(width, height, QImage::Format_RGB32);
    QPainter painter(&photo);
    QLinearGradient sky(0, 0, width, height);
    sky.setColorAt(0, QColor(70, 130, 210));
    sky.setColorAt(1, QColor(120, 90, 40));
    painter.fillRect(photo.rect(), sky);
    uint32_t seed = 7;
    for (int i = 0; i < 800; ++i) {
        seed = seed * 1664525u + 1013904223u;
        painter.setBrush(QColor(seed >> 24, (seed >> 16) & 0xFF, (seed >> 8) & 0xFF));
        painter.drawEllipse(QPoint(int(seed % unsigned(width)), int((seed >> 8) % unsigned(height))), 40 + i % 200,
                            30 + i % 150);
    }
    return photo;
}

void BM_LoadPicture(benchmark::State& state, const std::string& name) {
    const std::string path = Files().at(name);
    bool loaded = false;
    double peak = 0;
    for (auto _ : state) {
        peak = PeakMbAddedBy([&] { loaded = platform::LoadPicture(path, mainwindow::kBoardSize).has_value(); });
    }
    state.counters["peak_MB_added"] = peak;
    state.counters["loaded"] = loaded;
}

// Qt's own decode, with no bound of ours and none of Qt's: asked for the
// size LoadPicture reduces to, or plainly at the stored size.
void BM_QtDecode(benchmark::State& state, const std::string& name, bool reduced) {
    const QString path = QString::fromStdString(Files().at(name));
    bool loaded = false;
    double peak = 0;
    for (auto _ : state) {
        peak = PeakMbAddedBy([&] {
            QImageReader reader(path, "png");
            reader.setAllocationLimit(0);
            if (reduced) {
                reader.setScaledSize(reader.size().scaled(platform::MinimumDecodeSize(mainwindow::kBoardSize),
                                                          Qt::KeepAspectRatioByExpanding));
            }
            loaded = !reader.read().isNull();
        });
    }
    state.counters["peak_MB_added"] = peak;
    state.counters["loaded"] = loaded;
}

// The 2 × 16.6M BMP loaded, then a 3 × 3 start on it: only the start is timed.
void BM_CutThinBitmap(benchmark::State& state) {
    NoSound sound;
    platform::ClockRandom random;
    platform::DesktopServices services;
    mainwindow::Form1 form{sound, random, services};
    form.show();
    QApplication::processEvents();
    double peak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        form.Game().m1b_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        form.Pictures().Take(platform::LoadPicture(Files().at("thin.bmp"), mainwindow::kBoardSize).value_or(QImage()),
                             "thin.bmp");
        state.ResumeTiming();
        peak = PeakMbAddedBy([&] { form.Game().m1a_Click(0); });
    }
    state.counters["peak_MB_added"] = peak;
    state.counters["picture_MB"] = double(form.Pictures().Picture1().sizeInBytes()) / (1024 * 1024);
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    QTemporaryDir folder;
    auto put = [&](const std::string& name, const QByteArray& bytes) {
        const QString path = folder.filePath(QString::fromStdString(name));
        if (!testsupport::WriteBytes(path, bytes)) std::exit(1);
        Files()[name] = path.toStdString();
        benchmark::AddCustomContext(name, std::to_string(bytes.size()) + " bytes");
    };
    QImage grey(16, 16, QImage::Format_Grayscale8);
    grey.fill(Qt::gray);
    put("bomb.jpg", testsupport::WithFrameSize(testsupport::EncodeProgressive(grey), 40000, 40000));
    for (const auto& [name, size] : {std::pair{"24mp", QSize(6000, 4000)}, std::pair{"50mp", QSize(8660, 5774)}}) {
        const QImage photo = Photo(size.width(), size.height());
        put(std::string(name) + "-baseline.jpg", testsupport::Encode(photo, "JPEG"));
        QByteArray progressive;
        QBuffer buffer(&progressive);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setQuality(92);
        writer.setProgressiveScanWrite(true);
        writer.write(photo);
        put(std::string(name) + "-progressive.jpg", progressive);
    }
    put("thin.bmp", testsupport::Bmp(testsupport::Bands(2, 16'600'000).convertToFormat(QImage::Format_RGB32), {24}));
    {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "png");
        writer.setQuality(50);
        writer.write(Photo(8660, 5774));
        put("50mp.png", png);
        // Qt writes 16 bits a channel from a 64-bit picture.
        png.clear();
        buffer.seek(0);
        writer.write(Photo(8660, 5774).convertedTo(QImage::Format_RGBX64));
        put("50mp-16bit.png", png);
    }
    put("50mp-palette.png", testsupport::Png(8660, 5774, 8, 3));

    for (const auto& [name, path] : Files()) {
        benchmark::RegisterBenchmark(("BM_LoadPicture/" + name).c_str(), BM_LoadPicture, name)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(1);
        if (name.ends_with(".png")) {
            for (const bool reduced : {true, false}) {
                benchmark::RegisterBenchmark(
                    ((reduced ? "BM_QtReducedDecode/" : "BM_QtPlainRead/") + name).c_str(), BM_QtDecode, name, reduced)
                    ->Unit(benchmark::kMillisecond)
                    ->UseRealTime()
                    ->Iterations(1);
            }
        }
    }
    benchmark::RegisterBenchmark("BM_CutThinBitmap", BM_CutThinBitmap)->Unit(benchmark::kMillisecond)->Iterations(1);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
