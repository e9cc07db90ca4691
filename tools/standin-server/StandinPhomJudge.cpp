#include "standin-server/StandinPhomJudge.h"

#include <algorithm>
#include <map>

#include "games/phom/PhomMelds.h"

namespace zuno::standin {

namespace {
int rankOf(int8_t id) { return id / 4; }
int suitOf(int8_t id) { return id % 4; }

void removeAll(StandinPhomJudge::Cards& from, const StandinPhomJudge::Cards& cards) {
    for (int8_t id : cards) {
        auto it = std::find(from.begin(), from.end(), id);
        if (it != from.end()) from.erase(it);
    }
}
}  // namespace

bool StandinPhomJudge::isMeld(const Cards& cards) {
    if (cards.size() < 3) return false;
    std::vector<int> ids(cards.begin(), cards.end());
    return PhomMelds::checkPhomBaLa(ids) || PhomMelds::checkPhomSanh(ids);
}

std::optional<std::pair<int8_t, int8_t>> StandinPhomJudge::eatWith(const Cards& hand, int8_t fired) {
    const Cards free = freeCards(hand);
    for (size_t a = 0; a < free.size(); ++a)
        for (size_t b = a + 1; b < free.size(); ++b)
            if (isMeld({free[a], free[b], fired})) return std::make_pair(free[a], free[b]);
    return std::nullopt;
}

std::vector<StandinPhomJudge::Cards> StandinPhomJudge::melds(const Cards& hand) {
    std::vector<Cards> found;
    Cards rest = hand;
    std::map<int, Cards> byRank;
    for (int8_t id : rest) byRank[rankOf(id)].push_back(id);
    for (auto& [rank, cards] : byRank) {
        if (cards.size() < 3) continue;
        found.push_back(cards);
        removeAll(rest, cards);
    }
    for (int suit = 0; suit < 4; ++suit) {
        Cards ofSuit;
        for (int8_t id : rest)
            if (suitOf(id) == suit) ofSuit.push_back(id);
        std::sort(ofSuit.begin(), ofSuit.end());
        Cards run;
        auto close = [&] {
            if (run.size() >= 3) found.push_back(run);
            run.clear();
        };
        for (int8_t id : ofSuit) {
            if (!run.empty() && rankOf(id) != rankOf(run.back()) + 1) close();
            run.push_back(id);
        }
        close();
    }
    return found;
}

StandinPhomJudge::Cards StandinPhomJudge::freeCards(const Cards& hand) {
    Cards rest = hand;
    for (const Cards& meld : melds(hand)) removeAll(rest, meld);
    return rest;
}

int StandinPhomJudge::points(const Cards& cards) {
    int sum = 0;
    for (int8_t id : cards) sum += rankOf(id) + 1;
    return sum;
}

int8_t StandinPhomJudge::highestFree(const Cards& hand) {
    Cards free = freeCards(hand);
    const Cards& from = free.empty() ? hand : free;
    if (from.empty()) return -1;
    return *std::max_element(from.begin(), from.end(),
                             [](int8_t a, int8_t b) { return rankOf(a) != rankOf(b) ? rankOf(a) < rankOf(b) : a < b; });
}

}  // namespace zuno::standin
