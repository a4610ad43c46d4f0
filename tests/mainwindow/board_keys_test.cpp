// The arrow keys on the board: each one presses the tile beside the gap that
// would move its way, exactly as a click on that tile does.
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QWindow>

#include "form_fixture.h"

namespace mainwindow_test {
namespace {

using BoardKeys = FormTest;

// A key as the window system delivers it: to the focused window, where a
// menu that is open takes it first.
void Key(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(window.windowHandle(), key, modifiers);
}

TEST_F(BoardKeys, EachArrowSlidesTheTileOnTheFarSideOfTheGap) {
    Start(0, true);  // 3 × 3, gap bottom right
    const int16_t left = TileAt(1, 2), above = TileAt(2, 1);
    Key(form, Qt::Key_Right);  // the tile left of the gap moves right
    EXPECT_EQ(board().PosX[left], 2);
    EXPECT_EQ(board().PosY[left], 2);
    EXPECT_EQ(board().SpaceX, 1);
    EXPECT_EQ(form.windowTitle(), "1回目");

    Key(form, Qt::Key_Left);  // and back: now it is right of the gap
    EXPECT_EQ(board().PosX[left], 1);
    EXPECT_EQ(board().SpaceX, 2);

    Key(form, Qt::Key_Down);  // the tile above moves down
    EXPECT_EQ(board().PosY[above], 2);
    EXPECT_EQ(board().SpaceY, 1);
    Key(form, Qt::Key_Up);  // and up again
    EXPECT_EQ(board().PosY[above], 1);
    EXPECT_EQ(board().SpaceY, 2);

    EXPECT_EQ(form.windowTitle(), "4回目");
    EXPECT_EQ(PopSounds(), 4);
    ExpectTilesWhereTheBoardSays();
}

TEST_F(BoardKeys, AnArrowWithNoTileOnThatSideDoesNothing) {
    Start(1, true);  // 4 × 4, gap bottom right: nothing right of it or below
    const engine::GameState before = state();
    Key(form, Qt::Key_Left);
    Key(form, Qt::Key_Up);
    EXPECT_EQ(board().PosX, before.board.PosX);
    EXPECT_EQ(board().PosY, before.board.PosY);
    EXPECT_EQ(state().MoveCount, 0);
    EXPECT_EQ(form.windowTitle(), "ペルノカ Ver.0.2");
    EXPECT_EQ(PopSounds(), 0);
}

TEST_F(BoardKeys, WithoutAGameArrowsDoNothing) {
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down}) Key(form, key);
    EXPECT_EQ(form.windowTitle(), "ペルノカ Ver.0.2");
    EXPECT_TRUE(sound.calls.empty());

    // After a game has been reset, the stale tables move nothing either.
    Start(0, false);
    form.Game().m1b_Click();
    const engine::GameState before = state();
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down}) Key(form, key);
    EXPECT_EQ(board().PosX, before.board.PosX);
    EXPECT_EQ(board().SpaceX, before.board.SpaceX);
    EXPECT_EQ(form.windowTitle(), "0回目");
}

TEST_F(BoardKeys, ArrowsWithModifiersAreOtherKeys) {
    Start(0, true);
    for (Qt::KeyboardModifiers modifiers :
         {Qt::KeyboardModifiers(Qt::ShiftModifier), Qt::KeyboardModifiers(Qt::ControlModifier),
          Qt::KeyboardModifiers(Qt::AltModifier), Qt::KeyboardModifiers(Qt::MetaModifier)})
        Key(form, Qt::Key_Right, modifiers);
    EXPECT_EQ(board().SpaceX, 2);
    EXPECT_EQ(state().MoveCount, 0);

    // The keypad's arrows are arrows.
    Key(form, Qt::Key_Right, Qt::KeypadModifier);
    EXPECT_EQ(board().SpaceX, 1);
    EXPECT_EQ(state().MoveCount, 1);
}

TEST_F(BoardKeys, AHeldKeyMovesOnce) {
    Start(0, true);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(&form, &press);
    ASSERT_EQ(state().MoveCount, 1);
    for (int i = 0; i < 3; ++i) {
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(&form, &repeat);
    }
    EXPECT_EQ(state().MoveCount, 1);
    EXPECT_EQ(board().SpaceX, 1);
}

TEST_F(BoardKeys, KeysCountReshuffleAndEndTheGameAsClicksDo) {
    services.Answer(platform::MsgAnswer::No);
    ASSERT_TRUE(form.Game().StoreClickSu(1));
    Start(0, false);
    // The first arrow that makes a counted move: the gap has a tile beside
    // it on two sides at least.
    const auto slide = [this] {
        const engine::GameState before = state();
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Left, Qt::Key_Down, Qt::Key_Up}) {
            Key(form, key);
            if (state().MoveCount != before.MoveCount || state().ShuffleCount != before.ShuffleCount) return true;
        }
        return false;
    };
    // With a limit of 1 every second move reshuffles, and the sixth ends the game.
    for (int move = 1; move <= 6; ++move) {
        ASSERT_TRUE(slide()) << move;
        if (move == 6) break;
        EXPECT_EQ(form.windowTitle(), move % 2 ? "1回目" : "0回目") << move;
        EXPECT_EQ(state().ShuffleCount, move / 2) << move;
        ExpectTilesWhereTheBoardSays();  // after a reshuffle as after a move
    }
    EXPECT_EQ(PopSounds(), 6);
    ASSERT_EQ(services.Shown().size(), 1u);
    EXPECT_EQ(services.Shown()[0].prompt, "終了します。");
    EXPECT_EQ(board().DivCount, 0);  // いいえ: the board is reset
    EXPECT_EQ(form.windowTitle(), "0回目");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Tile(1), nullptr);
}

TEST_F(BoardKeys, AnOpenMenuKeepsItsArrows) {
    Start(0, true);
    QMenu* start = form.menuBar()->actions().at(0)->menu();
    QMenu* pictures = form.menuBar()->actions().at(1)->menu();
    form.menuBar()->setActiveAction(form.menuBar()->actions().at(0));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activePopupWidget() == start; }));
    Key(form, Qt::Key_Down);
    Key(form, Qt::Key_Down);
    EXPECT_EQ(start->activeAction(), start->actions().at(1));  // ４分割
    Key(form, Qt::Key_Right);                                  // no submenu: on to the next menu
    EXPECT_EQ(QApplication::activePopupWidget(), pictures);
    EXPECT_EQ(board().SpaceX, 2);
    EXPECT_EQ(board().SpaceY, 2);
    EXPECT_EQ(state().MoveCount, 0);

    // Esc closes the menu, and another leaves the menu bar: the arrows are
    // the board's again.
    Key(form, Qt::Key_Escape);
    Key(form, Qt::Key_Escape);
    ASSERT_EQ(QApplication::activePopupWidget(), nullptr);
    Key(form, Qt::Key_Right);
    EXPECT_EQ(state().MoveCount, 1);
}

TEST_F(BoardKeys, TheMenuBarWorkedByKeyboardKeepsItsArrows) {
    Start(0, true);
    Key(form, Qt::Key_Alt);  // Alt alone: the menu bar takes the keyboard
    ASSERT_NE(form.menuBar()->activeAction(), nullptr);
    Key(form, Qt::Key_Right);
    EXPECT_EQ(form.menuBar()->activeAction(), form.menuBar()->actions().at(1));
    Key(form, Qt::Key_Left);
    EXPECT_EQ(state().MoveCount, 0);
    EXPECT_EQ(board().SpaceX, 2);

    // A screen reader's bridge sends the Alt again once the reader has seen
    // it, after the real one has opened the menu bar: that one leaves it open.
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent again(type, Qt::Key_Alt, type == QEvent::KeyPress ? Qt::AltModifier : Qt::NoModifier);
        QApplication::sendEvent(form.windowHandle(), &again);
    }
    ASSERT_NE(form.menuBar()->activeAction(), nullptr);

    // Left again, it keeps the focus; arrows slide tiles once more.
    Key(form, Qt::Key_Escape);
    ASSERT_EQ(form.menuBar()->activeAction(), nullptr);
    Key(form, Qt::Key_Right);
    EXPECT_EQ(state().MoveCount, 1);
    EXPECT_EQ(board().SpaceX, 1);
}

}  // namespace
}  // namespace mainwindow_test
