#include "standin-server/StandinPokerJudge.h"

#include <algorithm>
#include <array>

namespace zuno::standin::pokerjudge {

namespace {
constexpr int kAceHigh = 13;

int value(int8_t id) { return id / 4 == 0 ? kAceHigh : id / 4; }  // 1 for a two ... 13 for an ace
int suit(int8_t id) { return id % 4; }

// The high card of a straight among five distinct values, 0 when there is none; the ace plays low
// below the two.
int straightHigh(std::vector<int> values) {
    std::sort(values.rbegin(), values.rend());
    if (std::adjacent_find(values.begin(), values.end()) != values.end()) return 0;
    if (values.front() - values.back() == 4) return values.front();
    if (values == std::vector<int>{kAceHigh, 4, 3, 2, 1}) return 4;
    return 0;
}

Hand judgeFive(const Cards& five) {
    std::vector<int> values;
    for (int8_t id : five) values.push_back(value(id));
    bool flush = five.size() == 5;
    for (int8_t id : five) flush = flush && suit(id) == suit(five.front());
    const int straight = five.size() == 5 ? straightHigh(values) : 0;

    // Values grouped by how often they come, the larger group first, then the higher value.
    std::array<int, kAceHigh + 1> counts{};
    for (int v : values) ++counts[static_cast<size_t>(v)];
    std::vector<std::pair<int, int>> groups;
    for (int v = kAceHigh; v >= 1; --v)
        if (counts[static_cast<size_t>(v)] > 0) groups.emplace_back(counts[static_cast<size_t>(v)], v);
    std::stable_sort(groups.begin(), groups.end(), [](auto& a, auto& b) { return a.first > b.first; });

    Hand hand;
    hand.best = five;
    for (auto& g : groups) hand.order.push_back(g.second);
    if (straight) hand.order = {straight};
    if (straight && flush) {
        hand.category = straight == kAceHigh ? Category::RoyalFlush : Category::StraightFlush;
    } else if (groups[0].first == 4) {
        hand.category = Category::FourOfAKind;
    } else if (groups[0].first == 3 && groups.size() > 1 && groups[1].first == 2) {
        hand.category = Category::FullHouse;
    } else if (flush) {
        hand.category = Category::Flush;
    } else if (straight) {
        hand.category = Category::Straight;
    } else if (groups[0].first == 3) {
        hand.category = Category::ThreeOfAKind;
    } else if (groups[0].first == 2) {
        hand.category = groups.size() > 1 && groups[1].first == 2 ? Category::TwoPairs : Category::Pair;
    }
    return hand;
}
}  // namespace

int compare(const Hand& a, const Hand& b) {
    if (a.category != b.category) return a.category < b.category ? -1 : 1;
    if (a.order != b.order) return a.order < b.order ? -1 : 1;
    return 0;
}

Hand best(const Cards& cards) {
    const size_t n = cards.size();
    if (n <= 5) return judgeFive(cards);
    Hand top;
    bool any = false;
    // Every choice of five, as the five left after leaving out n - 5 cards.
    std::vector<bool> left(n, false);
    std::fill(left.begin(), left.begin() + static_cast<long>(n - 5), true);
    do {
        Cards five;
        for (size_t i = 0; i < n; ++i)
            if (!left[i]) five.push_back(cards[i]);
        Hand hand = judgeFive(five);
        if (!any || compare(hand, top) > 0) top = std::move(hand);
        any = true;
    } while (std::prev_permutation(left.begin(), left.end()));
    return top;
}

std::string name(Category category) {
    switch (category) {
        case Category::HighCard: return "HIGH CARD";
        case Category::Pair: return "PAIR";
        case Category::TwoPairs: return "TWO PAIRS";
        case Category::ThreeOfAKind: return "THREE OF A KIND";
        case Category::Straight: return "STRAIGHT";
        case Category::Flush: return "FLUS";
        case Category::FullHouse: return "FULL HOUSE";
        case Category::FourOfAKind: return "FOUR OF A KIND";
        case Category::StraightFlush: return "STRAIGHT FLUS";
        case Category::RoyalFlush: return "ROYAL FLUS";
    }
    return "HIGH CARD";
}

}  // namespace zuno::standin::pokerjudge
