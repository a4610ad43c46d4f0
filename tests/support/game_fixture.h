#pragma once
// An engine wired to recording fakes, for tests that play real games.
#include <gtest/gtest.h>

#include <cstdlib>

#include "engine/game.h"
#include "support/fake_board.h"

namespace testsupport {

class GameFixture : public ::testing::Test {
protected:
    GameFixture() { globals.AppDir = "/opt/pernoka/"; }

    void StartGame(int16_t index) {
        state.PictureLoaded = 1;
        game.m1a_Click(index);
    }

    // A tile next to the gap, or 0 when (impossibly) none is.
    int16_t Neighbour() const {
        const int16_t n = state.DivCount;
        for (int16_t i = 1; i <= n * n - 1; ++i)
            if (std::abs(state.PosX[i] - state.SpaceX) + std::abs(state.PosY[i] - state.SpaceY) == 1) return i;
        return 0;
    }

    // A tile that is not next to the gap.
    int16_t FarTile() const {
        const int16_t n = state.DivCount;
        for (int16_t i = 1; i <= n * n - 1; ++i)
            if (std::abs(state.PosX[i] - state.SpaceX) + std::abs(state.PosY[i] - state.SpaceY) > 1) return i;
        return 0;
    }

    void ClickNeighbour() { game.Canv_MouseDown(Neighbour(), 1, 0, 3.0f, 4.0f); }

    engine::GameState state;
    engine::Globals globals;
    FakeWindow window;
    FakeSound sound;
    ScriptedRandom random;
    engine::Game game{state, globals, window, sound, random};
};

}  // namespace testsupport
