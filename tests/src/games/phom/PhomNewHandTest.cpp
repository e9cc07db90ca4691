#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>

#include "PhomTestCards.h"
#include "games/phom/PhomMelds.h"
#include "games/phom/PhomNewHand.h"
#include "games/phom/PhomRequestBytes.h"

using namespace zuno;
using namespace zuno::test;

namespace {

using Bytes = std::vector<int8_t>;

// A hand that records every reset-melds request it sends.
struct RecordingHand {
    PhomNewHand hand;
    std::vector<Bytes> sent;

    explicit RecordingHand(std::vector<PhomCard> cards, int counter = 3) {
        hand.myCards = std::move(cards);
        hand.phomRandom = counter;
        hand.sendResetPhom = [this](std::span<const PhomCard> cards) {
            sent.push_back(PhomNewRequestBytes::doResetPhom(3, 9, cards));
        };
    }
};

// The reset-melds request for room 3, table 9 with the melds given as "5H 5D 5C | 7D 6D 5D".
Bytes request(const std::string& melds) {
    Bytes bytes = {3, 9, 0};
    std::istringstream in(melds);
    for (std::string meld; std::getline(in, meld, '|');) {
        for (int id : ids(meld)) bytes.push_back(static_cast<int8_t>(id));
        if (ids(meld).empty()) continue;
        bytes.push_back(-1);
        ++bytes[2];
    }
    return bytes;
}

}  // namespace

TEST(PhomNewArrangement, TheWorkedExample) {
    RecordingHand r(cards("5H 7S 5S 6H KD 7H 5C 2D 7D"));
    r.hand.intelligentSort();
    EXPECT_EQ(idsOf(r.hand.myCards), (std::vector<int>{27, 26, 24, 19, 17, 16, 6, 23, 50}));
    EXPECT_EQ(r.sent, (std::vector<Bytes>{{3, 9, 2, 27, 26, 24, -1, 19, 17, 16, -1}}));
    EXPECT_EQ(r.hand.phomRandom, 7);
}

TEST(PhomNewArrangement, SortRotateSearchAndOrder) {
    struct Case {
        std::string hand, arranged, melds;
    };
    const Case cases[] = {
        // Two cards are sorted and rotated but not searched; no cards at all still report.
        {"3S 3H", "3H 3S", ""},
        {"", "", ""},
        // Four of a kind: the first three in the rotated order meld, the fourth stays free.
        {"5S 5C 5D 5H", "5H 5D 5C 5S", "5H 5D 5C"},
        // ...or joins a run, here with a three lying five places after the ace.
        {"AS 2C 2D 2H 2S 3S", "2H 2D 2C 3S 2S AS", "2H 2D 2C | 3S 2S AS"},
        // Sets are searched before runs.
        {"3H 4H 5H 4S 4C", "4H 4C 4S 3H 5H", "4H 4C 4S"},
        // Two runs from the ace of equal weights keep their order; a set comes before a heavier run.
        {"AS 2S 3S AH 2H 3H", "3H 2H AH 3S 2S AS", "3H 2H AH | 3S 2S AS"},
        {"JD QD KD AS AC AD", "AD AC AS KD QD JD", "AD AC AS | KD QD JD"},
        // Melds numbered earlier stay and are never interleaved, though the run through the fourth
        // five is heavier than the set of fives.
        {"5S:20 5C:20 5H:20 5D:21 6D:21 7D:21", "5H 5C 5S 7D 6D 5D", "5H 5C 5S | 7D 6D 5D"},
    };
    for (const Case& c : cases) {
        RecordingHand r(cards(c.hand));
        r.hand.intelligentSort();
        EXPECT_EQ(idsOf(r.hand.myCards), ids(c.arranged)) << c.hand;
        EXPECT_EQ(r.sent, (std::vector<Bytes>{request(c.melds)})) << c.hand;
    }

    // Meld numbers keep growing past a byte without wrapping onto 0 or onto each other.
    RecordingHand r(cards("5S 5C 5D 8S 8C 8D"), 254);
    r.hand.intelligentSort();
    std::vector<int> numbers = meldsOf(r.hand.myCards);
    EXPECT_EQ(std::set<int>(numbers.begin(), numbers.end()), (std::set<int>{255, 256}));
}

TEST(PhomNewArrangement, TheCardsOfAMeldAreCountedByItsNumber) {
    PhomNewHand hand;
    hand.myCards = cards("5H:4 5S:4 5C:4 7D:9* 6D:9 5D:9 8D:9 KS");
    EXPECT_EQ(hand.countPhomCard(4), 3);
    EXPECT_EQ(hand.countPhomCard(9), 4);  // a run of four
    EXPECT_EQ(hand.countPhomCard(0), 1);  // the free card
    EXPECT_EQ(hand.countPhomCard(5), 0);
    hand.clearPhomMove(4);
    EXPECT_EQ(hand.countPhomCard(4), 0);
    EXPECT_EQ(hand.countPhomCard(0), 4);
}

namespace {

// The arrangement's promises on any hand: the same cards, melds of three valid cards standing
// together (before the free cards when asked), every eaten card in a meld, and a request carrying
// whole melds.
void expectArranged(const PhomNewHand& hand, const std::vector<int>& idsBefore, bool meldsFirst, const Bytes& lastSent) {
    std::vector<int> a = idsOf(hand.myCards), b = idsBefore;
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    ASSERT_EQ(a, b) << "not a permutation";

    std::map<int, std::vector<size_t>> melds;
    bool seenFree = false;
    Bytes expected = {3, 9, 0};
    for (size_t i = 0; i < hand.myCards.size(); ++i) {
        const PhomCard& c = hand.myCards[i];
        ASSERT_NE(c.phom, PhomNewHand::kTrialMeld);
        if (c.isFix) {
            ASSERT_NE(c.phom, 0) << "eaten card left free";
        }
        if (c.phom == 0) {
            seenFree = true;
            continue;
        }
        if (meldsFirst) {
            ASSERT_FALSE(seenFree) << "meld after a free card";
        }
        auto& at = melds[c.phom];
        at.push_back(i);
        expected.push_back(c.cardID);
        if (at.size() == 3) expected.push_back(-1);
    }
    expected[2] = static_cast<int8_t>(melds.size());
    for (auto& [number, at] : melds) {
        ASSERT_EQ(at.size(), 3u) << "meld " << number << " of " << at.size() << " cards";
        ASSERT_EQ(at[2], at[0] + 2) << "meld " << number << " not together";
        std::vector<int> trio = {hand.myCards[at[0]].cardID, hand.myCards[at[1]].cardID, hand.myCards[at[2]].cardID};
        ASSERT_TRUE(PhomMelds::checkPhomBaLa(trio) || PhomMelds::checkPhomSanh(trio)) << "meld " << number;
    }
    ASSERT_EQ(lastSent, expected);
}

std::vector<PhomCard> randomHand(std::mt19937& rng, size_t size) {
    std::vector<int> deck(52);
    for (int i = 0; i < 52; ++i) deck[static_cast<size_t>(i)] = i;
    std::shuffle(deck.begin(), deck.end(), rng);
    return freeCards(std::vector<int>(deck.begin(), deck.begin() + static_cast<long>(size)));
}

}  // namespace

TEST(PhomNewArrangement, RandomHandsArePermutationsWithWholeValidMeldsFirst) {
    std::mt19937 rng(5);
    for (int round = 0; round < 3000; ++round) {
        RecordingHand r(randomHand(rng, 9 + rng() % 5));
        std::vector<int> before = idsOf(r.hand.myCards);
        r.hand.intelligentSort();
        ASSERT_EQ(r.sent.size(), 1u);
        expectArranged(r.hand, before, true, r.sent.back());
    }
}

// Random drags on arranged hands that hold an eaten meld: every drop keeps the melds whole and
// valid and keeps the eaten card in a meld.
TEST(PhomNewDrop, RandomDropsKeepMeldsWholeAndEatenCardsMelded) {
    std::mt19937 rng(9);
    for (int round = 0; round < 1500; ++round) {
        RecordingHand r(randomHand(rng, 9 + rng() % 3));
        r.hand.intelligentSort();
        if (r.hand.myCards[0].phom == 0) continue;
        r.hand.myCards[rng() % 3].isFix = true;
        std::vector<int> before = idsOf(r.hand.myCards);
        for (int drop = 0; drop < 8; ++drop) {
            int count = static_cast<int>(r.hand.myCards.size());
            r.hand.dropCard(static_cast<int>(rng() % static_cast<unsigned>(count)),
                            static_cast<int>(rng() % static_cast<unsigned>(count + 1)));
            ASSERT_EQ(r.hand.indexOfCard2, -1);
            expectArranged(r.hand, before, false, r.sent.back());
        }
    }
}

TEST(PhomNewDrop, DropsWithoutAnEatenMeld) {
    // A free card dropped between two cards of an ordinary meld breaks it.
    RecordingHand broken(cards("5S:5 5C:5 5D:5 KC"));
    broken.hand.myCards[3].isSelected = true;
    broken.hand.dropCard(3, 1);
    EXPECT_EQ(idsOf(broken.hand.myCards), ids("5S KC 5C 5D"));
    EXPECT_EQ(meldsOf(broken.hand.myCards), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_FALSE(broken.hand.myCards[1].isSelected);
    EXPECT_EQ(broken.sent, (std::vector<Bytes>{request("")}));

    // 7D dropped between 5D and 6D makes a run of the three as they lie.
    RecordingHand run(cards("7D AS 5D 6D TH"), 10);
    run.hand.dropCard(0, 2);
    EXPECT_EQ(idsOf(run.hand.myCards), ids("AS 5D 7D 6D TH"));
    EXPECT_EQ(meldsOf(run.hand.myCards), (std::vector<int>{0, 12, 12, 12, 0}));

    // Positions from outside are bounded; a drop past the end appends.
    RecordingHand r(cards("AS 6D TH"));
    const std::pair<int, int> ignored[] = {{-1, 0}, {3, 0}, {0, 0}, {0, -1}, {1, -7}};
    for (auto [from, to] : ignored) r.hand.dropCard(from, to);
    EXPECT_EQ(idsOf(r.hand.myCards), ids("AS 6D TH"));
    EXPECT_TRUE(r.sent.empty());
    r.hand.dropCard(0, 40);
    EXPECT_EQ(idsOf(r.hand.myCards), ids("6D TH AS"));
    r.hand.indexOfCard2 = 17;
    r.hand.checkDoiPhom();
    r.hand.changeLeft();
    r.hand.changeRight();
    r.hand.changeMid();
    EXPECT_EQ(r.sent.size(), 1u);
}

TEST(PhomNewDrop, NextToAnEatenMeldTheRightTrioWinsWhenAllThreeHold) {
    // 2H 3H | 5H* 6H 7H; 4H dropped between 3H and 5H: left, right and middle trios all run.
    RecordingHand r(cards("4H 2H 3H 5H:8* 6H:8 7H:8"), 10);
    r.hand.dropCard(0, 2);
    EXPECT_EQ(idsOf(r.hand.myCards), ids("6H 5H 4H 2H 3H 7H"));
    EXPECT_EQ(meldsOf(r.hand.myCards), (std::vector<int>{11, 11, 11, 0, 0, 0}));
    // The change reports twice, the arrangement after the regrouping once more, the drop once.
    EXPECT_EQ(r.sent, (std::vector<Bytes>(4, request("6H 5H 4H"))));
}

TEST(PhomNewDrop, ARegroupingFreesEveryMeldItBreaks) {
    // 5H dropped between 4H* and 4S regroups 3H 4H 5H. The set of threes loses 3H and is freed
    // whole rather than left with two cards.
    RecordingHand r(cards("3S:5 3C:5 3H:5 4H:6* 4S:6 4C:6 5H"), 10);
    r.hand.dropCard(6, 4);
    EXPECT_EQ(idsOf(r.hand.myCards), ids("5H 4H 3H 3C 3S 4C 4S"));
    EXPECT_EQ(meldsOf(r.hand.myCards), (std::vector<int>{11, 11, 11, 0, 0, 0, 0}));

    // The narrow run search takes nothing out of an eaten meld, and frees an ordinary meld whole.
    PhomNewHand hand;
    hand.phomRandom = 10;
    hand.myCards = cards("3H 4H:6 5H:6* 6H:6");
    hand.findPhom2();
    EXPECT_EQ(meldsOf(hand.myCards), (std::vector<int>{0, 6, 6, 6}));
    hand.myCards = cards("3H 4H 5H:6 5S:6 5C:6");
    hand.findPhom2();
    EXPECT_EQ(meldsOf(hand.myCards), (std::vector<int>{14, 14, 14, 0, 0}));
}

TEST(PhomNewDrop, TheDecisionTable) {
    // The card at `at` lies next to meld 7 or the eaten meld 8; the counter stands at 10, so the
    // trio that becomes a meld is the one numbered above 10.
    struct Case {
        std::string hand;
        int at;
        std::string melded;  // high id first; empty: nothing changes
    };
    const Case cases[] = {
        {"4S:7 4C:7 4D:7 4H KS 9H", 3, "4H 4D 4C"},  // only the left trio holds
        {"6S:7 6C:7 6H 6D:7 KS", 2, "6H 6C 6S"},     // left and middle sets: the left wins
        {"3D:7 4D:7 5D:7 6D 7D QS", 3, "7D 6D 5D"},  // left and middle runs: the middle wins
        {"4S:7 4C:7 4D:7 KS 9H AD", 3, ""},          // no trio holds
        {"5S:7 5H 5C:7 5D:7 KS", 1, "5H 5C 5S"},     // middle and right sets: the middle wins
        {"4D:7 5D 6D:7 7D:7 KS", 1, "7D 6D 5D"},     // middle and right runs: the right wins
        {"5C:7 5S:7 5H 6H:9 7H:9", 2, ""},           // left and right without the middle: neither
        {"5C:7 5S:7 5H 6H:8 7H:8 8H:8*", 2, "5H 5C 5S"},  // ...unless only one may be formed
        {"5H 6H:8 7H:8* 8H:8 KS", 2, ""},            // a card between two of its own meld stays
        {"7S:8* 7H 7C:8 7D:8", 1, ""},               // the middle trio never joins two eaten-meld cards
        // Only the right trio holds, but it would take two cards of the eaten meld and leave its
        // eaten card outside any meld.
        {"2S TC 3S 4S:8 5S:8 6S:8*", 2, ""},
        // All three trios hold, but the right one would pull 4H out of its eaten meld without 3H.
        {"2H:8 3H:8* 4H:8 5H 6H", 2, ""},
    };
    for (const Case& c : cases) {
        RecordingHand r(cards(c.hand), 10);
        r.hand.indexOfCard2 = c.at;
        r.hand.checkDoiPhom();
        std::vector<int> melded;
        for (const PhomCard& card : r.hand.myCards) {
            if (card.phom > 10) melded.push_back(card.cardID);
        }
        EXPECT_EQ(melded, ids(c.melded)) << c.hand;
        EXPECT_EQ(r.sent.size(), c.melded.empty() ? 0u : 2u) << c.hand;
    }
}

namespace {
std::vector<PhomCard> selected(std::vector<PhomCard> cards, std::initializer_list<size_t> positions) {
    for (size_t p : positions) cards[p].isSelected = true;
    return cards;
}
}  // namespace

TEST(PhomNewTurns, TheEatButtonChecksOnlyTheSelection) {
    const auto hand = cards("5S 5C 9D:4 9H:4 9C:4 KD 2H:1 2C:1 2S:1*");
    struct Case {
        const char* name;
        std::initializer_list<size_t> picked;
        const char* refusal;
        bool send, offeredAgain;
    };
    const Case cases[] = {
        {"two free cards", {0, 1}, "", true, false},
        {"one card", {0}, "ZUNO_selectMin2Cards", false, true},
        {"three cards, silently", {0, 1, 5}, "", false, false},
        {"five cards, silently", {0, 1, 2, 3, 5}, "", false, false},
        {"six cards", {0, 1, 2, 3, 4, 5}, "ZUNO_selectTooCards", false, true},
        {"an eaten card", {8, 0}, "ZUNO_invalidCard", false, false},
        {"a card of an eaten meld", {6, 0}, "ZUNO_invalidCard", false, true},
    };
    for (const auto& c : cases) {
        PhomNewHand h;
        h.myCards = selected(hand, c.picked);
        const auto answer = h.doEat();
        EXPECT_EQ(answer.refusal, c.refusal) << c.name;
        EXPECT_EQ(answer.send, c.send) << c.name;
        EXPECT_EQ(answer.eatOfferedAgain, c.offeredAgain) << c.name;
        if (c.send) {
            EXPECT_EQ(answer.cards, (std::array<int8_t, 5>{16, 17, -1, -1, -1})) << c.name;
        }
        if (!std::string(c.refusal).empty() && std::string(c.refusal) != "ZUNO_invalidCard") {
            EXPECT_TRUE(std::none_of(h.myCards.begin(), h.myCards.end(), [](auto& x) { return x.isSelected; })) << c.name;
        }
    }
}

TEST(PhomNewTurns, TheFireButtonAndTheMeldItBreaks) {
    const auto hand = cards("5S 9D:4 9H:4 9C:4 2H:1 2C:1 2S:1*");
    struct Case {
        const char* name;
        std::initializer_list<size_t> picked;
        const char* refusal;
        int8_t card;
    };
    const Case cases[] = {
        {"none", {}, "ZUNO_yetSellectCard", -1},
        {"two", {0, 1}, "ZUNO_canYouOnceOnly", -1},
        {"a card of an eaten meld, silently", {4}, "", -1},
        {"a free card", {0}, "", 16},
        {"a meld card", {2}, "", 35},
    };
    for (const auto& c : cases) {
        PhomNewHand h;
        h.myCards = selected(hand, c.picked);
        const auto answer = h.doFire();
        EXPECT_EQ(answer.refusal, c.refusal) << c.name;
        EXPECT_EQ(answer.cardId, c.card) << c.name;
        EXPECT_EQ(answer.send, c.card != -1) << c.name;
    }
    // Firing out of a meld frees the other two before the hand is arranged again.
    PhomNewHand h;
    h.myCards = selected(hand, {2});
    h.doFire();
    EXPECT_EQ(meldsOf(h.myCards), (std::vector<int>{0, 0, 4, 0, 1, 1, 1}));
}

TEST(PhomNewTurns, AnAcceptedEatMakesANewMeldWithTheEatenCard) {
    RecordingHand r(cards("5S 5C 9D:4 9H:4 9C:4 KD"), 4);
    r.hand.cardToEat = {16, 33, -1, -1, -1};  // 5S and 9C: 9C leaves its meld, freeing the other two
    r.hand.onEatCard(19, 2);                  // 5H eaten
    int eaten = 0;
    for (const auto& c : r.hand.myCards) {
        if (c.cardID == 19) {
            EXPECT_TRUE(c.isFix);
            EXPECT_EQ(c.phom, 4);
            ++eaten;
        }
    }
    EXPECT_EQ(eaten, 1);
    EXPECT_EQ(r.hand.myCards.size(), 7u);
    for (const auto& c : r.hand.myCards) {
        if (c.cardID == 16 || c.cardID == 33) {
            EXPECT_EQ(c.phom, 4) << int{c.cardID};
        }
        if (c.cardID == 34 || c.cardID == 35) {
            EXPECT_EQ(c.phom, 0) << int{c.cardID};
        }
    }
    EXPECT_EQ(r.sent.size(), 1u);  // the arrangement is reported
}
