#include "games/banker/BankerTableRules.h"

#include <algorithm>

namespace zuno::banker {

std::optional<std::vector<int8_t>> showRequest(std::vector<MyCard>& hand, int8_t cardId) {
    std::vector<int8_t> bytes;
    if (cardId != -1) {
        for (MyCard& card : hand) {
            if (card.id == cardId) card.asked = true;
            bytes.push_back(card.asked ? card.id : int8_t{-1});
        }
        return bytes;
    }
    auto next = std::find_if(hand.begin(), hand.end(), [](const MyCard& card) { return !card.asked; });
    if (next == hand.end()) return std::nullopt;
    next->asked = true;
    // The cards after the newly asked one go hidden, even those asked before (the server keeps them).
    for (auto it = hand.begin(); it != hand.end(); ++it) bytes.push_back(it <= next ? it->id : int8_t{-1});
    return bytes;
}

StartCheck checkStart(const std::vector<OtherPlayer>& others, int64_t myMoney, int64_t stake) {
    int ready = 0;
    for (const OtherPlayer& other : others) {
        if (!other.seated) continue;
        if (!other.ready) return StartCheck::Nothing;
        ++ready;
    }
    if (ready == 0) return StartCheck::Nothing;
    return myMoney >= stake ? StartCheck::Send : StartCheck::ShortBalance;
}

std::vector<int> positionsToOpen(const std::vector<int8_t>& ids, const std::vector<bool>& shown) {
    std::vector<int> positions;
    const size_t count = std::min(ids.size(), shown.size());
    for (size_t i = 0; i < count; ++i)
        if (ids[i] != -1 && !shown[i]) positions.push_back(static_cast<int>(i));
    return positions;
}

namespace {
std::vector<DealStep> deal(const std::array<bool, kSeats>& seated, const std::vector<int>& positions) {
    std::vector<DealStep> steps;
    for (int position : positions)
        for (int seat = 0; seat < kSeats; ++seat)
            if (seated[seat]) steps.push_back({seat, position});
    return steps;
}
}  // namespace

std::vector<DealStep> baiCaoDeal(const std::array<bool, kSeats>& seated) { return deal(seated, {2, 1, 0}); }

std::vector<DealStep> xiZachDeal(const std::array<bool, kSeats>& seated) { return deal(seated, {0, 1}); }

bool mayDraw(bool isGameEnd, int32_t nextPlayer, int32_t me) { return !isGameEnd && nextPlayer == me; }

bool mayExamine(bool isGameEnd, int32_t nextPlayer, int32_t me, int32_t owner) {
    return !isGameEnd && nextPlayer == me && me == owner;
}

OwnerShow ownerShow(int shownCards, int handSize) {
    if (shownCards == handSize) return OwnerShow::Open;
    return shownCards > handSize ? OwnerShow::Draw : OwnerShow::Nothing;
}

bool SoundGate::open(double now) {
    if (closedUntil_ && now < *closedUntil_) return false;
    closedUntil_ = now + kQuietSeconds;
    return true;
}

}  // namespace zuno::banker
