#pragma once
// What the engine needs from the main window: one notification for every
// change of the board, the title, the background, a message box and the end
// of the process.
#include <cstdint>
#include <string>

#include "engine/board.h"

namespace engine {

// What happened to the board since the last notification.
enum class BoardChange {
    NewBoard,    // a start laid out and shuffled a new board: every tile is new
    Slid,        // one tile slid into the gap
    Reshuffled,  // the automatic reshuffle moved any number of tiles
    Cleared,     // Reset: there is no board any more
};

class WindowPort {
public:
    virtual ~WindowPort() = default;

    // The board as it now is. With Slid, tile is the tile that moved; 0
    // otherwise. Cleared may come from inside a tile's own press.
    virtual void BoardChanged(const Board& board, BoardChange change, int16_t tile) = 0;

    virtual void SetCaption(const std::string& text) = 0;
    virtual void SetBackColor(uint32_t rgb) = 0;

    // A modal message box; returns the button pressed (see msgbox_codes.h).
    virtual int MsgBox(const std::string& prompt, int buttons, const std::string& title) = 0;

    // Ends the process at once; does not return in the real program.
    virtual void EndProcess() = 0;
};

}  // namespace engine
