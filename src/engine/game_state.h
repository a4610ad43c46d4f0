#pragma once
// The whole state of a game: the board, the counters and flags of the main
// window, and the two globals of the shared module. Only the engine writes
// them; every other layer reads them through engine::Game.
#include <cstdint>
#include <string>

#include "engine/board.h"

namespace engine {

struct GameState {
    Board board;                // the tiles and the gap
    int16_t ShuffleLimit = 0;   // counted moves allowed before a reshuffle
    int16_t ShuffleCount = 0;   // automatic reshuffles in this game, 0..3
    int16_t MoveCount = 0;      // counted moves since the start or the last reshuffle
    int16_t Playing = 0;        // 1 while moves are counted and sounded
    int16_t BgmOn = 1;          // the sound switch of the ＢＧＭ menu
    std::string PicturePath;    // file of the picture chosen last, in the file system's bytes
    int16_t PictureLoaded = 0;  // 1 once a picture waits for the next game
};

// The shared module's globals.
struct Globals {
    std::string AppDir;    // the program's folder, always ending in '/'
    int16_t ClickSu = 15;  // moves per grid step before a reshuffle, 1..99
};

inline constexpr int16_t kClickSuMin = 1;
inline constexpr int16_t kClickSuMax = 99;

// Whether the options window may store the value: the limit of a game must
// stay above 0, or a start could lay a board over a running game.
constexpr bool IsClickSu(int value) { return value >= kClickSuMin && value <= kClickSuMax; }

}  // namespace engine
