#pragma once
// An engine wired to recording fakes, for tests that play real games.
#include <gtest/gtest.h>

#include <cstdlib>

#include "engine/game.h"
#include "support/fake_board.h"

namespace testsupport {

class GameFixture : public ::testing::Test {
protected:
    GameFixture() { game.Load("/opt/pernoka/"); }

    void StartGame(int16_t index) {
        game.PictureChosen("/pics/a.jpg", true);
        game.m1a_Click(index);
    }

    // A solved board: every simulated click hits tile 1, which can't move.
    void StartSolved(int16_t index) {
        for (int i = 0; i < 1200; ++i) random.script.push_back(0.0f);
        StartGame(index);
    }

    // Cells between tile i and the gap, counted along rows and columns.
    int Distance(int16_t i) const {
        return std::abs(board().PosX[i] - board().SpaceX) + std::abs(board().PosY[i] - board().SpaceY);
    }

    // A tile next to the gap, or 0 when (impossibly) none is.
    int16_t Neighbour() const {
        for (int16_t i = 1; i <= board().DivCount * board().DivCount - 1; ++i)
            if (Distance(i) == 1) return i;
        return 0;
    }

    // A tile that is not next to the gap.
    int16_t FarTile() const {
        for (int16_t i = 1; i <= board().DivCount * board().DivCount - 1; ++i)
            if (Distance(i) > 1) return i;
        return 0;
    }

    void ClickNeighbour() { game.Canv_MouseDown(Neighbour(), 1, 0, 3.0f, 4.0f); }

    const engine::GameState& state() const { return game.State(); }
    const engine::Board& board() const { return game.State().board; }

    FakeWindow window;
    FakeSound sound;
    ScriptedRandom random;
    engine::Game game{window, sound, random};
};

}  // namespace testsupport
