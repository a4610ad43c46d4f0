#pragma once
// The board as a screen reader hears it: each tile a button named by the
// piece it shows and the cell it stands in, the board named, the gap told
// in the board's description, and what a move, a reshuffle, the game over
// and the question for the gap have to say.
#include <QString>
#include <cstdint>

#include "engine/board_geometry.h"

class QWidget;

namespace mainwindow {

inline constexpr const char* kBoardName = "盤";
inline constexpr const char* kGameOverText = "ゲームオーバー";

// "タイル 5 (2 行 3 列)": tile 5, in the second row, third column.
QString TileName(int16_t index, engine::Cell cell);

// "空きマス (3 行 3 列)".
QString GapDescription(engine::Cell cell);

// "盤をシャッフルしました (1 回目)", after the first reshuffle.
QString ReshuffleText(int16_t reshuffles);

// Has a screen reader say the text now: Qt's announcement where it has
// one; before Qt 6.8 a new description of what holds the focus on the
// board (else of the board), as a screen reader speaks that of the object
// it is on.
void Announce(QWidget* board, const QString& text);

// Tiles are offered to assistive tools as buttons whose one action is the
// tile's press. Safe to call more than once.
void InstallBoardAccessibility();

}  // namespace mainwindow
