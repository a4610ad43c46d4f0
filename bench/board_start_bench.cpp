// A 6 × 6 start (35 pieces cut from a 960 × 876 picture, 1200 simulated
// clicks) and one 6 × 6 automatic reshuffle, on real tile widgets offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <cstdlib>

#include "mainwindow/main_window.h"
#include "platform/clock_random.h"
#include "platform/picture_loader.h"

namespace {

class NoSound final : public engine::SoundPort {
public:
    void MidiPlay(const std::string&) override {}
    void MidiStop() override {}
    void WavePlay(const std::string&) override {}
    void WaveStop() override {}
};

// A picture with detail everywhere, as a photo or drawing would have.
QImage BusyPicture(int width, int height, QColor from, QColor to) {
    QImage picture(width, height, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, width, height);
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    painter.fillRect(picture.rect(), gradient);
    const int spots = width * height / 4200;
    for (int i = 0; i < spots; ++i) painter.drawEllipse((i * 97) % width, (i * 53) % height, width / 24, height / 29);
    return picture;
}

struct Board {
    NoSound sound;
    platform::ClockRandom random;
    mainwindow::Form1 form{sound, random};
    Board() {
        form.Picture1() = BusyPicture(960, 876, Qt::cyan, Qt::darkMagenta);
        form.show();
        QApplication::processEvents();
    }
    // A 6 × 6 start, timed; the reset after it is not.
    void StartAndReset(benchmark::State& run) {
        form.State().PictureLoaded = 1;
        form.m1a_Click(3);
        run.PauseTiming();
        form.m1b_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        run.ResumeTiming();
    }
};

void BM_StartSixBySix(benchmark::State& run) {
    Board board;
    for (auto _ : run) board.StartAndReset(run);
}
BENCHMARK(BM_StartSixBySix)->Unit(benchmark::kMillisecond);

void BM_ReshuffleSixBySix(benchmark::State& run) {
    Board board;
    board.form.State().PictureLoaded = 1;
    board.form.m1a_Click(3);
    auto& state = board.form.State();
    for (auto _ : run) {
        state.Playing = 0;
        board.form.GameEngine().ShuffleBoard();
        state.Playing = 1;
    }
}
BENCHMARK(BM_ReshuffleSixBySix)->Unit(benchmark::kMillisecond);

// A 24-megapixel photo, as a camera would give: loaded, cut and shuffled.
void BM_StartSixBySixFrom24MegapixelPhoto(benchmark::State& run) {
    const std::string path = "/tmp/pernoka-bench-24mp.jpg";
    BusyPicture(6000, 4000, Qt::darkGreen, Qt::yellow).save(QString::fromStdString(path), "JPEG", 90);
    Board board;
    for (auto _ : run) {
        board.form.Picture1() = platform::LoadPicture(path).value_or(QImage());
        board.StartAndReset(run);
    }
}
BENCHMARK(BM_StartSixBySixFrom24MegapixelPhoto)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
