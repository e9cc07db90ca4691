#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "PhomTestCards.h"
#include "games/phom/PhomHand.h"
#include "games/phom/PhomMelds.h"
#include "games/phom/PhomRequestBytes.h"

using namespace zuno;
using namespace zuno::test;

namespace {

std::vector<int8_t> idBytes(const std::string& text) {
    std::vector<int> all = ids(text);
    return {all.begin(), all.end()};
}

int8_t id(const std::string& text) { return idBytes(text).front(); }

PhomHand handOf(const std::vector<PhomCard>& cards) {
    PhomHand hand;
    hand.myCards = cards;
    return hand;
}

PhomHand dealt(const std::string& text) {
    PhomHand hand;
    hand.start(idBytes(text), false);
    return hand;
}

void select(PhomHand& hand, const std::string& text) {
    std::vector<int> chosen = ids(text);
    for (PhomCard& c : hand.myCards) c.isSelected = std::find(chosen.begin(), chosen.end(), c.cardID) != chosen.end();
}

void fireCards(PhomHand& hand, int count) {
    for (int i = 0; i < count; ++i) hand.cardShow[0][static_cast<size_t>(i)] = 40 + i;
}

bool anySelected(const PhomHand& hand) {
    return std::any_of(hand.myCards.begin(), hand.myCards.end(), [](const PhomCard& c) { return c.isSelected; });
}

const std::string kNineMelded = "AS 2S 3S 5S 5C 5D 7H 8H 9H";

}  // namespace

TEST(PhomHandGrouping, GreedyWindowsThenAttachingTiesGoingLeft) {
    // 3H 4H 5H is taken first, so the fives left over stay free though a set of fives exists.
    auto greedy = handOf(cards("3H 4H 5H 5S 5C"));
    greedy.regroup();
    EXPECT_EQ(meldsOf(greedy.myCards), (std::vector<int>{4, 4, 4, 0, 0}));

    // 30 points on each side: the ten of hearts joins the left meld.
    auto tie = handOf(cards("6H:4 7H:4 8H:4 9H:4 TH TS:5 TC:5 TD:5"));
    tie.addCard(4);
    EXPECT_EQ(tie.myCards[4].phom, 4);
    auto rightHeavier = handOf(cards("7H:4 8H:4 9H:4 TH TS:5 TC:5 TD:5"));
    for (int at : {-1, 99, 3}) rightHeavier.addCard(at);
    EXPECT_EQ(rightHeavier.myCards[3].phom, 5);
}

TEST(PhomHandGrouping, RegroupingAfterAnEatGivesTheSameGroupsEveryTime) {
    // The eaten meld 7H 8H 9H goes to the right end and 6H joins it from its left. The next
    // regrouping must free 6H first, or the meld would take 5H as well, and so on every time.
    auto hand = dealt("AC AD 2D 3C 4C 5H 6H 7H 8H");
    select(hand, "7H 8H");
    hand.cardCurrent = id("9H");
    ASSERT_TRUE(hand.doEat().accepted());
    hand.onEatCard();
    const std::vector<int> groups = {0, 0, 0, 0, 0, 0, 1, 1, 1, 1};
    EXPECT_EQ(meldsOf(hand.myCards), groups);
    hand.regroup();
    hand.regroup();
    EXPECT_EQ(meldsOf(hand.myCards), groups);
}

TEST(PhomHandU, TheLayDownOfferFollowsTheGroupsAsTheyStand) {
    const std::pair<std::string, bool> cases[] = {
        {kNineMelded, true},
        {kNineMelded + " KC", true},           // ten cards, one free
        {"AS 2S 3S 4S 5S 5C 5D 5H KC", false},  // nine cards, one free
        // Two five-card runs: three cards of each are found, the other two join by attaching.
        {"AS 2S 3S 4S 5S 6H 7H 8H 9H TH", true},
        {"AS 2S 3S 5S 5C 5D KC", false},  // other sizes only when a check is due
    };
    for (const auto& [hand, offered] : cases) EXPECT_EQ(handOf(cards(hand)).regroup(), offered) << hand;

    auto seven = handOf(cards("AS 2S 3S 5S 5C 5D KC"));
    seven.bCheckU = true;
    EXPECT_TRUE(seven.regroup());
    EXPECT_FALSE(seven.regroup());  // the check is used up

    // 8H dragged into the run of spades splits it: no longer melded.
    auto split = handOf(cards(kNineMelded));
    EXPECT_FALSE(split.moveCard(7, 1));
    EXPECT_EQ(split.myCards[1].cardID, id("8H"));
}

// Random hands in random order: every group is a set or a run whose cards stand together, a
// second regrouping changes nothing, and the lay-down offer follows the count of free cards.
TEST(PhomHandGrouping, RandomHandsGiveValidContiguousMelds) {
    std::mt19937 rng(3);
    std::vector<int> deck(52);
    for (int i = 0; i < 52; ++i) deck[static_cast<size_t>(i)] = i;
    for (int round = 0; round < 3000; ++round) {
        std::shuffle(deck.begin(), deck.end(), rng);
        std::vector<int> ids(deck.begin(), deck.begin() + 9 + static_cast<long>(rng() % 2));
        // Sorting by id keeps runs apart, so half the hands are sorted by suit instead.
        if (round % 2) std::sort(ids.begin(), ids.end(), [](int a, int b) { return a % 4 != b % 4 ? a % 4 < b % 4 : a < b; });
        auto hand = handOf(freeCards(ids));
        bool offered = hand.regroup();

        std::map<int, std::vector<int>> groups;
        for (size_t i = 0; i < hand.myCards.size(); ++i) {
            const PhomCard& c = hand.myCards[i];
            if (c.phom == 0) continue;
            auto& g = groups[c.phom];
            ASSERT_TRUE(g.empty() || hand.myCards[i - 1].phom == c.phom) << "meld not together";
            g.push_back(c.cardID);
        }
        for (auto& [number, members] : groups) ASSERT_TRUE(PhomMelds::checkPhomBaLa(members) || PhomMelds::checkPhomSanh(members));
        auto first = meldsOf(hand.myCards);
        auto free = std::count(first.begin(), first.end(), 0);
        ASSERT_EQ(offered, ids.size() == 10 ? free <= 1 : free == 0);
        hand.regroup();
        ASSERT_EQ(meldsOf(hand.myCards), first);
    }
}

TEST(PhomHandTurns, DealAndDraw) {
    PhomHand hand;
    EXPECT_EQ(hand.start(idBytes("KC AS 6D"), true), PhomMenu::Fire);
    EXPECT_EQ(idsOf(hand.myCards), ids("AS 6D KC"));
    EXPECT_EQ(hand.start(idBytes("KC AS 6D"), false), PhomMenu::Wait);
    EXPECT_EQ(hand.start(idBytes(kNineMelded), false), PhomMenu::LayDown);

    hand = dealt("AC 3C 6S");
    hand.myCards[0].isSelected = true;
    EXPECT_EQ(hand.onGetCard(id("4D")), PhomMenu::Fire);
    EXPECT_EQ(idsOf(hand.myCards), ids("AC 3C 4D 6S"));
    EXPECT_FALSE(anySelected(hand));
    fireCards(hand, 3);
    EXPECT_EQ(hand.onGetCard(id("KH")), PhomMenu::LayDown);
    EXPECT_EQ(hand.myCards.front().cardID, id("KH"));  // higher than every card: the left end
    hand.onGetCard(52);
    hand.onGetCard(255);
    EXPECT_EQ(hand.myCards.size(), 5u);

    // The eight of diamonds sorts inside the eaten meld: it goes before the meld, so the lay-down
    // still sends the meld as one group.
    hand = handOf(cards("AC 7H:1* 8H:1* 9H:1*"));
    hand.cardEat[0] = hand.myCards[3];
    hand.onGetCard(id("8D"));
    EXPECT_EQ(idsOf(hand.myCards), ids("AC 8D 7H 8H 9H"));
    EXPECT_EQ(PhomRequestBytes::haPhom(1, 2, hand.myCards), (std::vector<int8_t>{1, 2, id("7H"), id("8H"), id("9H")}));
}

TEST(PhomHandTurns, Eat) {
    auto hand = dealt("AC AD 2S 3S 4S 5S 6S TH");
    hand.cardCurrent = id("AS");
    const std::pair<std::string, std::string> refused[] = {
        {"AC", "ZUNO_selectMin2Cards"}, {"2S 3S 4S 5S 6S AC", "ZUNO_selectTooCards"}, {"AC TH", "ZUNO_notPhom"}};
    for (const auto& [selected, text] : refused) {
        select(hand, selected);
        EXPECT_EQ(hand.doEat().refusal, text);
        EXPECT_FALSE(anySelected(hand));
    }
    select(hand, "AD AC");
    PhomEatRequest set = hand.doEat();
    EXPECT_EQ(set.kind, 0);
    EXPECT_EQ(set.cards, (std::array<int8_t, 5>{id("AC"), id("AD"), -1, -1, -1}));
    select(hand, "2S 3S 4S 5S 6S");
    EXPECT_EQ(hand.doEat().kind, 1);

    // Accepted: the checked cards and the eaten card make meld 1 at the right end.
    hand = dealt("AC 7H 4C 8H KD");
    hand.cardCurrent = id("9H");
    select(hand, "7H 8H");
    ASSERT_TRUE(hand.doEat().accepted());
    fireCards(hand, 3);
    EXPECT_EQ(hand.onEatCard(), PhomMenu::LayDown);
    EXPECT_EQ(idsOf(hand.myCards), ids("AC 4C KD 7H 8H 9H"));
    EXPECT_EQ(meldsOf(hand.myCards), (std::vector<int>{0, 0, 0, 1, 1, 1}));
    EXPECT_TRUE(std::all_of(hand.myCards.begin() + 3, hand.myCards.end(), [](const PhomCard& c) { return c.isFix; }));
    EXPECT_EQ(hand.cardEat[0].cardID, id("9H"));
    hand.numPhom = 3;  // a fourth eaten meld has no slot: nothing changes
    hand.onEatCard();
    EXPECT_EQ(hand.myCards.size(), 6u);
    EXPECT_TRUE(hand.eatOffered());
    fireCards(hand, 4);
    EXPECT_FALSE(hand.eatOffered());

    // The menu is settled before the U check: ten cards, one free, the lay-down is offered though
    // the fired row alone would give the fire button.
    auto completing = dealt("AS 2S 3S 5S 5C 5D 7H 8H KC");
    completing.cardCurrent = id("9H");
    select(completing, "7H 8H");
    ASSERT_TRUE(completing.doEat().accepted());
    EXPECT_EQ(completing.onEatCard(), PhomMenu::LayDown);
}

TEST(PhomHandTurns, FireLayDownDragAndFinish) {
    auto hand = dealt("AC 2C 3C 4C 5C 6C 7C 8C 9C KH");
    EXPECT_EQ(hand.doFire().refusal, "ZUNO_yetSellectCard");
    select(hand, "AC 8C");
    EXPECT_EQ(hand.doFire().refusal, "ZUNO_canYouOnceOnly");
    EXPECT_FALSE(anySelected(hand));
    // After a card leaves, the selection of the shorter hand alone counts.
    select(hand, "KH");
    ASSERT_EQ(hand.doFire().cardId, id("KH"));
    hand.onFire(id("KH"));
    select(hand, "AC");
    EXPECT_EQ(hand.doFire().cardId, id("AC"));

    // The rest of a lay-down is sorted and grouped afresh.
    hand = handOf(cards("TD AS:4 2S:4 3S:4 6H 4H 5H"));
    hand.onHaPhom(idBytes("AS 2S 3S"));
    EXPECT_EQ(idsOf(hand.myCards), ids("4H 5H 6H TD"));
    EXPECT_EQ(meldsOf(hand.myCards), (std::vector<int>{4, 4, 4, 0}));

    hand = dealt("AC 4C 8H");
    hand.myCards[0].isSelected = true;
    const std::pair<int, int> inPlace[] = {{-1, 0}, {3, 0}, {0, -2}, {0, 0}};
    for (auto [from, to] : inPlace) hand.moveCard(from, to);
    EXPECT_EQ(idsOf(hand.myCards), ids("AC 4C 8H"));
    EXPECT_FALSE(hand.myCards[0].isSelected);  // a drag that lands in place still drops the card
    hand.moveCard(0, 9);                       // past the end: appended
    EXPECT_EQ(idsOf(hand.myCards), ids("4C 8H AC"));

    // The first lowest score that is not negative wins; -1 is no score and gets no mark.
    hand.setScore({5, 3, 3, -1});
    EXPECT_EQ(hand.onFinish(), 1);
    EXPECT_EQ(hand.scorePlayer, (std::array<int, 4>{5, 3, 3, -1}));
    const std::optional<PhomEndMark> marks[] = {std::nullopt, PhomEndMark::Loser, PhomEndMark::Winner,
                                                PhomEndMark::Loser, std::nullopt, std::nullopt};
    for (int p = -1; p <= 4; ++p) EXPECT_EQ(hand.endMarkOfPlayer(p), marks[p + 1]) << p;
    hand.setScore({-1, -1, -1, -1});
    EXPECT_EQ(hand.onFinish(), -1);
    hand.setScore({1000, 1000, -1, 2000});
    EXPECT_EQ(hand.onFinish(), -1);
}
