#include "mainwindow/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QToolButton>

#include "dialogs/about_window.h"
#include "engine/msgbox_codes.h"
#include "mainwindow/tile_widget.h"
#include "platform/end_process.h"
#include "platform/shell.h"
#include "support/fake_board.h"
#include "support/scripted_msgbox.h"

namespace {

class MainWindow : public ::testing::Test {
protected:
    MainWindow() {
        platform::SetEndProcessHook([this] { ++ended; });
    }
    ~MainWindow() override { platform::SetEndProcessHook(nullptr); }

    QStringList Captions(const QList<QAction*>& actions) {
        QStringList captions;
        for (QAction* action : actions) captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return captions;
    }

    testsupport::FakeSound sound;
    testsupport::ScriptedRandom random;
    mainwindow::Form1 form{sound, random};
    int ended = 0;
};

TEST_F(MainWindow, MenuTreeInItsOrderWithTheCheckOnOnOnly) {
    const QList<QAction*> bar = form.menuBar()->actions();
    EXPECT_EQ(Captions(bar), (QStringList{"開始", "画像", "ＢＧＭ", "表示", "ｵﾌﾟｼｮﾝ", "help"}));
    EXPECT_EQ(Captions(bar[0]->menu()->actions()),
              (QStringList{"３分割", "４分割", "５分割", "６分割", "-", "リセット", "-", "終了"}));
    EXPECT_EQ(Captions(bar[1]->menu()->actions()), (QStringList{"画像選択", "パンチラ", "ねまき"}));
    EXPECT_EQ(Captions(bar[2]->menu()->actions()), (QStringList{"ON", "OFF"}));
    EXPECT_EQ(bar[3]->menu(), nullptr);  // commands right on the bar
    EXPECT_EQ(bar[4]->menu(), nullptr);
    EXPECT_EQ(Captions(bar[5]->menu()->actions()), (QStringList{"help", "about..."}));

    int checked = 0;
    for (QAction* top : bar)
        if (top->menu())
            for (QAction* item : top->menu()->actions()) checked += item->isChecked();
    EXPECT_EQ(checked, 1);
    EXPECT_TRUE(form.m3a(0)->isChecked());
    EXPECT_FALSE(form.m3a(1)->isChecked());
    EXPECT_TRUE(sound.calls.empty());  // no music before a game
}

TEST_F(MainWindow, FixedClientAreaBelowTheMenuBarAndEveryTitleVisible) {
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.Board()->size(), QSize(317, 289));
    EXPECT_EQ(form.Board()->geometry().top(), form.menuBar()->geometry().bottom() + 1);
    EXPECT_EQ(form.size(), QSize(317, 289 + form.menuBar()->height()));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(form.windowTitle(), "ペルノカ Ver.0.2");
    EXPECT_EQ(form.Board()->palette().color(QPalette::Window), QColor(Qt::black));
    auto* overflow = form.menuBar()->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
    EXPECT_TRUE(overflow == nullptr || !overflow->isVisible());
    for (QAction* top : form.menuBar()->actions())
        EXPECT_FALSE(form.menuBar()->actionGeometry(top).isEmpty()) << top->text().toStdString();
    EXPECT_FALSE(form.findChild<QWidget*>(QStringLiteral("Picture1"))->isVisible());
    EXPECT_FALSE(form.Tile(0)->isVisible());
}

TEST_F(MainWindow, LoadStepRecordsTheProgramFolder) {
    const std::string& appDir = form.Shared().AppDir;
    ASSERT_FALSE(appDir.empty());
    EXPECT_EQ(appDir.back(), '/');
    EXPECT_NE(appDir.substr(appDir.size() - 2), "//");
    EXPECT_EQ(QDir::currentPath().toStdString() + "/", appDir);
    EXPECT_EQ(form.Shared().ClickSu, 15);
    EXPECT_EQ(form.State().BgmOn, 1);
}

TEST_F(MainWindow, ClosingTellsThePlayerThenEnds) {
    testsupport::ScriptedMsgBox boxes;
    form.show();
    form.close();
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].prompt, "終了します。");
    EXPECT_EQ(boxes.Shown()[0].buttons, engine::vbOKOnly);
    EXPECT_EQ(boxes.Shown()[0].title, "ペルノカ Ver.0.2");
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(sound.calls.empty());  // closing leaves the sound alone
}

class BoardWidgets : public MainWindow {
protected:
    void StartOn(QImage picture, int16_t index) {
        form.Picture1() = std::move(picture);
        form.State().PictureLoaded = 1;
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        form.m1a_Click(index);
    }
    int16_t NeighbourOfGap() {
        const auto& s = form.State();
        for (int16_t i = 1; i < s.DivCount * s.DivCount; ++i)
            if (std::abs(s.PosX[i] - s.SpaceX) + std::abs(s.PosY[i] - s.SpaceY) == 1) return i;
        return 0;
    }
};

TEST_F(BoardWidgets, TilesMeetWithoutSeamsOrOverlap) {
    QImage picture(300, 200, QImage::Format_RGB32);
    picture.fill(Qt::red);
    StartOn(picture, 0);
    const auto& s = form.State();
    QRegion covered;
    int area = 0;
    for (int16_t i = 1; i <= 8; ++i) {
        const QRect g = form.Tile(i)->geometry();
        EXPECT_TRUE(form.Tile(i)->isVisible());
        EXPECT_EQ(g.topLeft(), QPoint(qRound(s.PosX[i] * 1585 / 15.0), qRound(s.PosY[i] * 1445 / 15.0)));
        covered += g;
        area += g.width() * g.height();
    }
    const QRect gap = QRect(QPoint(qRound(s.SpaceX * 1585 / 15.0), qRound(s.SpaceY * 1445 / 15.0)),
                            QPoint(qRound((s.SpaceX + 1) * 1585 / 15.0) - 1, qRound((s.SpaceY + 1) * 1445 / 15.0) - 1));
    covered += gap;
    EXPECT_EQ(area + gap.width() * gap.height(), 317 * 289);   // no overlap...
    EXPECT_EQ(covered.boundingRect(), QRect(0, 0, 317, 289));  // ...and no seam
    EXPECT_EQ(covered.rectCount() > 0, true);
}

TEST_F(BoardWidgets, EveryMouseButtonSlidesARealTile) {
    QImage picture(960, 876, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    StartOn(picture, 1);
    int moves = 0;
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        const int16_t tile = NeighbourOfGap();
        ASSERT_NE(tile, 0);
        const int16_t gapX = form.State().SpaceX, gapY = form.State().SpaceY;
        QTest::mousePress(form.Tile(tile), button, Qt::NoModifier, QPoint(5, 5));
        ++moves;
        EXPECT_EQ(form.State().PosX[tile], gapX);
        EXPECT_EQ(form.State().PosY[tile], gapY);
        EXPECT_EQ(form.windowTitle(), QStringLiteral("%1回目").arg(moves));
        QTest::mouseRelease(form.Tile(tile), button, Qt::NoModifier, QPoint(5, 5));
    }
    EXPECT_EQ(sound.calls.back(), "WavePlay " + form.Shared().AppDir + "Pop.wav");
}

TEST_F(BoardWidgets, PieceIsTheSourceRectangleRenderedAtTheTileSize) {
    QImage picture(300, 200, QImage::Format_RGB32);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x) picture.setPixel(x, y, qRgb(x < 100 ? 255 : 0, y < 67 ? 255 : 0, 0));
    for (int i = 0; i < 600; ++i) random.script.push_back(0.0f);  // keep the board solved
    StartOn(picture, 0);
    const QImage piece = form.Tile(1)->Piece();
    EXPECT_EQ(piece.size(), QSize(100, 67));
    EXPECT_EQ(piece.pixel(50, 30), qRgb(255, 255, 0));
    const QImage shown = form.Tile(1)->grab().toImage();
    EXPECT_EQ(shown.size(), form.Tile(1)->size() * form.Tile(1)->devicePixelRatioF());
    EXPECT_EQ(QColor(shown.pixel(shown.width() / 2, shown.height() / 2)), QColor(255, 255, 0));
}

TEST_F(BoardWidgets, ThinAndEmptyPicturesStillGiveEveryTileSomething) {
    QImage thin(1, 4000, QImage::Format_RGB32);
    thin.fill(Qt::green);
    StartOn(thin, 3);
    for (int16_t i = 1; i <= 35; ++i) EXPECT_FALSE(form.Tile(i)->Piece().isNull()) << i;
    form.m1b_Click();
    StartOn(QImage(), 0);  // a tile with nothing to show is black, not a crash
    EXPECT_TRUE(form.Tile(1)->Piece().isNull());
    form.Tile(1)->grab();
}

TEST_F(BoardWidgets, GameOverResetFromInsideTheClickedTileIsSafe) {
    testsupport::ScriptedMsgBox boxes;
    boxes.Answer(engine::vbNo);
    form.Shared().ClickSu = 1;
    QImage picture(90, 90, QImage::Format_RGB32);
    picture.fill(Qt::white);
    StartOn(picture, 0);
    QPointer<mainwindow::TileWidget> last;
    for (int move = 0; move < 6; ++move) {
        last = form.Tile(NeighbourOfGap());
        QTest::mousePress(last.data(), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    }
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].prompt, "終了します。");
    EXPECT_EQ(form.State().DivCount, 0);
    EXPECT_EQ(form.windowTitle(), "0回目");
    EXPECT_FALSE(last.isNull());  // still alive until its handler has returned...
    EXPECT_FALSE(last->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(last.isNull());  // ...then gone
    for (int16_t i = 1; i <= 8; ++i) EXPECT_EQ(form.Tile(i), nullptr);
    EXPECT_EQ(ended, 0);
}

}  // namespace

namespace {

// What the player sees while the click sound plays: the real window's surface.
class ScreenAtClick final : public engine::SoundPort {
public:
    QWidget* window = nullptr;
    QImage seen;
    void MidiPlay(const std::string&) override {}
    void MidiStop() override {}
    void WavePlay(const std::string&) override { seen = window->screen()->grabWindow(window->winId()).toImage(); }
    void WaveStop() override {}
};

TEST(MovePainting, TheSlidTileIsOnScreenBeforeTheClickSoundBlocks) {
    ScreenAtClick sound;
    testsupport::ScriptedRandom random;
    for (int i = 0; i < 600; ++i) random.script.push_back(0.0f);  // keep the board solved
    mainwindow::Form1 form(sound, random);
    sound.window = &form;
    QImage white(90, 90, QImage::Format_RGB32);
    white.fill(Qt::white);
    form.Picture1() = white;
    form.State().PictureLoaded = 1;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.m1a_Click(0);
    QCoreApplication::processEvents();  // the board as the player first sees it

    // Tile 8 slides right into the gap in the bottom-right cell.
    QTest::mousePress(form.Tile(8), Qt::LeftButton);
    ASSERT_FALSE(sound.seen.isNull());
    const QPoint gapCentre = form.Board()->mapTo(&form, QPoint(264, 241));
    const qreal dpr = sound.seen.devicePixelRatio();
    EXPECT_EQ(QColor(sound.seen.pixel(gapCentre * dpr)), QColor(Qt::white));
}

TEST_F(BoardWidgets, HelpAndAboutLeaveAGameAlone) {
    QImage picture(90, 90, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    StartOn(picture, 1);
    QTest::mousePress(form.Tile(NeighbourOfGap()), Qt::LeftButton);
    const engine::GameState before = form.State();
    const QString title = form.windowTitle();
    std::vector<std::string> opened;
    platform::SetShellHook(
        [&](const std::string& operation, const std::string& target) { opened.push_back(operation + " " + target); });
    form.m5a_Click();
    form.m5b_Click();
    platform::SetShellHook(nullptr);
    EXPECT_EQ(opened, std::vector<std::string>{"open " + form.Shared().AppDir + "Tez.hlp"});
    const engine::GameState& after = form.State();
    EXPECT_EQ(after.PosX, before.PosX);
    EXPECT_EQ(after.PosY, before.PosY);
    EXPECT_EQ(after.ShuffleLimit, before.ShuffleLimit);
    EXPECT_EQ(after.MoveCount, before.MoveCount);
    EXPECT_EQ(after.DivCount, 4);
    EXPECT_EQ(form.windowTitle(), title);
    for (int16_t i = 1; i <= 15; ++i) EXPECT_TRUE(form.Tile(i)->isVisible());
    if (QWidget* about = dialogs::AboutWindowInstance()) about->close();
}

}  // namespace

namespace {

TEST_F(MainWindow, BgmMenuKeepsExactlyOneCheckWhicheverIsChosen) {
    form.m3a(0)->trigger();  // ON while already checked: Qt unticks it first
    EXPECT_TRUE(form.m3a(0)->isChecked());
    EXPECT_FALSE(form.m3a(1)->isChecked());
    EXPECT_EQ(form.State().BgmOn, 1);
    form.m3a(1)->trigger();
    EXPECT_FALSE(form.m3a(0)->isChecked());
    EXPECT_TRUE(form.m3a(1)->isChecked());
    EXPECT_EQ(form.State().BgmOn, 0);
    form.m3a(1)->trigger();
    EXPECT_TRUE(form.m3a(1)->isChecked());
    const std::string tune = "MidiPlay " + form.Shared().AppDir + "QUIL9702.mid";
    EXPECT_EQ(sound.calls, (std::vector<std::string>{tune, "MidiStop", "WaveStop", "MidiStop", "WaveStop"}));
}

}  // namespace
