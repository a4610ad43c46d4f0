#pragma once
// What one run of the program keeps for its games: the game state, the
// shared globals, and Picture1, the picture the next game is cut from. The
// program holds it and lends it to the main window.
#include <QImage>

#include "engine/game_state.h"

namespace mainwindow {

struct Session {
    engine::GameState state;
    engine::Globals globals;
    QImage picture1;
};

}  // namespace mainwindow
