// Every game the stand-in plays, its deals played out by the robots with the player in each style (one
// who plays as they do, one who passes or gives up at every chance, one whose every turn runs out, one
// who leaves in the middle of a deal), at tables of every size and kind: no robot makes a move the game's
// rules refuse, every player dealt in gets his finish, the money of each deal sums to zero and is what
// the finishes say (at Poker, what the result's stacks moved by), and a leaver is settled with the worst
// of it (at a banker table, a punter who leaves pays his stake and a banker every punter's).
#include <gtest/gtest.h>

#include "StandinPlayOut.h"

namespace zuno::standin::playout {
namespace {

constexpr int kDeals = 20;

const char* nameOf(Style style) {
    switch (style) {
        case Style::Plays: return "plays";
        case Style::Passes: return "passes";
        case Style::RunsOut: return "lets his turns run out";
        case Style::Leaves: return "leaves";
    }
    return "";
}

class StandinMoneyTest : public ::testing::TestWithParam<Game> {};

TEST_P(StandinMoneyTest, EveryDealFinishesEveryoneAndItsMoneySumsToZero) {
    const Game& game = GetParam();
    uint32_t seed = 1;
    for (Style style : {Style::Plays, Style::Passes, Style::RunsOut, Style::Leaves}) {
        if (style == Style::Plays && !game.playsToAnEnd) continue;
        for (StandinTableKind kind : game.kinds) {
            for (int players : game.playerCounts) {
                const std::string at = std::string(kind == StandinTableKind::Robots ? "An's" : "my own") +
                                       " table of " + std::to_string(players) + ", the player " + nameOf(style);
                Table table(game, kind, players, seed++);
                const Played played = table.play(kDeals, style);
                EXPECT_EQ(played.fault, "") << at;
                EXPECT_GT(played.deals, 1) << at;
                if (style == Style::Leaves) {
                    EXPECT_GT(played.leaves, 0) << at;
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryGame, StandinMoneyTest, ::testing::ValuesIn(games()),
                         [](const ::testing::TestParamInfo<Game>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zuno::standin::playout
