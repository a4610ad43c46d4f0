#pragma once
// The ＢＧＭ menu: "ON" (index 0) and "OFF" (index 1), the one sound switch.
#include <cstdint>

namespace engine {
class Game;
}

namespace sound {

// The two check marks, kept by the main window's menu: exactly one of them
// shows the switch.
class BgmMenu {
public:
    virtual ~BgmMenu() = default;
    virtual void ShowBgmSwitch(bool on) = 0;
};

inline constexpr int16_t kBgmOnIndex = 0;
inline constexpr int16_t kBgmOffIndex = 1;

// "ON" (re)starts the tune and turns the switch on; "OFF" turns it off and
// silences the tune and any wave sound. The check marks follow the switch.
// Never refused. An Index other than 0 or 1 changes nothing.
void m3a_Click(int16_t Index, BgmMenu& menu, engine::Game& game);

}  // namespace sound
