// The stand-in's Phom judge on fixed hands.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "standin-server/StandinPhomJudge.h"

using zuno::standin::StandinPhomJudge;
using Cards = StandinPhomJudge::Cards;

namespace {

// "AS 9C TD KH": ace low; spade, club, diamond, heart.
Cards cards(const std::string& text) {
    static const std::string kRanks = "A23456789TJQK", kSuits = "SCDH";
    Cards out;
    for (size_t i = 0; i + 1 < text.size(); i += 3)
        out.push_back(static_cast<int8_t>(kRanks.find(text[i]) * 4 + kSuits.find(text[i + 1])));
    return out;
}

}  // namespace

TEST(StandinPhomJudge, MeldsOfAHand) {
    const struct {
        const char* hand;
        std::vector<const char*> melds;
        const char* free;
    } cases[] = {
        {"5S 5C 5D 9H KH", {"5S 5C 5D"}, "9H KH"},
        {"3S 4S 5S 6S 9D", {"3S 4S 5S 6S"}, "9D"},
        {"AS 2S 3S QH KH AH", {"AS 2S 3S"}, "QH KH AH"},  // no wrap from king to ace
        {"7S 7C 7D 8S 9S", {"7S 7C 7D"}, "8S 9S"},         // sets first: the run loses its 7
        {"2C 9D JH", {}, "2C 9D JH"},
    };
    for (const auto& c : cases) {
        std::vector<Cards> expected;
        for (const char* m : c.melds) expected.push_back(cards(m));
        auto found = StandinPhomJudge::melds(cards(c.hand));
        for (auto& m : found) std::sort(m.begin(), m.end());
        for (auto& m : expected) std::sort(m.begin(), m.end());
        EXPECT_EQ(found, expected) << c.hand;
        auto free = StandinPhomJudge::freeCards(cards(c.hand));
        auto expectedFree = cards(c.free);
        std::sort(free.begin(), free.end());
        std::sort(expectedFree.begin(), expectedFree.end());
        EXPECT_EQ(free, expectedFree) << c.hand;
    }
}

TEST(StandinPhomJudge, EatFireAndPoints) {
    // The fired card melds with two free cards only.
    EXPECT_EQ(StandinPhomJudge::eatWith(cards("8S 8C 2D KH"), cards("8D")[0]),
              std::make_pair(cards("8S")[0], cards("8C")[0]));
    EXPECT_EQ(StandinPhomJudge::eatWith(cards("4H 5H 9C"), cards("6H")[0]),
              std::make_pair(cards("4H")[0], cards("5H")[0]));
    EXPECT_FALSE(StandinPhomJudge::eatWith(cards("4H 5C 9C"), cards("6H")[0]));
    EXPECT_FALSE(StandinPhomJudge::eatWith(cards("8S 8C 8H"), cards("8D")[0]));  // those three already meld

    EXPECT_EQ(StandinPhomJudge::highestFree(cards("KS KC KD 9H 2C")), cards("9H")[0]);
    EXPECT_EQ(StandinPhomJudge::highestFree(cards("KS KC KD")), cards("KD")[0]);
    EXPECT_EQ(StandinPhomJudge::points(cards("AS TD KH")), 1 + 10 + 13);
    EXPECT_TRUE(StandinPhomJudge::isMeld(cards("QH JH KH")));
    EXPECT_FALSE(StandinPhomJudge::isMeld(cards("QH KH")));
}
