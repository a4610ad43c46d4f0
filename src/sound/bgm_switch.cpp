// The ＢＧＭ menu's handler: the game switches the sound, the menu shows it.
#include "sound/bgm_switch.h"

#include "engine/game.h"

namespace sound {

void m3a_Click(int16_t Index, BgmMenu& menu, engine::Game& game) {
    if (Index != kBgmOnIndex && Index != kBgmOffIndex) return;
    game.SwitchSound(Index == kBgmOnIndex);
    menu.ShowBgmSwitch(game.State().BgmOn == 1);
}

}  // namespace sound
