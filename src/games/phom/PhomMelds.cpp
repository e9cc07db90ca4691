#include "games/phom/PhomMelds.h"

#include <utility>
#include <vector>

namespace zuno {

namespace {

int rankOf(int id) { return id / 4; }
int suitOf(int id) { return id % 4; }

// Walks the neighbouring pairs of a sorted copy up to the first empty entry; a meld needs at least
// two pairs (three cards), each accepted by pairFits.
template <typename PairFits>
bool walkSortedPairs(std::span<const int> cards, PairFits pairFits) {
    std::vector<int> sorted(cards.begin(), cards.end());
    PhomMelds::orderArrayIncrease(sorted);
    int pairs = 0;
    for (size_t k = 0; k + 1 < sorted.size(); ++k) {
        int a = sorted[k];
        int b = sorted[k + 1];
        if (b == -1) break;
        if (a == b || !pairFits(a, b)) return false;
        ++pairs;
    }
    return pairs >= 2;
}

}  // namespace

void PhomMelds::orderArrayIncrease(std::span<int> cards) {
    for (size_t i = 0; i + 1 < cards.size(); ++i) {
        for (size_t j = i + 1; j < cards.size(); ++j) {
            if (cards[j] != -1 && (cards[j] < cards[i] || cards[i] == -1)) std::swap(cards[i], cards[j]);
        }
    }
}

bool PhomMelds::checkPhomBaLa(std::span<const int> cards) {
    return walkSortedPairs(cards, [](int a, int b) { return rankOf(a) == rankOf(b); });
}

bool PhomMelds::checkPhomSanh(std::span<const int> cards) {
    return walkSortedPairs(cards, [](int a, int b) {
        return rankOf(b) == rankOf(a) + 1 && suitOf(a) == suitOf(b);
    });
}

int PhomMelds::getAssetArray(std::span<const int> row) {
    for (size_t i = 0; i < row.size(); ++i) {
        if (row[i] == -1) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace zuno
