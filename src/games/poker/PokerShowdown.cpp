#include "games/poker/PokerShowdown.h"

#include <algorithm>

namespace zuno {

namespace {

constexpr int8_t kNoCard = -1;

int rankOf(int8_t id) { return id / 4; }
bool inList(int8_t id, const PokerCardIds& ids) { return std::find(ids.begin(), ids.end(), id) != ids.end(); }

// The hole cards and the community cards as one row, hole cards first, with their looks.
class OutlineRow {
public:
    OutlineRow(const std::array<int8_t, 2>& hole, const PokerCardIds& board) : ids_(hole.begin(), hole.end()) {
        ids_.insert(ids_.end(), board.begin(), board.end());
        looks_.assign(ids_.size(), PokerCardLook::Plain);
    }

    size_t size() const { return ids_.size(); }
    int8_t id(size_t i) const { return ids_[i]; }
    bool pairs(size_t i, size_t j) const {
        return ids_[i] != kNoCard && ids_[j] != kNoCard && rankOf(ids_[i]) == rankOf(ids_[j]);
    }
    void set(size_t i, PokerCardLook look) { looks_[i] = look; }
    void setAll(PokerCardLook look) { looks_.assign(looks_.size(), look); }
    bool anyOutlined() const {
        return std::find(looks_.begin(), looks_.end(), PokerCardLook::Outlined) != looks_.end();
    }

    PokerOutline outline() const {
        PokerOutline out;
        out.hole = {looks_[0], looks_[1]};
        out.board.assign(looks_.begin() + 2, looks_.end());
        return out;
    }

private:
    std::vector<int8_t> ids_;
    std::vector<PokerCardLook> looks_;
};

void outlinePairs(OutlineRow& row, const std::string& handName, const PokerCardIds& bestFive) {
    row.setAll(PokerCardLook::Dimmed);
    if (handName == "FOUR OF A KIND") {
        const int quad = getFourOfAKind(bestFive);
        for (size_t h = 0; h < 2; ++h) {
            if (row.id(h) == kNoCard || rankOf(row.id(h)) + 1 != quad) continue;
            for (size_t i = 0; i < row.size(); ++i)
                if (i == h || row.pairs(h, i)) row.set(i, PokerCardLook::Outlined);
        }
    } else {
        auto outlineFrom = [&](size_t firstEnd) {
            for (size_t i = 0; i < firstEnd; ++i)
                for (size_t j = i + 1; j < row.size(); ++j)
                    if (row.pairs(i, j)) row.set(i, PokerCardLook::Outlined), row.set(j, PokerCardLook::Outlined);
        };
        outlineFrom(2);
        // A pair in the hand also shows the pairs lying on the board.
        if (row.anyOutlined()) outlineFrom(row.size());
    }
    if (!row.anyOutlined()) row.setAll(PokerCardLook::Plain);
}

// Straights and flushes outline the best five, when a hole card is among them.
void outlineFive(OutlineRow& row, const PokerCardIds& bestFive) {
    auto inFive = [&](size_t i) { return row.id(i) != kNoCard && inList(row.id(i), bestFive); };
    if (!inFive(0) && !inFive(1)) return;
    for (size_t i = 0; i < row.size(); ++i) row.set(i, inFive(i) ? PokerCardLook::Outlined : PokerCardLook::Dimmed);
}

}  // namespace

int getFourOfAKind(const PokerCardIds& bestFive) {
    std::array<int8_t, 5> ids;
    ids.fill(kNoCard);
    std::copy_n(bestFive.begin(), std::min<size_t>(bestFive.size(), ids.size()), ids.begin());
    for (size_t i = 0; i < 4; ++i)
        for (size_t j = i + 1; j < 5; ++j)
            if (ids[i] != kNoCard && ids[j] != kNoCard && rankOf(ids[i]) == rankOf(ids[j])) return rankOf(ids[i]) + 1;
    return -1;
}

PokerOutline outlinePokerHand(const std::array<int8_t, 2>& hole, const PokerCardIds& board,
                              const std::string& handName, const PokerCardIds& bestFive) {
    OutlineRow row(hole, board);
    outlinePairs(row, handName, bestFive);
    if (handName == "STRAIGHT" || handName == "STRAIGHT FLUS" || handName == "ROYAL FLUS" || handName == "FLUS")
        outlineFive(row, bestFive);
    return row.outline();
}

PokerOutline outlinePokerWinner(const std::array<int8_t, 2>& hole, const PokerCardIds& board,
                                const std::string& handName, const PokerCardIds& bestFive) {
    if (handName != "HIGH CARD") return outlinePokerHand(hole, board, handName, bestFive);
    OutlineRow row(hole, board);
    row.setAll(PokerCardLook::Dimmed);
    row.set(hole[1] > hole[0] ? 1 : 0, PokerCardLook::Outlined);  // ace-low ids, as the server names it
    return row.outline();
}

}  // namespace zuno
