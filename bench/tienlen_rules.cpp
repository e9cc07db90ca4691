// Tien Len card rules: classification and beating per set over millions of random sets, and automatic
// selection on the hands that make its searches work hardest.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "games/tienlen/CardMBUtils.h"
#include "games/tienlen/CardUtils.h"
#include "platform/core/Log.h"

using namespace zuno;

namespace {

using Cards = std::vector<int8_t>;

constexpr size_t kSets = 1 << 20;

// Random sets of 1 to 8 cards: half of them real combinations, half random handfuls.
std::vector<Cards> randomSets(uint32_t seed) {
    std::mt19937 rng(seed);
    std::array<int8_t, 52> deck{};
    for (int i = 0; i < 52; ++i) deck[static_cast<size_t>(i)] = static_cast<int8_t>(i);
    std::vector<Cards> sets;
    sets.reserve(kSets);
    while (sets.size() < kSets) {
        Cards set;
        const int kind = static_cast<int>(rng() % 6);
        const int rank = static_cast<int>(rng() % 10);
        if (kind == 0) {  // a straight
            for (int r = rank; r < rank + 3 + static_cast<int>(rng() % 3); ++r) set.push_back(static_cast<int8_t>(r * 4 + rng() % 4));
        } else if (kind == 1) {  // consecutive pairs
            for (int r = rank; r < rank + 3; ++r) set.insert(set.end(), {static_cast<int8_t>(r * 4), static_cast<int8_t>(r * 4 + 1)});
        } else if (kind == 2) {  // cards of one rank
            for (int s = 0; s < 1 + static_cast<int>(rng() % 4); ++s) set.push_back(static_cast<int8_t>(rank * 4 + s));
        } else {
            std::shuffle(deck.begin(), deck.end(), rng);
            set.assign(deck.begin(), deck.begin() + 1 + static_cast<int>(rng() % 8));
        }
        std::sort(set.begin(), set.end());
        sets.push_back(std::move(set));
    }
    return sets;
}

const std::vector<Cards>& sets() {
    static const std::vector<Cards> all = randomSets(7);
    return all;
}

void BM_SouthGetType(benchmark::State& state) {
    const auto& all = sets();
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CardUtils::getType(all[i]));
        i = (i + 1) & (kSets - 1);
    }
    state.SetItemsProcessed(state.iterations());
}

// The northern classification logs its result; the lines go to the capture buffer, emptied now and then.
void BM_NorthGetType(benchmark::State& state) {
    const auto& all = sets();
    sys::Log::startCapture();
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CardMBUtils::getType(all[i]));
        i = (i + 1) & (kSets - 1);
        if ((i & 4095) == 0) sys::Log::clearCaptured();
    }
    sys::Log::stopCapture();
    state.SetItemsProcessed(state.iterations());
}

// Pairs of valid sets with their types, as the table screen passes them.
struct Play {
    Cards played, table;
    int8_t playedType, tableType;
};

template <class Rules>
std::vector<Play> randomPlays() {
    const auto& all = sets();
    sys::Log::startCapture();
    std::vector<Cards> valid;
    std::vector<int8_t> types;
    for (const Cards& set : all) {
        const int8_t type = Rules::getType(set);
        if (type != TienLenCombination::kInvalid) valid.push_back(set), types.push_back(type);
        if (valid.size() % 4096 == 0) sys::Log::clearCaptured();
    }
    sys::Log::stopCapture();
    std::mt19937 rng(11);
    std::vector<Play> plays;
    plays.reserve(kSets);
    while (plays.size() < kSets) {
        const size_t a = rng() % valid.size(), b = rng() % valid.size();
        plays.push_back({valid[a], valid[b], types[a], types[b]});
    }
    return plays;
}

template <class Rules>
void BM_Available(benchmark::State& state) {
    static const std::vector<Play> plays = randomPlays<Rules>();
    size_t i = 0;
    for (auto _ : state) {
        const Play& p = plays[i];
        benchmark::DoNotOptimize(Rules::available(p.played, p.playedType, p.table, p.tableType));
        i = (i + 1) & (kSets - 1);
    }
    state.SetItemsProcessed(state.iterations());
}

Cards cards(const std::string& names) {
    static const std::array<std::string, 13> ranks{"3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A", "2"};
    static const std::string suits = "scdh";
    Cards out;
    std::istringstream in(names);
    for (std::string name; in >> name;) {
        const auto rank = std::find(ranks.begin(), ranks.end(), name.substr(0, name.size() - 1)) - ranks.begin();
        out.push_back(static_cast<int8_t>(rank * 4 + static_cast<int>(suits.find(name.back()))));
    }
    return out;
}

// Thirteen cards full of pairs in runs of two, with no four of a kind, no run of three pairs and no
// long straight: every chop search and every finder walks the whole hand and fails late.
const char* const kWorstHand = "3s 3c 4s 4c 6d 6h 7d 7h 9s 9c 10s 10c Qh";

struct Scenario {
    const char* table;
};
const std::array<Scenario, 4> kScenarios{{{"2s"}, {"3d 3h 4d 4h 5d 5h"}, {"3s 4s 5s 6s 7s"}, {"5d 5h"}}};

template <class Rules>
void BM_AutoSelectWorstHand(benchmark::State& state) {
    const Cards table = cards(kScenarios[static_cast<size_t>(state.range(0))].table);
    TienLenHand hand(cards(kWorstHand));
    for (auto _ : state) benchmark::DoNotOptimize(Rules::autoSelect(table, hand));
    state.SetLabel(kScenarios[static_cast<size_t>(state.range(0))].table);
}

}  // namespace

BENCHMARK(BM_SouthGetType);
BENCHMARK(BM_NorthGetType);
BENCHMARK(BM_Available<CardUtils>)->Name("BM_SouthAvailable");
BENCHMARK(BM_Available<CardMBUtils>)->Name("BM_NorthAvailable");
BENCHMARK(BM_AutoSelectWorstHand<CardUtils>)->Name("BM_SouthAutoSelectWorstHand")->DenseRange(0, 3);
BENCHMARK(BM_AutoSelectWorstHand<CardMBUtils>)->Name("BM_NorthAutoSelectWorstHand")->DenseRange(0, 3);

BENCHMARK_MAIN();
