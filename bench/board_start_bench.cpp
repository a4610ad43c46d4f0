// A 6 × 6 start (35 pieces cut from a 960 × 876 picture, 1200 simulated
// clicks) and one 6 × 6 automatic reshuffle, on real tile widgets offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <cstdlib>

#include "bench_support.h"
#include "mainwindow/board_size.h"
#include "mainwindow/main_window.h"
#include "platform/clock_random.h"
#include "platform/desktop_services.h"
#include "platform/picture_loader.h"

namespace {

using benchsupport::NoSound;

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
    platform::DesktopServices services;  // nothing here asks anything of the desktop
    mainwindow::Form1 form{sound, random, services};
    QImage picture = BusyPicture(960, 876, Qt::cyan, Qt::darkMagenta);
    Board() {
        form.show();
        QApplication::processEvents();
    }
    // A 6 × 6 start, timed; the reset after it is not.
    void StartAndReset(benchmark::State& run) {
        form.Pictures().Take(picture, "busy.jpg");
        form.Game().m1a_Click(3);
        run.PauseTiming();
        Reset();
        run.ResumeTiming();
    }
    void Reset() {
        form.Game().m1b_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // A real press on a tile beside the gap.
    void PressNeighbour() {
        const engine::Board& cells = form.Game().State().board;
        QWidget* tile = nullptr;
        for (int16_t i = 1; i <= 35 && !tile; ++i)
            if (engine::IsNextToGap(cells, i)) tile = form.findChild<QWidget*>(QStringLiteral("canv%1").arg(i));
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), tile->mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(tile, &press);
    }
};

void BM_StartSixBySix(benchmark::State& run) {
    Board board;
    for (auto _ : run) board.StartAndReset(run);
}
BENCHMARK(BM_StartSixBySix)->Unit(benchmark::kMillisecond);

// The click that passes the move limit on a 6 × 6 board: the slide and the
// 1200 simulated clicks of the reshuffle, on the real tile widgets.
void BM_ReshuffleSixBySix(benchmark::State& run) {
    Board board;
    engine::Game& game = board.form.Game();
    game.StoreClickSu(1);  // a limit of 4 on 6 × 6: few untimed moves between reshuffles
    for (auto _ : run) {
        run.PauseTiming();
        // Never the game over: a new game before the third reshuffle.
        if (!game.IsOn() || game.State().ShuffleCount == 2) {
            board.Reset();
            board.form.Pictures().Take(board.picture, "busy.jpg");
            game.m1a_Click(3);
        }
        while (game.State().MoveCount < game.State().ShuffleLimit) board.PressNeighbour();
        run.ResumeTiming();
        board.PressNeighbour();
    }
}
BENCHMARK(BM_ReshuffleSixBySix)->Unit(benchmark::kMillisecond);

// A 24-megapixel photo, as a camera would give: loaded, cut and shuffled.
void BM_StartSixBySixFrom24MegapixelPhoto(benchmark::State& run) {
    const std::string path = "/tmp/pernoka-bench-24mp.jpg";
    BusyPicture(6000, 4000, Qt::darkGreen, Qt::yellow).save(QString::fromStdString(path), "JPEG", 90);
    Board board;
    for (auto _ : run) {
        board.picture = platform::LoadPicture(path, mainwindow::kBoardSize).value_or(QImage());
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
