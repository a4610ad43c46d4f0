#include "sound/bgm_switch.h"

#include "engine/data_files.h"

namespace sound {

void m3a_Click(int16_t Index, BgmMenu& menu, int16_t& BgmOn, engine::SoundPort& sound, const std::string& AppDir) {
    if (Index == kBgmOnIndex) {
        sound.MidiPlay(AppDir + engine::file::kTune);
        BgmOn = 1;
    } else if (Index == kBgmOffIndex) {
        BgmOn = 0;
        sound.MidiStop();
        sound.WaveStop();
    } else {
        return;
    }
    menu.ShowBgmSwitch(BgmOn == 1);
}

}  // namespace sound
