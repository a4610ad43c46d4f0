#include "mainwindow/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QWindow>
#include <cmath>

#include "dialogs/about_window.h"
#include "dialogs/options_window.h"
#include "mainwindow/form_fixture.h"
#include "mainwindow/picture_view.h"
#include "mainwindow/tile_widget.h"
#include "platform/bmp_fixtures.h"
#include "support/fake_board.h"
#include "support/fake_services.h"
#include "support/windows.h"

namespace {

// The window's own parts, found as the player's tools would find them.
QWidget* Board(const mainwindow::Form1& form) { return form.centralWidget(); }
QAction* BgmItem(const mainwindow::Form1& form, int index) {
    return form.menuBar()->actions().at(2)->menu()->actions().at(index);
}

class MainWindow : public mainwindow_test::FormTest {
protected:
    QStringList Captions(const QList<QAction*>& actions) {
        QStringList captions;
        for (QAction* action : actions) captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return captions;
    }
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
    EXPECT_TRUE(BgmItem(form, 0)->isChecked());
    EXPECT_FALSE(BgmItem(form, 1)->isChecked());
    EXPECT_TRUE(sound.calls.empty());  // no music before a game
}

TEST_F(MainWindow, FixedClientAreaBelowTheMenuBarAndEveryTitleVisible) {
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(Board(form)->size(), QSize(317, 289));
    EXPECT_EQ(Board(form)->geometry().top(), form.menuBar()->geometry().bottom() + 1);
    EXPECT_EQ(form.size(), QSize(317, 289 + form.menuBar()->height()));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(form.windowTitle(), "ペルノカ Ver.0.2");
    EXPECT_EQ(Board(form)->palette().color(QPalette::Window), QColor(Qt::black));
    auto* overflow = form.menuBar()->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
    EXPECT_TRUE(overflow == nullptr || !overflow->isVisible());
    for (QAction* top : form.menuBar()->actions())
        EXPECT_FALSE(form.menuBar()->actionGeometry(top).isEmpty()) << top->text().toStdString();
    EXPECT_FALSE(Tile(0)->isVisible());
}

TEST_F(MainWindow, LoadStepRecordsTheProgramFolder) {
    const std::string& appDir = form.Game().Shared().AppDir;
    ASSERT_FALSE(appDir.empty());
    EXPECT_EQ(appDir.back(), '/');
    EXPECT_NE(appDir.substr(appDir.size() - 2), "//");
    EXPECT_EQ(QDir::currentPath().toStdString() + "/", appDir);
    EXPECT_EQ(form.Game().Shared().ClickSu, 15);
    EXPECT_EQ(state().BgmOn, 1);
}

TEST_F(MainWindow, ClosingTellsThePlayerThenEnds) {
    services.ExpectBoxes();
    form.show();
    form.close();
    ASSERT_EQ(services.Shown().size(), 1u);
    EXPECT_EQ(services.Shown()[0].prompt, "終了します。");
    EXPECT_EQ(services.Shown()[0].buttons, platform::MsgButtons::Ok);
    EXPECT_EQ(services.Shown()[0].title, "ペルノカ Ver.0.2");
    EXPECT_EQ(services.EndProcessCalls(), 1);
    EXPECT_TRUE(sound.calls.empty());  // closing leaves the sound alone
}

class BoardWidgets : public MainWindow {
protected:
    int16_t NeighbourOfGap() {
        const auto& s = board();
        for (int16_t i = 1; i < s.DivCount * s.DivCount; ++i)
            if (std::abs(s.PosX[i] - s.SpaceX) + std::abs(s.PosY[i] - s.SpaceY) == 1) return i;
        return 0;
    }
};

TEST_F(BoardWidgets, TilesMeetWithoutSeamsOrOverlap) {
    QImage picture(300, 200, QImage::Format_RGB32);
    picture.fill(Qt::red);
    StartOn(picture, 0);
    const auto& s = board();
    QRegion covered;
    int area = 0;
    for (int16_t i = 1; i <= 8; ++i) {
        const QRect g = Tile(i)->geometry();
        EXPECT_TRUE(Tile(i)->isVisible());
        EXPECT_EQ(g, CellRect(engine::CellOf(s, i)));
        covered += g;
        area += g.width() * g.height();
    }
    const QRect gap = CellRect(engine::GapCell(s));
    covered += gap;
    int coveredArea = 0;
    for (const QRect& part : covered) coveredArea += part.width() * part.height();
    EXPECT_EQ(covered.boundingRect(), QRect(0, 0, 317, 289));
    EXPECT_EQ(coveredArea, 317 * 289);                        // no seam...
    EXPECT_EQ(area + gap.width() * gap.height(), 317 * 289);  // ...and no overlap
}

TEST_F(BoardWidgets, EveryMouseButtonSlidesARealTile) {
    QImage picture(960, 876, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    StartOn(picture, 1);
    int moves = 0;
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        const int16_t tile = NeighbourOfGap();
        ASSERT_NE(tile, 0);
        const int16_t gapX = board().SpaceX, gapY = board().SpaceY;
        QTest::mousePress(Tile(tile), button, Qt::NoModifier, QPoint(5, 5));
        ++moves;
        EXPECT_EQ(board().PosX[tile], gapX);
        EXPECT_EQ(board().PosY[tile], gapY);
        EXPECT_EQ(form.windowTitle(), QStringLiteral("%1回目").arg(moves));
        QTest::mouseRelease(Tile(tile), button, Qt::NoModifier, QPoint(5, 5));
    }
    EXPECT_EQ(sound.calls.back(), "WavePlay " + form.Game().Shared().AppDir + "Pop.wav");
}

TEST_F(BoardWidgets, PieceIsTheSourceRectangleRenderedAtTheTileSize) {
    QImage picture(300, 200, QImage::Format_RGB32);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x) picture.setPixel(x, y, qRgb(x < 100 ? 255 : 0, y < 67 ? 255 : 0, 0));
    for (int i = 0; i < 600; ++i) random.script.push_back(0.0f);  // keep the board solved
    StartOn(picture, 0);
    const QImage piece = Tile(1)->Piece();
    EXPECT_EQ(piece.size(), QSize(100, 67));
    EXPECT_EQ(piece.pixel(50, 30), qRgb(255, 255, 0));
    const QImage shown = Tile(1)->grab().toImage();
    EXPECT_EQ(shown.size(), Tile(1)->size() * Tile(1)->devicePixelRatioF());
    EXPECT_EQ(QColor(shown.pixel(shown.width() / 2, shown.height() / 2)), QColor(255, 255, 0));
}

TEST_F(BoardWidgets, ThinAndEmptyPicturesStillGiveEveryTileSomething) {
    QImage thin(1, 4000, QImage::Format_RGB32);
    thin.fill(Qt::green);
    StartOn(thin, 3);
    for (int16_t i = 1; i <= 35; ++i) EXPECT_FALSE(Tile(i)->Piece().isNull()) << i;
    form.Game().m1b_Click();
    StartOn(QImage(), 0);  // a tile with nothing to show is black, not a crash
    EXPECT_TRUE(Tile(1)->Piece().isNull());
    Tile(1)->grab();
}

TEST_F(BoardWidgets, PiecesOfAHugePictureAreNoLargerThanATileCanShow) {
    // 2 × 900000 pixels in four bands from the top: each 3 × 3 piece is
    // 1 × 300000 pixels, for a tile of about a hundred.
    const QImage picture = testsupport::Bands(2, 900000).convertToFormat(QImage::Format_RGB32);
    for (int i = 0; i < 600; ++i) random.script.push_back(0.0f);  // keep the board solved
    StartOn(picture, 0);
    qreal ratio = 1;
    for (const QScreen* screen : QGuiApplication::screens()) ratio = std::max(ratio, screen->devicePixelRatio());
    for (int16_t i = 1; i <= 8; ++i) {
        const QImage piece = Tile(i)->Piece();
        EXPECT_LE(piece.width(), std::ceil(Tile(i)->width() * ratio)) << i;
        EXPECT_LE(piece.height(), std::ceil(Tile(i)->height() * ratio)) << i;
    }
    // Still the same part of the picture: the first row of pieces runs from
    // red into green, the last from blue into white.
    const QImage first = Tile(1)->Piece(), last = Tile(7)->Piece();
    EXPECT_EQ(QColor(first.pixel(0, 0)), QColor(Qt::red));
    EXPECT_EQ(QColor(first.pixel(0, first.height() - 1)), QColor(Qt::green));
    EXPECT_EQ(QColor(last.pixel(0, 0)), QColor(Qt::blue));
    EXPECT_EQ(QColor(last.pixel(0, last.height() - 1)), QColor(Qt::white));
}

TEST_F(BoardWidgets, GameOverResetFromInsideTheClickedTileIsSafe) {
    services.Answer(platform::MsgAnswer::No);
    ASSERT_TRUE(form.Game().StoreClickSu(1));
    QImage picture(90, 90, QImage::Format_RGB32);
    picture.fill(Qt::white);
    StartOn(picture, 0);
    QPointer<mainwindow::TileWidget> last;
    for (int move = 0; move < 6; ++move) {
        last = Tile(NeighbourOfGap());
        QTest::mousePress(last.data(), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    }
    ASSERT_EQ(services.Shown().size(), 1u);
    EXPECT_EQ(services.Shown()[0].prompt, "終了します。");
    EXPECT_EQ(board().DivCount, 0);
    EXPECT_EQ(form.windowTitle(), "0回目");
    EXPECT_FALSE(last.isNull());  // still alive until its handler has returned...
    EXPECT_FALSE(last->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(last.isNull());  // ...then gone
    for (int16_t i = 1; i <= 8; ++i) EXPECT_EQ(Tile(i), nullptr);
    EXPECT_EQ(services.EndProcessCalls(), 0);
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
    void PrepareTune(const std::string&) override {}
};

TEST(MovePainting, TheSlidTileIsOnScreenBeforeTheClickSoundBlocks) {
    ScreenAtClick sound;
    testsupport::ScriptedRandom random;
    for (int i = 0; i < 600; ++i) random.script.push_back(0.0f);  // keep the board solved
    testsupport::FakeServices services;
    mainwindow::Form1 form(sound, random, services);
    sound.window = &form;
    QImage white(90, 90, QImage::Format_RGB32);
    white.fill(Qt::white);
    form.Pictures().Take(white, "/pics/white.jpg");
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.Game().m1a_Click(0);
    QCoreApplication::processEvents();  // the board as the player first sees it

    // Tile 8 slides right into the gap in the bottom-right cell.
    QTest::mousePress(form.findChild<mainwindow::TileWidget*>(QStringLiteral("canv8")), Qt::LeftButton);
    ASSERT_FALSE(sound.seen.isNull());
    const QPoint gapCentre = Board(form)->mapTo(&form, QPoint(264, 241));
    const qreal dpr = sound.seen.devicePixelRatio();
    EXPECT_EQ(QColor(sound.seen.pixel(gapCentre * dpr)), QColor(Qt::white));
}

TEST_F(BoardWidgets, HelpAndAboutLeaveAGameAlone) {
    form.Game().Load(PERNOKA_APP_DIR "/");  // where the help file lies
    QImage picture(90, 90, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    StartOn(picture, 1);
    QTest::mousePress(Tile(NeighbourOfGap()), Qt::LeftButton);
    const engine::GameState before = state();
    const QString title = form.windowTitle();
    form.m5a_Click();
    form.m5b_Click();
    QWidget* help = testsupport::OpenWindowNamed("helpViewer");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(testsupport::Part<QTextBrowser>(help, "helpBrowser")->source(),
              QUrl::fromLocalFile(QStringLiteral(PERNOKA_APP_DIR "/Tez.hlp")));
    const engine::GameState& after = state();
    EXPECT_EQ(after.board, before.board);
    EXPECT_EQ(after.ShuffleLimit, before.ShuffleLimit);
    EXPECT_EQ(after.MoveCount, before.MoveCount);
    EXPECT_EQ(after.board.DivCount, 4);
    EXPECT_EQ(form.windowTitle(), title);
    for (int16_t i = 1; i <= 15; ++i) EXPECT_TRUE(Tile(i)->isVisible());
    if (QWidget* about = testsupport::OpenWindow<dialogs::AboutWindow>()) about->close();
}

}  // namespace

namespace {

TEST_F(MainWindow, TheSecondaryWindowsStayAboveTheBoardWithoutBlockingIt) {
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.m6_Click();
    form.m8_Click();
    form.m5b_Click();
    const QWidget* windows[] = {testsupport::OpenWindow<mainwindow::PictureView>(),
                                testsupport::OpenWindow<dialogs::OptionsWindow>(),
                                testsupport::OpenWindow<dialogs::AboutWindow>()};
    for (const QWidget* window : windows) {
        ASSERT_NE(window, nullptr);
        SCOPED_TRACE(window->metaObject()->className());
        EXPECT_EQ(window->parentWidget(), &form);
        EXPECT_TRUE(window->isWindow());
        ASSERT_NE(window->windowHandle(), nullptr);
        EXPECT_EQ(window->windowHandle()->transientParent(), form.windowHandle());
        EXPECT_EQ(window->windowModality(), Qt::NonModal);
        EXPECT_FALSE(window->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint));
    }
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MainWindow, BgmMenuKeepsExactlyOneCheckWhicheverIsChosen) {
    BgmItem(form, 0)->trigger();  // ON while already checked: Qt unticks it first
    EXPECT_TRUE(BgmItem(form, 0)->isChecked());
    EXPECT_FALSE(BgmItem(form, 1)->isChecked());
    EXPECT_EQ(state().BgmOn, 1);
    BgmItem(form, 1)->trigger();
    EXPECT_FALSE(BgmItem(form, 0)->isChecked());
    EXPECT_TRUE(BgmItem(form, 1)->isChecked());
    EXPECT_EQ(state().BgmOn, 0);
    BgmItem(form, 1)->trigger();
    EXPECT_TRUE(BgmItem(form, 1)->isChecked());
    const std::string tune = "MidiPlay " + form.Game().Shared().AppDir + "QUIL9702.mid";
    EXPECT_EQ(sound.calls, (std::vector<std::string>{tune, "MidiStop", "WaveStop", "MidiStop", "WaveStop"}));
}

}  // namespace
