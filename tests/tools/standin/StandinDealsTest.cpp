// Every card game the stand-in deals, at tables of two players up to its most: each place holds the hand
// its game's rules give (Phom's first mover one card more), and no card is dealt twice across the hands
// and the cards left to draw; two hundred deals of a seeded deck at each table.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

#include "standin-server/StandinBanker.h"
#include "standin-server/StandinPhom.h"
#include "standin-server/StandinPoker.h"
#include "standin-server/StandinRobotTables.h"
#include "standin-server/StandinServer.h"
#include "standin-server/StandinSignIn.h"
#include "standin-server/StandinTienLen.h"

namespace zuno::standin {
namespace {

constexpr int32_t kMe = 4711;
constexpr int kDeals = 200;
constexpr int kDeck = 52;

struct DealRule {
    const char* name;
    int8_t gameType;
    std::function<std::shared_ptr<StandinRobotGame>(StandinRobotTables&)> add;
    int handSize;
    bool openerHoldsOneMore;  // the place whose turn opens the deal
    bool restIsDrawn;         // the cards not dealt are kept to draw: hands and stock make the deck
    std::vector<int> playerCounts;
    std::vector<StandinTableKind> kinds;
};

void PrintTo(const DealRule& rule, std::ostream* out) { *out << rule.name; }

const std::vector<StandinTableKind> kBothKinds{StandinTableKind::Robots, StandinTableKind::Empty};

const DealRule kRules[] = {
    {"TienLen", 3, [](StandinRobotTables& t) { return StandinTienLen::addTo(t, 3); }, 13, false, false, {2, 3, 4},
     kBothKinds},
    {"TienLenMienBac", 12, [](StandinRobotTables& t) { return StandinTienLen::addTo(t, 12); }, 13, false, false,
     {2, 3, 4}, kBothKinds},
    {"Phom", 7, [](StandinRobotTables& t) { return StandinPhom::addTo(t); }, 9, true, true, {2, 3, 4}, kBothKinds},
    {"NewPhom", 13, [](StandinRobotTables& t) { return StandinPhom::addNewTo(t); }, 9, true, true, {2, 3, 4},
     kBothKinds},
    {"BaiCao", 11, [](StandinRobotTables& t) { return StandinBanker::addTo(t, 11); }, 3, false, true, {2, 3, 4},
     kBothKinds},
    {"XiZach", 2, [](StandinRobotTables& t) { return StandinBanker::addTo(t, 2); }, 2, false, true, {2, 3, 4},
     kBothKinds},
    {"Poker", 4, [](StandinRobotTables& t) { return StandinPoker::addTo(t, nullptr, {}); }, 2, false, true,
     {2, 5, 9}, {StandinTableKind::Robots}},
};

class StandinDealsTest : public ::testing::TestWithParam<DealRule> {
protected:
    // The first thing wrong with the deals at a table of `players` (the player, then robots in the
    // free places from the first), or nothing.
    std::string firstFault(StandinTableKind kind, int players, uint32_t seed) {
        const DealRule& rule = GetParam();
        StandinServer server;  // never started: the table talks to nobody
        auto signIn = StandinSignIn::installOn(server);
        const StandinAccount me{"lan", "hoa sen", kMe, 500000, 12, 250};
        signIn->addAccount(me);
        StandinRobotTables::Options options;
        options.invitationDelay = options.robotDelay = 3600;  // no robot of the loop's own comes or plays
        options.holdPlayerTurns = true;
        options.seed = seed;
        auto tables = StandinRobotTables::installOn(server, signIn, nullptr, options);
        auto game = rule.add(*tables);
        tables->seatForTests(rule.gameType, kind, me);
        return tables->locked([&]() -> std::string {
            int seated = 0;
            for (int i = 0; i < tables->placeCount(); ++i) {
                auto& place = tables->place(i);
                if (place.empty() && seated < players) {
                    place.id = 9100 + i;
                    place.name = "Robot " + std::to_string(i);
                    place.money = 1000000;
                    place.robot = place.ready = true;
                }
                seated += !place.empty();
            }
            if (seated != players) return "seated " + std::to_string(seated);
            game->seatsChanged(*tables, false);
            for (int k = 0; k < kDeals; ++k) {
                tables->startDeal();
                const std::string fault = faultOf(*tables, game->dealt());
                if (!fault.empty()) return "deal " + std::to_string(k + 1) + ": " + fault;
            }
            return {};
        });
    }

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
    const DealRule& rule = GetParam();
    uint32_t seed = 1;
    for (StandinTableKind kind : rule.kinds) {
        for (int players : rule.playerCounts) {
            const std::string at = std::string(kind == StandinTableKind::Robots ? "An's" : "my own") + " table of " +
                                   std::to_string(players);
            EXPECT_EQ(firstFault(kind, players, seed++), "") << at;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryCardGame, StandinDealsTest, ::testing::ValuesIn(kRules),
                         [](const ::testing::TestParamInfo<DealRule>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zuno::standin
