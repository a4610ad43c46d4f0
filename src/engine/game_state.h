#pragma once
// The whole state of a game: the main window's variables and the two globals
// of the shared module. Nothing here is saved between runs.
#include <array>
#include <cstdint>
#include <string>

namespace engine {

// Tile slots 0..36: slot 0 is the template tile, 1..35 the largest board.
inline constexpr int kTileSlots = 37;

struct GameState {
    std::array<int16_t, kTileSlots> PosX{};  // column of the cell tile i occupies
    std::array<int16_t, kTileSlots> PosY{};  // row of the cell tile i occupies
    int16_t SpaceX = 0;                      // column of the gap
    int16_t SpaceY = 0;                      // row of the gap
    int16_t DivCount = 0;                    // tiles per side (3..6), 0 with no board
    int16_t ShuffleLimit = 0;                // counted moves allowed before a reshuffle; > 0 marks a started game
    int16_t ShuffleCount = 0;                // automatic reshuffles in this game, 0..3
    int16_t MoveCount = 0;                   // counted moves since the start or the last reshuffle
    int16_t Playing = 0;                     // 1 while moves are counted and sounded
    int16_t BgmOn = 1;                       // the sound switch of the ＢＧＭ menu
    std::string PicturePath;                 // file of the picture chosen last, in the file system's bytes
    int16_t PictureLoaded = 0;               // 1 once a picture waits for the next game
};

// The shared module's globals.
struct Globals {
    std::string AppDir;    // the program's folder, always ending in '/'
    int16_t ClickSu = 15;  // moves per grid step before a reshuffle, 1..99
};

inline constexpr int16_t kClickSuMin = 1;
inline constexpr int16_t kClickSuMax = 99;

// Ends whatever game there is: every field goes back to its start value
// above, except where the tiles and the gap stood, the sound switch and the
// path of the picture chosen last, which a new game does not need cleared.
void ClearGame(GameState& state);

}  // namespace engine
