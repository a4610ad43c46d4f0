#pragma once
// The board as a screen reader hears it: each tile a button named by the
// piece it shows and the cell it stands in, the board named, the gap told
// in the board's description, and the words for a reshuffle and the game
// over.
#include <QString>
#include <cstdint>

#include "engine/board_geometry.h"

namespace mainwindow {

inline constexpr const char* kBoardName = "盤";
inline constexpr const char* kGameOverText = "ゲームオーバー";

// "タイル 5 (2 行 3 列)": tile 5, in the second row, third column.
QString TileName(int16_t index, engine::Cell cell);

// "空きマス (3 行 3 列)".
QString GapDescription(engine::Cell cell);

// "盤をシャッフルしました (1 回目)", after the first reshuffle.
QString ReshuffleText(int16_t reshuffles);

// Tiles are offered to assistive tools as buttons whose one action is the
// tile's press. Safe to call more than once.
void InstallBoardAccessibility();

}  // namespace mainwindow
