#pragma once
// The ＢＧＭ menu: "ON" (index 0) and "OFF" (index 1), the one sound switch.
#include <cstdint>
#include <string>

#include "engine/sound_port.h"

namespace sound {

// The two check marks, kept by the main window's menu.
class BgmMenu {
public:
    virtual ~BgmMenu() = default;
    virtual void SetChecked(int16_t index, bool checked) = 0;
    virtual bool IsChecked(int16_t index) const = 0;
};

inline constexpr int16_t kBgmOnIndex = 0;
inline constexpr int16_t kBgmOffIndex = 1;

// Moves the check mark to the chosen item; "ON" (re)starts the tune
// AppDir + "QUIL9702.mid" and sets BgmOn to 1, "OFF" sets it to 0 and
// silences the tune and any wave sound. Never refused. An Index other than 0
// or 1 changes nothing.
void m3a_Click(int16_t Index, BgmMenu& menu, int16_t& BgmOn, engine::SoundPort& sound, const std::string& AppDir);

}  // namespace sound
