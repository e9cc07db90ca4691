#include <gtest/gtest.h>

#include <bit>
#include <numeric>

#include "TienLenTestCards.h"

using namespace zuno;
using namespace zuno::testcards;

namespace {

using Positions = std::vector<int8_t>;

Positions autoSelect(bool northern, const Cards& table, TienLenHand& hand) {
    return northern ? CardMBUtils::autoSelect(table, hand) : CardUtils::autoSelect(table, hand);
}

// A hand of `size` cards that shares none with the table: the cards of `start` first, then random ones.
Cards dealAround(const Cards& table, Cards start, size_t size, std::mt19937& rng) {
    Cards deck(52), dealt;
    std::iota(deck.begin(), deck.end(), int8_t{0});
    std::shuffle(deck.begin(), deck.end(), rng);
    start.insert(start.end(), deck.begin(), deck.end());
    for (int8_t id : start)
        if (dealt.size() < size && std::count(table.begin(), table.end(), id) + std::count(dealt.begin(), dealt.end(), id) == 0)
            dealt.push_back(id);
    return dealt;
}

// Whether some cards of the hand go on the table, by trying every set of the table's size and of the
// sizes that chop.
bool someSetBeats(bool northern, const Cards& hand, const Cards& table) {
    const size_t n = hand.size();
    for (unsigned mask = 1; mask < (1u << n); ++mask) {
        const int size = std::popcount(mask);
        if (size != static_cast<int>(table.size()) && size != 4 && size != 6 && size != 8) continue;
        Cards set;
        for (size_t i = 0; i < n; ++i)
            if (mask & (1u << i)) set.push_back(hand[i]);
        set = sorted(set);
        if (typeOf(northern, set) != Type::kInvalid && available(northern, set, table)) return true;
    }
    return false;
}

}  // namespace

// Repeated requests on one hand: the raised cards after each, ascending ("" for none).
TEST(AutoSelect, RequestAfterRequest) {
    const struct {
        bool northern;
        const char* hand;
        std::vector<int> raised;  // raised by the player before the first request
        const char* table;
        std::vector<std::string> picks;
    } examples[] = {
        // Leading walks up the hand and wraps around to its first card.
        {false, "3s 5d 7h Ks 2h", {}, "", {"3s", "5d", "7h", "Ks", "2h", "3s"}},
        {false, "3s 5d 7h Ks 2h", {2}, "", {"Ks"}},
        {false, "", {}, "", {""}},
        // Singles start again from the table past the last card.
        {false, "4s 8d 9c Jh", {}, "8s", {"8d", "9c", "Jh", "8d"}},
        {false, "4s 8d 9c Jh", {}, "Qs", {""}},
        // A lone 2 is chopped first: three pairs, then four of a kind; else a higher 2.
        {false, "4s 4c 5d 5h 6s 6h 9s 9c 9d 9h Ah", {}, "2d", {"4s 4c 5d 5h 6s 6h"}},
        {false, "4s 9s 9c 9d 9h Ah", {}, "2d", {"9s 9c 9d 9h"}},
        {false, "4s 9s Ah 2h", {}, "2d", {"2h"}},
        // Pairs, triples and straights move up from what is raised.
        {false, "4s 6d 6h 8s 8c 8h 9d 10c Jh Qs", {}, "5s 5c", {"6d 6h", "8s 8c", "8s 8h"}},
        {false, "4s 6d 6h 8s 8c 8h 9d 10c Jh Qs", {}, "7s 7c 7d", {"8s 8c 8h", "8s 8c 8h"}},
        {false, "4s 6d 6h 8s 8c 8h 9d 10c Jh Qs", {}, "5s 6s 7c", {"8s 9d 10c", "9d 10c Jh", "10c Jh Qs"}},
        {false, "4s 6d 6h 8s 8c 8h 9d 10c Jh Qs", {}, "5s 6s 7c 8d 9h", {"8s 9d 10c Jh Qs"}},
        {false, "5s 5c 5d 7h Kc", {3}, "9s 9c 9d", {""}},
        // Four consecutive pairs chop four of a kind whatever is raised; a pair of 2s falls to four of a
        // kind but not to three pairs.
        {false, "3s 6s 6c 7s 7c 8s 8c 9s 9c Ah", {9}, "5s 5c 5d 5h", {"6s 6c 7s 7c 8s 8c 9s 9c"}},
        {false, "3s 6s 6c 6d 6h Ah", {5}, "5s 5c 5d 5h", {"6s 6c 6d 6h"}},
        // Raised four 4s over four 3s: the search starts again above the table and finds them, which
        // outranks the four consecutive pairs the hand also holds.
        {false, "4s 4c 4d 4h 5s 5c 6s 6c 7s 7c 8s 8c", {0, 1, 2, 3}, "3s 3c 3d 3h", {"4s 4c 4d 4h"}},
        {true, "4s 4c 4d 4h 5s 5c 6s 6c 7s 7c 8s 8c", {0, 1, 2, 3}, "3s 3c 3d 3h", {"4s 4c 4d 4h"}},
        {false, "3s 3c 3d 3h 5s 5c", {}, "2s 2c", {"3s 3c 3d 3h"}},
        {false, "3s 3c 4d 4h 5s 5c", {}, "2s 2c", {""}},
        // North: singles keep the suit or play a 2, the lowest card of the suit first.
        {true, "9s 10h Jh 2c", {}, "7h", {"10h", "Jh", "2c", "10h"}},
        // ... the table's suit, not the raised card's.
        {true, "7d 8c 8d 9c 10d 2s", {1}, "6d", {"8d", "10d", "2s", "7d"}},
        {true, "8s 8c 8d 9s 9c 2s 2c", {2}, "6s 6c", {"9s 9c", "2s 2c"}},
        {true, "7s 8s 9s 9h 10h Jh", {2}, "3h 4h 5h", {"9h 10h Jh"}},
        {true, "6d 6h 7d 7h 8d 8h 9s 9c 10s 10c Js Jc", {1}, "3s 3c 4s 4c 5s 5c", {"9s 9c 10s 10c Js Jc"}},
        {true, "2c Jh 10h", {}, "7h", {"10h"}},
        // Pairs, triples, straights and consecutive pairs follow the table's suits and colour.
        {true, "9s 9c 9d 9h Jd Jh 2s 2d", {}, "8s 8c", {"9s 9c", "2s 2d"}},
        {true, "9s 9c 9d 9h Jd Jh 2s 2d", {}, "8d 8h", {"9d 9h", "Jd Jh"}},
        {true, "9s 9c 9d 9h Jd Jh 2s 2d", {}, "8s 8d 8h", {"9s 9d 9h"}},
        {true, "9d 10c 10d 2s 2c", {0}, "8s 8c", {"2s 2c"}},  // no two-coloured 10d 10c
        {true, "4s 6h 7h 8d 8h", {}, "3h 4h 5h", {"6h 7h 8h"}},
        {true, "4s 6h 7h 8d 8h", {}, "3s 4s 5s", {""}},
        {true, "6s 6c 6d 6h 7s 7c 7d 7h 8s 8c 8d 8h", {}, "3d 3h 4d 4h 5d 5h", {"6d 6h 7d 7h 8d 8h"}},
        {true, "4s 4c 5s 5c 5d 5h 6d 6h 7d 7h Kh", {}, "2h", {"5d 5h 6d 6h 7d 7h"}},  // no two-coloured run
        {true, "4s 4c 5s 5c 6s 6c Kh", {}, "2h", {"4s 4c 5s 5c 6s 6c"}},
    };
    for (const auto& e : examples) {
        TienLenHand hand(cards(e.hand));
        for (int p : e.raised) hand.selectCardAt(p);
        for (const std::string& pick : e.picks) {
            autoSelect(e.northern, cards(e.table), hand);
            EXPECT_EQ(sorted(hand.getSelectedCardsValue()), cards(pick)) << e.hand << " on " << e.table;
        }
    }
}

TEST(AutoSelect, FindersReportHandPositions) {
    const Cards hand = cards("Ks 4d 4s Kh 9c 4h Kc 5c 6c");
    EXPECT_EQ(CardUtils::findAndSelectTwin(card("4s"), hand), (Positions{0, 3}));
    EXPECT_EQ(CardUtils::findAndSelectTriple(-1, hand), (Positions{3, 6, 0}));
    EXPECT_EQ(CardUtils::findAndSelectSeries(-1, hand, 3), (Positions{8, 7, 1}));
    EXPECT_TRUE(CardUtils::findAndSelectQuart(-1, hand).empty());
    EXPECT_EQ(CardUtils::findAndSelectQuart(-1, cards("2s 3s 3c 2c 3d 3h")), (Positions{5, 4, 2, 1}));
    EXPECT_TRUE(CardUtils::findAndSelectQuart(-1, cards("2s 2c 2d 2h 3s")).empty());
    EXPECT_EQ(CardUtils::findDoubleSequence(-1, cards("3s 3c 4s 4c 5s 5c 6s 6c"), 3), (Positions{7, 6, 5, 4, 3, 2}));
    EXPECT_TRUE(CardUtils::findAndSelectSeries(-1, hand, 0).empty());
    EXPECT_TRUE(CardUtils::findDoubleSequence(-1, hand, -2).empty());
    // North: pairs at both ends of the hand count, and so do pairs the player has moved apart.
    EXPECT_EQ(CardMBUtils::findDoubleSequence(-1, cards("3s 3c 4s 4c 5s 5c"), 3), (Positions{4, 5, 2, 3, 0, 1}));
    EXPECT_EQ(CardMBUtils::findDoubleSequence(-1, cards("3s 4c 4s 5c 5s 6c"), 2), (Positions{3, 4, 1, 2}));
    EXPECT_EQ(CardMBUtils::findDoubleSequence(-1, cards("4c 9h 3s 5s 3c 4s 5c"), 3), (Positions{3, 6, 0, 5, 2, 4}));
    EXPECT_TRUE(CardMBUtils::findDoubleSequence(-1, cards("5s 5c 6d 6h 7s 7c"), 3).empty());
    EXPECT_TRUE(CardMBUtils::findAndSelectSeries(-1, cards("5h 6h 7h"), 3).empty());
    // The table's top card is its last: the screen passes it ascending.
    TienLenHand unsortedTable(cards("Ks Kd Ah"));
    EXPECT_EQ(CardUtils::autoSelect(cards("Kh Kc"), unsortedTable), (Positions{1, 0}));
}

// Whatever the hand and the table, what automatic selection raises is a legal set that goes on the
// table, asked once or again and again, and the positions it reports are the ones raised.
TEST(AutoSelect, RaisedCardsAlwaysBeatTheTable) {
    std::mt19937 rng(2024);
    std::array<int, 7> hits{};
    for (int round = 0; round < 8000; ++round) {
        const bool northern = round % 2 == 1;
        const auto tableType = static_cast<int8_t>(randomInt(rng, 0, 6));
        const Cards table = randomCombination(tableType, northern, rng);
        // Half the hands start from a set of the table's kind or a chop, the rest of the hand is random.
        const bool sameKind = randomInt(rng, 0, 1) == 0;
        Cards pool = round % 4 >= 2 ? Cards{}
                                    : randomCombination(sameKind ? tableType : static_cast<int8_t>(randomInt(rng, 0, 6)),
                                                        northern, rng, sameKind ? static_cast<int>(table.size()) : 0);
        Cards dealt = dealAround(table, pool, 13, rng);
        if (round % 3 == 0) std::shuffle(dealt.begin(), dealt.end(), rng);
        else std::sort(dealt.begin(), dealt.end());
        TienLenHand hand(dealt);
        for (int p = 0; p < 13; ++p)
            if (randomInt(rng, 0, 5) == 0) hand.selectCardAt(p);

        for (int request = 0; request < 4; ++request) {
            const Positions found = autoSelect(northern, table, hand);
            std::vector<int> asInts(found.begin(), found.end());
            std::sort(asInts.begin(), asInts.end());
            ASSERT_EQ(asInts, hand.selectedPositions());
            if (found.empty()) break;
            const Cards raised = sorted(hand.getSelectedCardsValue());
            ASSERT_NE(typeOf(northern, raised), Type::kInvalid) << "north " << northern << " round " << round;
            ASSERT_TRUE(available(northern, raised, table)) << "north " << northern << " round " << round;
            ++hits[static_cast<size_t>(tableType)];
        }
    }
    for (int count : hits) EXPECT_GT(count, 20);
}

// At Mien Bac a first request (nothing raised) finds a set that goes on the table whenever the hand
// holds one, in whatever order the player has put the hand. Hands of four 2s are left out: such a deal
// is won at once.
TEST(AutoSelect, FindsABeatingSetWheneverTheNorthernHandHoldsOne) {
    std::mt19937 rng(7);
    std::array<int, 7> beatable{};
    for (int round = 0; round < 2000; ++round) {
        const auto tableType = static_cast<int8_t>(randomInt(rng, 0, 6));
        const Cards table = randomCombination(tableType, true, rng);
        // Most hands start from a set of the table's kind, drawn until it beats the table where that comes
        // soon; the rest of the hand is random.
        Cards start;
        const bool startsFromTheTablesKind = randomInt(rng, 0, 3) > 0;
        for (int draw = 0; draw < 30 && startsFromTheTablesKind; ++draw) {
            start = randomCombination(tableType, true, rng, static_cast<int>(table.size()));
            if (available(true, start, table)) break;
        }
        Cards dealt = dealAround(table, start, std::max(start.size(), static_cast<size_t>(randomInt(rng, 1, 13))), rng);
        if (std::count_if(dealt.begin(), dealt.end(), [](int8_t id) { return Card::isTwo(id); }) == 4) continue;
        if (round % 3 == 0) std::sort(dealt.begin(), dealt.end());

        TienLenHand hand(dealt);
        const bool found = !CardMBUtils::autoSelect(table, hand).empty();
        const bool exists = someSetBeats(true, dealt, table);
        ASSERT_EQ(found, exists) << "round " << round;
        if (found) {
            ASSERT_TRUE(available(true, sorted(hand.getSelectedCardsValue()), table)) << "round " << round;
        }
        beatable[static_cast<size_t>(tableType)] += exists;
    }
    for (int count : beatable) EXPECT_GT(count, 10);
}
