// Every card game the stand-in deals, at tables of two players up to its most: each place holds the hand
// its game's rules give (Phom's first mover one card more), and no card is dealt twice across the hands
// and the cards left to draw; up to two hundred deals of a seeded deck at each table, each played out by
// robots whose every move the rules allow, so that the next is opened by whoever its rules give (the
// last winner, the next place).
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "StandinPlayOut.h"

namespace zuno::standin {
namespace {

constexpr int kDeals = 200;
constexpr int kDeck = 52;

struct DealRule {
    const char* name;  // the game's, as played out
    int handSize;
    bool openerHoldsOneMore;  // the place whose turn opens the deal
    bool restIsDrawn;         // the cards not dealt are kept to draw: hands and stock make the deck
};

void PrintTo(const DealRule& rule, std::ostream* out) { *out << rule.name; }

const DealRule kRules[] = {
    {"TienLen", 13, false, false},  {"TienLenMienBac", 13, false, false}, {"Phom", 9, true, true},
    {"NewPhom", 9, true, true},     {"BaiCao", 3, false, true},           {"XiZach", 2, false, true},
    {"Poker", 2, false, true},
};

class StandinDealsTest : public ::testing::TestWithParam<DealRule> {
protected:
    std::string faultOf(const StandinRobotTables& table, const StandinRobotGame::Dealt& dealt) const {
        const DealRule& rule = GetParam();
        std::multiset<int> cards(dealt.stock.begin(), dealt.stock.end());
        for (int i = 0; i < table.placeCount(); ++i) {
            const auto hand = i < static_cast<int>(dealt.hands.size()) ? dealt.hands[static_cast<size_t>(i)]
                                                                        : std::vector<int8_t>{};
            const bool opens = rule.openerHoldsOneMore && i == table.turn();
            const size_t wanted = table.place(i).empty() ? 0 : static_cast<size_t>(rule.handSize + (opens ? 1 : 0));
            if (hand.size() != wanted)
                return "place " + std::to_string(i) + (opens ? " (opens)" : "") + " holds " +
                       std::to_string(hand.size()) + " cards, not " + std::to_string(wanted);
            cards.insert(hand.begin(), hand.end());
        }
        for (int card : cards) {
            if (card < 0 || card >= kDeck) return "card " + std::to_string(card) + " is no card";
            if (cards.count(card) > 1) return "card " + std::to_string(card) + " dealt twice";
        }
        if (rule.restIsDrawn && cards.size() != kDeck) return std::to_string(cards.size()) + " cards in play, not 52";
        return {};
    }
};

TEST_P(StandinDealsTest, EachPlaceHoldsItsHandAndNoCardIsDealtTwice) {
    const playout::Game& game = playout::game(GetParam().name);
    uint32_t seed = 1;
    for (StandinTableKind kind : game.kinds) {
        for (int players : game.playerCounts) {
            const std::string at = std::string(kind == StandinTableKind::Robots ? "An's" : "my own") + " table of " +
                                   std::to_string(players);
            playout::Table table(game, kind, players, seed++);
            const auto dealtRight = [this](const StandinRobotTables& t, const StandinRobotGame& g) {
                return faultOf(t, g.dealt());
            };
            const playout::Played played = table.play(kDeals, playout::Style::Plays, dealtRight);
            EXPECT_EQ(played.fault, "") << at;
            EXPECT_GE(played.deals, kDeals / 10) << at;
            if (game.openerMoves) {
                EXPECT_GT(played.openers.size(), 1u) << at << ": the same place opens every deal";
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryCardGame, StandinDealsTest, ::testing::ValuesIn(kRules),
                         [](const ::testing::TestParamInfo<DealRule>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zuno::standin
