// Per-call cost of the Phom hand rules on random hands: the new Phom arrangement (9 to 13 cards)
// and the Phom regrouping with its U check (9 and 10 cards).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

#include "games/phom/PhomHand.h"
#include "games/phom/PhomNewHand.h"

namespace {

using zuno::PhomCard;

std::vector<std::vector<PhomCard>> randomHands(size_t minCards, size_t maxCards, size_t count) {
    std::mt19937 rng(2024);
    std::vector<int> deck(52);
    for (int i = 0; i < 52; ++i) deck[static_cast<size_t>(i)] = i;
    std::vector<std::vector<PhomCard>> hands;
    for (size_t h = 0; h < count; ++h) {
        std::shuffle(deck.begin(), deck.end(), rng);
        size_t size = minCards + rng() % (maxCards - minCards + 1);
        std::vector<PhomCard> hand;
        for (size_t i = 0; i < size; ++i) hand.push_back(PhomCard{.cardID = static_cast<int8_t>(deck[i])});
        hands.push_back(std::move(hand));
    }
    return hands;
}

void BM_PhomNewArrangement(benchmark::State& state) {
    const auto hands = randomHands(9, 13, 4096);
    zuno::PhomNewHand hand;
    size_t next = 0;
    for (auto _ : state) {
        hand.myCards = hands[next++ % hands.size()];
        hand.phomRandom = 3;
        hand.intelligentSort();
        benchmark::DoNotOptimize(hand.myCards.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PhomNewArrangement);

void BM_PhomRegroup(benchmark::State& state) {
    // Hands sorted by suit and rank, so that runs stand together as a player would arrange them.
    auto hands = randomHands(9, 10, 4096);
    for (size_t h = 0; h < hands.size(); h += 2) {
        std::sort(hands[h].begin(), hands[h].end(), [](const PhomCard& a, const PhomCard& b) {
            return a.suit() != b.suit() ? a.suit() < b.suit() : a.cardID < b.cardID;
        });
    }
    zuno::PhomHand hand;
    size_t next = 0;
    for (auto _ : state) {
        hand.myCards = hands[next++ % hands.size()];
        benchmark::DoNotOptimize(hand.regroup());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PhomRegroup);

}  // namespace

BENCHMARK_MAIN();
