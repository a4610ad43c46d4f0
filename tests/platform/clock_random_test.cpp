// The shuffles' generator: its seed is told at every start, and a seed given
// in PERNOKA_SEED deals the same board again.
#include "platform/clock_random.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

#include "engine/game.h"
#include "support/fake_board.h"

namespace {

TEST(SeedFromText, TakesWholeNumbersOfThirtyTwoBitsOnly) {
    EXPECT_EQ(platform::SeedFromText("0"), 0u);
    EXPECT_EQ(platform::SeedFromText("123456789"), 123456789u);
    EXPECT_EQ(platform::SeedFromText("4294967295"), 4294967295u);
    for (const char* bad : {"", "-1", "4294967296", "12x", " 5", "5 ", "0x10", "1e3"})
        EXPECT_FALSE(platform::SeedFromText(bad).has_value()) << '"' << bad << '"';
}

using Dealt = engine::Board;

// A 5 × 5 start on the real generator; the seed it told comes back too.
Dealt Deal(std::string& told) {
    testsupport::FakeWindow window;
    testsupport::FakeSound sound;
    platform::ClockRandom random;
    engine::Game game(window, sound, random);
    game.PictureChosen("/pics/a.jpg", true);
    testing::internal::CaptureStderr();
    game.m1a_Click(2);
    told = testing::internal::GetCapturedStderr();
    return game.State().board;
}

class ReplayedShuffle : public testing::Test {
protected:
    void TearDown() override { unsetenv("PERNOKA_SEED"); }
};

TEST_F(ReplayedShuffle, TheToldSeedDealsTheSameBoardAgain) {
    unsetenv("PERNOKA_SEED");
    std::string told;
    const Dealt first = Deal(told);
    std::smatch seed;
    ASSERT_TRUE(std::regex_search(told, seed, std::regex("pernoka: shuffle seed ([0-9]+)\n"))) << told;

    setenv("PERNOKA_SEED", seed[1].str().c_str(), 1);
    std::string toldAgain;
    EXPECT_EQ(Deal(toldAgain), first);
    EXPECT_EQ(toldAgain, told);
    // And once more: every start with the variable set deals it.
    EXPECT_EQ(Deal(toldAgain), first);
}

TEST_F(ReplayedShuffle, DifferentSeedsDealDifferentBoards) {
    std::string told;
    setenv("PERNOKA_SEED", "1", 1);
    const Dealt one = Deal(told);
    setenv("PERNOKA_SEED", "2", 1);
    EXPECT_FALSE(Deal(told) == one);
}

TEST_F(ReplayedShuffle, AValueThatIsNoSeedIsSaidSoAndTheClockSeeds) {
    setenv("PERNOKA_SEED", "soon", 1);
    std::string told;
    Deal(told);
    EXPECT_NE(told.find("PERNOKA_SEED=soon is not a seed"), std::string::npos) << told;
    EXPECT_TRUE(std::regex_search(told, std::regex("pernoka: shuffle seed [0-9]+\n"))) << told;

    // Empty is unset: the clock seeds without a word about the variable.
    setenv("PERNOKA_SEED", "", 1);
    Deal(told);
    EXPECT_EQ(told.find("PERNOKA_SEED"), std::string::npos) << told;
    EXPECT_TRUE(std::regex_search(told, std::regex("^pernoka: shuffle seed [0-9]+\n$"))) << told;
}

}  // namespace
