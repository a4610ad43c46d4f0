// The board as assistive tools see it: named tiles that follow their moves,
// the gap, a press that is the tile's own, and what a screen reader is told
// of a move, a reshuffle, the game over and the question for the gap.
#include "mainwindow/board_accessibility.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <array>

#include "form_fixture.h"

namespace mainwindow_test {
namespace {

using BoardAccessibility = FormTest;

QString Expected(int index, int col, int row) {
    return QStringLiteral("タイル %1 (%2 行 %3 列)").arg(index).arg(row + 1).arg(col + 1);
}

TEST_F(BoardAccessibility, EveryTileIsNamedByItsPieceAndItsCell) {
    Start(2, false);  // 5 × 5, shuffled
    for (int16_t i = 1; i <= 24; ++i)
        EXPECT_EQ(Tile(i)->accessibleName(), Expected(i, board().PosX[i], board().PosY[i]));
    const QWidget* boardWidget = form.centralWidget();
    EXPECT_EQ(boardWidget->accessibleName(), "盤");
    EXPECT_EQ(boardWidget->accessibleDescription(), mainwindow::GapDescription({board().SpaceX, board().SpaceY}));
}

TEST_F(BoardAccessibility, NamesAndTheGapFollowEachMove) {
    Start(0, true);
    QCoreApplication::processEvents();  // the board takes the focus
    EXPECT_EQ(Tile(8)->accessibleName(), "タイル 8 (3 行 2 列)");
    EXPECT_EQ(form.centralWidget()->accessibleDescription(), "空きマス (3 行 3 列)");
    QTest::keyClick(form.windowHandle(), Qt::Key_Right);  // tile 8 into the corner
    EXPECT_EQ(Tile(8)->accessibleName(), "タイル 8 (3 行 3 列)");
    EXPECT_EQ(form.centralWidget()->accessibleDescription(), "空きマス (3 行 2 列)");
    // The moved tile takes the focus, telling the count the title shows.
    EXPECT_EQ(form.focusWidget(), Tile(8));
    EXPECT_EQ(Tile(8)->accessibleDescription(), "1回目");
    QTest::mousePress(Tile(5), Qt::LeftButton);  // tile 5 down into the gap
    EXPECT_EQ(Tile(5)->accessibleName(), "タイル 5 (3 行 2 列)");
    EXPECT_EQ(form.centralWidget()->accessibleDescription(), "空きマス (2 行 2 列)");
    EXPECT_EQ(form.focusWidget(), Tile(5));
    EXPECT_EQ(Tile(5)->accessibleDescription(), "2回目");
    EXPECT_EQ(Tile(8)->accessibleDescription(), QString());  // one count on the board

    form.Game().m1b_Click();  // no board, no gap
    EXPECT_EQ(form.centralWidget()->accessibleDescription(), QString());
}

TEST_F(BoardAccessibility, ATileIsAButtonWhosePressSlidesIt) {
    Start(0, true);
    QAccessibleInterface* tile = QAccessible::queryAccessibleInterface(Tile(6));
    ASSERT_NE(tile, nullptr);
    EXPECT_EQ(tile->role(), QAccessible::Button);
    EXPECT_EQ(tile->text(QAccessible::Name), "タイル 6 (2 行 3 列)");
    QAccessibleActionInterface* actions = tile->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_EQ(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});

    actions->doAction(QAccessibleActionInterface::pressAction());  // above the gap: moves down
    EXPECT_EQ(board().PosY[6], 2);
    EXPECT_EQ(form.windowTitle(), "1回目");
    EXPECT_EQ(PopSounds(), 1);

    // Pressing a tile away from the gap does what a click there does: nothing.
    QAccessible::queryAccessibleInterface(Tile(1))->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
    EXPECT_EQ(board().PosX[1], 0);
    EXPECT_EQ(form.windowTitle(), "1回目");
}

TEST_F(BoardAccessibility, ScreenReadersFindTheTilesUnderTheBoard) {
    Start(0, true);
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(form.centralWidget());
    ASSERT_NE(board, nullptr);
    int tiles = 0;
    for (int i = 0; i < board->childCount(); ++i)
        if (board->child(i)->role() == QAccessible::Button) ++tiles;
    EXPECT_EQ(tiles, 8);  // the hidden template is not among them
}

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// Without Qt's announcements a screen reader is told by a notification that
// shows on the board. (Qt's announcements reach only a running
// accessibility bridge, which the end-to-end tests have.)
TEST_F(BoardAccessibility, AMoveAReshuffleTheGameOverAndTheGapAreAnnounced) {
    services.Answer(platform::MsgAnswer::No);
    ASSERT_TRUE(form.Game().StoreClickSu(1));  // every second move reshuffles
    Start(0, true);
    QCoreApplication::processEvents();  // the board takes the focus
    auto* notification = form.findChild<QWidget*>(QStringLiteral("announcer"));
    ASSERT_NE(notification, nullptr);
    ASSERT_EQ(QAccessible::queryAccessibleInterface(notification)->role(), QAccessible::Notification);
    const auto key = [this](Qt::Key k) { QTest::keyClick(form.windowHandle(), k); };
    int shown = 0;
    // What the notification says as it shows; shown again for each message.
    QString told;
    struct ShowCounter : QObject {
        QWidget* watched;
        int* shown;
        QString* told;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Show) ++*shown, *told = watched->accessibleName();
            return false;
        }
    } counter;
    counter.watched = notification, counter.shown = &shown, counter.told = &told;
    notification->installEventFilter(&counter);

    key(Qt::Key_Question);
    EXPECT_EQ(told, "空きマス (3 行 3 列)");
    key(Qt::Key_Question);  // asked twice, told twice
    EXPECT_EQ(shown, 2);

    key(Qt::Key_Right);  // tile 8 takes the focus: told by that
    EXPECT_EQ(shown, 2);
    key(Qt::Key_Left);  // tile 8 again, which has the focus; and a reshuffle
    ASSERT_EQ(state().ShuffleCount, 1);
    EXPECT_EQ(shown, 4);
    EXPECT_EQ(told, "盤をシャッフルしました (1 回目)");
    key(Qt::Key_Question);
    EXPECT_EQ(told, mainwindow::GapDescription(engine::GapCell(board())));

    // On to the third reshuffle, which the game over follows: told before
    // its question comes up.
    QString toldAtTheQuestion;
    services.OnBox([&] { toldAtTheQuestion = told; });
    for (int tries = 0; tries < 40 && services.Shown().empty(); ++tries)
        key(std::array{Qt::Key_Right, Qt::Key_Left, Qt::Key_Down, Qt::Key_Up}[tries % 4]);
    ASSERT_EQ(services.Shown().size(), 1u);
    EXPECT_EQ(toldAtTheQuestion, "ゲームオーバー");

    shown = 0;
    key(Qt::Key_Question);  // no board, nothing to tell
    EXPECT_EQ(shown, 0);
}
#endif

}  // namespace
}  // namespace mainwindow_test
