// One hand of the stand-in's hold'em without any wire: blinds, turns, judged amounts, streets, pots and
// who takes them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "standin-server/StandinPokerHand.h"
#include "support/AceLowCards.h"

using zuno::standin::StandinPokerHand;
using zuno::testing::aceLowCards;
using Ints = std::vector<int32_t>;
using H = StandinPokerHand;

namespace {
constexpr int32_t kSmallBlind = 50;

// Place i holds player 100 + i with stacks[i] chips (none where 0); the deck gives the hole cards
// round by round from the place after the button, then the board.
StandinPokerHand hand(const std::vector<int32_t>& stacks, int button, const std::string& deck = "") {
    std::array<std::pair<int32_t, int32_t>, H::kPlaces> places;
    places.fill({-1, 0});
    for (size_t i = 0; i < stacks.size(); ++i)
        if (stacks[i] > 0) places[i] = {static_cast<int32_t>(100 + i), stacks[i]};
    return StandinPokerHand(places, button, kSmallBlind, aceLowCards(deck));
}

void accept(StandinPokerHand& h, int place, int8_t action, int32_t amount = 0) {
    auto done = h.act(place, action, amount);
    ASSERT_FALSE(done.refusal) << done.refusal->english;
}

// The refusal in English, "accepted" when there is none.
std::string english(const H::Done& done) { return done.refusal ? done.refusal->english : "accepted"; }
}  // namespace

TEST(StandinPokerHand, BlindsAndTheFirstTurnsAfterThem) {
    auto three = hand({1000, 1000, 1000}, 0, "AS 2S 3S AC 2C 3C");
    EXPECT_EQ(three.smallBlind(), 1);
    EXPECT_EQ(three.bigBlind(), 2);
    EXPECT_EQ(three.player(1).bet, 50);
    EXPECT_EQ(three.player(2).stack, 900);
    EXPECT_EQ(three.toAct(), 0);
    EXPECT_EQ(three.allowed(0), (Ints{H::FOLD, H::CALL, H::RAISE, H::ALL_IN}));
    EXPECT_EQ(three.allowed(1), Ints{});
    EXPECT_EQ(three.player(1).cards, aceLowCards("AS AC"));
    EXPECT_EQ(three.player(0).cards, aceLowCards("3S 3C"));

    // Two at the table: the button posts the small blind and acts first before the flop, last after it.
    auto two = hand({0, 0, 0, 1000, 0, 0, 0, 1000}, 3, "AS 2S AC 2C 5D 6D 7D 8D 9D");
    EXPECT_EQ(two.smallBlind(), 3);
    EXPECT_EQ(two.bigBlind(), 7);
    EXPECT_EQ(two.toAct(), 3);
    accept(two, 3, H::CALL);
    EXPECT_EQ(two.toAct(), 7);  // the big blind's option
    EXPECT_EQ(two.allowed(7), (Ints{H::FOLD, H::CHECK, H::RAISE, H::ALL_IN}));
    accept(two, 7, H::CHECK);
    EXPECT_EQ(two.toAct(), -1);
    EXPECT_EQ(two.nextStreet(), aceLowCards("5D 6D 7D"));
    EXPECT_EQ(two.toAct(), 7);
    EXPECT_EQ(two.allowed(7), (Ints{H::BET, H::FOLD, H::CHECK, H::ALL_IN}));
    EXPECT_EQ(two.pots(), Ints{200});

    // A blind the stack does not cover puts its player all in.
    auto shortBlind = hand({1000, 30, 1000}, 0);
    EXPECT_EQ(shortBlind.player(1).bet, 30);
    EXPECT_TRUE(shortBlind.player(1).allIn());
}

TEST(StandinPokerHand, JudgesThePlayersAmountsAndTurns) {
    auto h = hand({1000, 1000, 1000}, 0);
    const struct {
        int place;
        int8_t action;
        int32_t amount;
        const char* english;
        const char* vietnamese;
    } refused[] = {
        {1, H::CALL, 0, "It is not your turn.", "Chưa đến lượt bạn."},
        {0, H::CHECK, 0, "You cannot do that now.", "Bây giờ bạn không thể làm vậy."},
        {0, H::BET, 500, "You cannot do that now.", "Bây giờ bạn không thể làm vậy."},
        {0, H::RAISE, 100, "The raise must be at least 101.", "Mức tố phải ít nhất là 101."},  // only the call
    };
    for (const auto& r : refused) {
        auto done = h.act(r.place, r.action, r.amount);
        ASSERT_TRUE(done.refusal) << r.place << " " << int(r.action);
        EXPECT_EQ(done.refusal->english, r.english);
        EXPECT_EQ(done.refusal->vietnamese, r.vietnamese);
    }
    EXPECT_EQ(h.toAct(), 0);
    EXPECT_EQ(h.player(0).stack, 1000);

    accept(h, 0, H::RAISE, 300);  // 100 to call, raised by 200
    EXPECT_EQ(h.highest(), 300);
    EXPECT_EQ(h.toCall(1), 250);
    EXPECT_EQ(english(h.act(1, H::RAISE, 250)), "The raise must be at least 251.");
    EXPECT_EQ(h.act(1, H::RAISE, 950).action, H::ALL_IN);  // the whole stack
    EXPECT_EQ(h.toAct(), 2);
    EXPECT_EQ(h.allowed(2), (Ints{H::FOLD, H::ALL_IN}));  // the call reaches the stack
    EXPECT_EQ(h.act(2, h.robotChoice(2)).action, H::ALL_IN);
    EXPECT_EQ(h.toAct(), 0);
    EXPECT_EQ(h.act(0, h.robotChoice(0)).action, H::ALL_IN);
    EXPECT_TRUE(h.runsOut());

    // A raise need only top the call, however small it is beside the raise before it.
    auto bare = hand({1000, 1000, 1000}, 0);
    accept(bare, 0, H::RAISE, 300);
    accept(bare, 1, H::RAISE, 251);  // 250 to call
    EXPECT_EQ(bare.highest(), 301);
    EXPECT_EQ(bare.toCall(2), 201);
    accept(bare, 2, H::RAISE, 202);

    // After the flop's checks a bet below the big blind is refused.
    auto quiet = hand({1000, 1000, 1000}, 0, "2S 3S 4S 2C 3C 4C 9H TH JH");
    accept(quiet, 0, H::CALL);
    accept(quiet, 1, H::CALL);
    accept(quiet, 2, H::CHECK);
    ASSERT_TRUE(quiet.nextStreet());
    EXPECT_EQ(quiet.toAct(), 1);
    const auto small = quiet.act(1, H::BET, 60);
    EXPECT_EQ(english(small), "The bet must be at least 100.");
    EXPECT_EQ(small.refusal->vietnamese, "Mức cược phải ít nhất là 100.");
    EXPECT_EQ(quiet.act(1, quiet.robotChoice(1)).action, H::CHECK);

    // A call the stack does not cover goes all in, though only FOLD and ALL IN are listed.
    auto shortFirst = hand({1000, 1000, 1000, 80}, 0);
    ASSERT_EQ(shortFirst.allowed(3), (Ints{H::FOLD, H::ALL_IN}));
    const auto call = shortFirst.act(3, H::CALL);
    EXPECT_EQ(english(call), "accepted");
    EXPECT_EQ(call.action, H::ALL_IN);
    EXPECT_EQ(call.bet, 80);
}

// A short stack all in: the main pot is his to win, the rest a side pot for the others; the chips
// nobody matched go back.
TEST(StandinPokerHand, SidePotForAnAllIn) {
    // Place 0 (button) 300 chips; 1 and 2 deep. Place 0 holds aces, 1 kings, 2 queens.
    auto h = hand({300, 5000, 5000}, 0, "KS QS AS KC QC AC 2D 7H 9C 4S 8D");
    accept(h, 0, H::ALL_IN);
    accept(h, 1, H::CALL);
    accept(h, 2, H::RAISE, 1200);  // the big blind adds 1200: 1300 in all
    accept(h, 1, H::CALL);
    ASSERT_EQ(h.toAct(), -1);
    ASSERT_TRUE(h.nextStreet());
    EXPECT_EQ(h.pots(), (Ints{900, 2000}));
    accept(h, 1, H::BET, 500);
    accept(h, 2, H::FOLD);
    EXPECT_FALSE(h.over());
    // Place 1's 500 was not matched: it goes back before the showdown.
    EXPECT_EQ(h.pots(), (Ints{900, 2000}));
    EXPECT_EQ(h.player(1).stack, 5000 - 1300);
    while (!h.over()) ASSERT_TRUE(h.nextStreet() || h.over());
    auto wins = h.settle();
    ASSERT_EQ(wins.size(), 2u);
    EXPECT_EQ(wins[0].id, 100);
    EXPECT_EQ(wins[0].amount, 900);
    EXPECT_EQ(wins[1].id, 101);
    EXPECT_EQ(wins[1].pot, 1);
    EXPECT_EQ(h.player(0).stack, 900);
    EXPECT_EQ(h.player(1).stack, 3700 + 2000);
    EXPECT_TRUE(h.settle().empty());
}

TEST(StandinPokerHand, AFoldLeavesOneToTakeEverything) {
    auto h = hand({1000, 1000, 1000}, 0);
    accept(h, 0, H::RAISE, 300);
    accept(h, 1, H::FOLD);
    accept(h, 2, H::FOLD);
    EXPECT_TRUE(h.over());
    auto wins = h.settle();
    ASSERT_EQ(wins.size(), 1u);
    EXPECT_EQ(wins[0].pot, -1);
    EXPECT_EQ(wins[0].id, 100);
    EXPECT_EQ(wins[0].amount, 450);
    EXPECT_EQ(h.player(0).stack, 1150);
}

// The board plays a straight for everyone, so every pot splits; what does not divide goes a chip each
// to the winners from the first after the button. 103 is all in for 77; the button folded, the big blind folded his 100.
TEST(StandinPokerHand, ATieSplitsThePotTheOddChipAfterTheButton) {
    auto h = hand({1000, 1000, 1000, 77, 1000}, 0, "2S 3S 4S 5S 6S 2C 3C 4C 5C 6C 9H TD JC QS KH");
    accept(h, 3, H::ALL_IN);
    accept(h, 4, H::RAISE, 251);
    accept(h, 0, H::FOLD);
    accept(h, 1, H::CALL);
    accept(h, 2, H::FOLD);
    ASSERT_EQ(h.pots(), (Ints{4 * 77, 2 * (251 - 77) + (100 - 77)}));  // 308 for three, 371 for two
    while (!h.over()) {
        ASSERT_TRUE(h.nextStreet() || h.over());
        while (h.toAct() != -1) ASSERT_FALSE(h.act(h.toAct(), h.robotChoice(h.toAct())).refusal);
    }
    std::vector<std::string> shares;
    for (const H::Win& w : h.settle())
        shares.push_back(std::to_string(w.pot) + ": " + std::to_string(w.id) + " " + std::to_string(w.amount));
    EXPECT_EQ(shares, (std::vector<std::string>{"0: 101 103", "0: 103 103", "0: 104 102", "1: 101 186", "1: 104 185"}));
    int32_t chips = 0;
    for (int i = 0; i < 5; ++i) chips += h.player(i).stack;
    EXPECT_EQ(chips, 4 * 1000 + 77) << "a split loses no chip and makes none";
}

// Standing up folds the player: out of turn he is skipped, in turn the turn passes; the last one in
// the hand takes it, and a bet nobody matched comes back to its owner.
TEST(StandinPokerHand, StandingUpFoldsInOrOutOfTurn) {
    auto h = hand({1000, 1000, 1000, 1000}, 0);
    ASSERT_EQ(h.toAct(), 3);
    h.foldOut(1);  // the small blind, out of turn
    EXPECT_EQ(h.toAct(), 3);
    accept(h, 3, H::RAISE, 500);
    EXPECT_EQ(h.toAct(), 0);
    h.foldOut(0);  // in turn: the big blind is next
    EXPECT_EQ(h.toAct(), 2);
    EXPECT_EQ(h.refunded(), -1);
    h.foldOut(2);
    EXPECT_TRUE(h.over());
    EXPECT_EQ(h.toAct(), -1);
    auto wins = h.settle();
    ASSERT_EQ(wins.size(), 1u);
    EXPECT_EQ(wins[0].id, 103);
    EXPECT_EQ(wins[0].amount, 650);  // his 500, both blinds

    // Heads-up, the big blind all in for more than the button holds: the rest goes back at once.
    auto deep = hand({300, 2000}, 0, "AS KS AC KC 2D 7H 9C 4S 8D");
    accept(deep, 0, H::CALL);
    accept(deep, 1, H::ALL_IN);
    accept(deep, 0, H::ALL_IN);
    EXPECT_EQ(deep.refunded(), 1);
    EXPECT_EQ(deep.player(1).stack, 1700);
    EXPECT_EQ(deep.pots(), Ints{600});
    EXPECT_TRUE(deep.runsOut());
}
