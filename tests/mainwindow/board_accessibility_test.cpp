// The board as assistive tools see it: named tiles that follow their moves,
// the gap, and a press that is the tile's own.
#include "mainwindow/board_accessibility.h"

#include <QAccessible>
#include <QAccessibleActionInterface>

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
    EXPECT_EQ(Tile(8)->accessibleName(), "タイル 8 (3 行 2 列)");
    EXPECT_EQ(form.centralWidget()->accessibleDescription(), "空きマス (3 行 3 列)");
    QTest::keyClick(form.windowHandle(), Qt::Key_Right);  // tile 8 into the corner
    EXPECT_EQ(Tile(8)->accessibleName(), "タイル 8 (3 行 3 列)");
    EXPECT_EQ(form.centralWidget()->accessibleDescription(), "空きマス (3 行 2 列)");
    QTest::mousePress(Tile(5), Qt::LeftButton);  // tile 5 down into the gap
    EXPECT_EQ(Tile(5)->accessibleName(), "タイル 5 (3 行 2 列)");
    EXPECT_EQ(form.centralWidget()->accessibleDescription(), "空きマス (2 行 2 列)");

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

}  // namespace
}  // namespace mainwindow_test
