#pragma once
// The ＢＧＭ menu: "ON" (index 0) and "OFF" (index 1), the one sound switch.
#include <cstdint>
#include <string>

#include "engine/sound_port.h"

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

// "ON" (re)starts the tune AppDir + "QUIL9702.mid" and then sets BgmOn to 1;
// "OFF" sets it to 0 and then silences the tune and any wave sound. The
// check marks follow BgmOn. Never refused. An Index other than 0 or 1
// changes nothing.
void m3a_Click(int16_t Index, BgmMenu& menu, int16_t& BgmOn, engine::SoundPort& sound, const std::string& AppDir);

}  // namespace sound
