#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace zuno::standin {

// The stand-in's Phom rules, on card ids (rank = id / 4, ace low; suit = id % 4), with the client's own
// meld tests: a set is three or four of a rank, a run three or more consecutive ranks of a suit.
class StandinPhomJudge {
public:
    using Cards = std::vector<int8_t>;

    static bool isMeld(const Cards& cards);
    // Two cards of the hand that meld with the fired card (sets before runs), if any.
    static std::optional<std::pair<int8_t, int8_t>> eatWith(const Cards& hand, int8_t fired);
    // Melds found in the hand: sets of a rank first, then runs of a suit among the rest.
    static std::vector<Cards> melds(const Cards& hand);
    // The hand's cards in no meld.
    static Cards freeCards(const Cards& hand);
    // Points of cards: ace 1 ... king 13.
    static int points(const Cards& cards);
    // The card a robot fires: its highest free card (its highest card when every card melds).
    static int8_t highestFree(const Cards& hand);
};

}  // namespace zuno::standin
