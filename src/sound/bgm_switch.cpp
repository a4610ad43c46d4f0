#include "sound/bgm_switch.h"

namespace sound {

void m3a_Click(int16_t Index, BgmMenu& menu, int16_t& BgmOn, engine::SoundPort& sound, const std::string& AppDir) {
    if (Index != kBgmOnIndex && Index != kBgmOffIndex) return;
    menu.SetChecked(kBgmOnIndex, false);
    menu.SetChecked(kBgmOffIndex, false);
    menu.SetChecked(Index, true);
    if (menu.IsChecked(kBgmOnIndex)) {
        sound.MidiPlay(AppDir + "QUIL9702.mid");
        BgmOn = 1;
    }
    if (menu.IsChecked(kBgmOffIndex)) {
        BgmOn = 0;
        sound.MidiStop();
        sound.WaveStop();
    }
}

}  // namespace sound
