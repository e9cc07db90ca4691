// The automatic arrangement of a new Phom hand.
#include "games/phom/PhomNewHand.h"

#include <algorithm>

namespace zuno {

namespace {
constexpr int kFirstCounter = 3;
constexpr size_t kTrio = 3;
constexpr size_t kRunLookAhead = 5;  // a run partner further away is not found
constexpr int kRankStep = 4;         // ids of one suit's neighbouring ranks differ by 4
}  // namespace

void PhomNewHand::reset() {
    myCards.clear();
    phomRandom = kFirstCounter;
    indexOfCard = -1;
    indexOfCard2 = -1;
}

void PhomNewHand::resetPhom() {
    if (sendResetPhom) sendResetPhom(myCards);
}

void PhomNewHand::intelligentSort() {
    sortWithCards(myCards);
    sortChat();
    findPhom1();
    sortPhom();
    resetPhom();
}

void PhomNewHand::sortWithCards(std::vector<PhomCard>& cards) {
    std::stable_sort(cards.begin(), cards.end(),
                     [](const PhomCard& a, const PhomCard& b) { return a.cardID < b.cardID; });
}

// One pass that rotates every group of equal ranks left by one: the lowest id of the rank moves to
// the end of its group (17, 19, 16 from 16, 17, 19).
void PhomNewHand::sortChat() {
    for (size_t i = 0; i + 1 < myCards.size(); ++i) {
        if (myCards[i].rank() == myCards[i + 1].rank() && myCards[i].cardID < myCards[i + 1].cardID) {
            std::swap(myCards[i], myCards[i + 1]);
        }
    }
}

void PhomNewHand::findPhom1() {
    if (myCards.size() > 2) detectPhom1();
}

void PhomNewHand::detectPhom1() {
    detectPhomBaLa1();
    detectPhomSanh1();
}

void PhomNewHand::detectPhomBaLa1() { detectSets(3); }

// Sets among free cards: a free card and the free cards of its value among the next `lookAhead`
// positions, the first three in hand order. Of four equal ranks the fourth stays free.
void PhomNewHand::detectSets(size_t lookAhead) {
    ++phomRandom;
    for (size_t i = 0; i + 2 < myCards.size(); ++i) {
        if (!myCards[i].isFree()) continue;
        size_t trio[kTrio] = {i, 0, 0};
        size_t found = 1;
        for (size_t k = i + 1; k <= i + lookAhead && k < myCards.size() && found < kTrio; ++k) {
            if (myCards[k].isFree() && myCards[k].value() == myCards[i].value()) trio[found++] = k;
        }
        if (found < kTrio) continue;
        for (size_t k : trio) myCards[k].phom = phomRandom;
        ++phomRandom;
    }
}

// Runs among free cards: a free card v and free cards v + 4, then v + 8, among the next five
// positions; a wanted card already in a meld is passed over.
void PhomNewHand::detectPhomSanh1() {
    ++phomRandom;
    for (size_t i = 0; i + 2 < myCards.size(); ++i) {
        if (!myCards[i].isFree()) continue;
        const int v = myCards[i].cardID;
        size_t trio[kTrio] = {i, 0, 0};
        size_t found = 1;
        int wanted = kRankStep;
        for (size_t k = i + 1; k <= i + kRunLookAhead && k < myCards.size() && found < kTrio; ++k) {
            if (myCards[k].cardID - v != wanted || !myCards[k].isFree()) continue;
            trio[found++] = k;
            wanted += kRankStep;
        }
        if (found < kTrio) continue;
        for (size_t k : trio) myCards[k].phom = phomRandom;
        ++phomRandom;
    }
}

// Melds first, each meld's cards together and read high id first: the sets, then the other melds,
// each kind by weight, heavier first, equal weights in the order they stand; then the free cards
// in their order.
void PhomNewHand::sortPhom() {
    struct Meld {
        int phom;
        bool isSet;
        int weight;
    };
    std::vector<Meld> melds;
    for (const PhomCard& card : myCards) {
        if (card.isFree()) continue;
        bool known = std::any_of(melds.begin(), melds.end(), [&](const Meld& m) { return m.phom == card.phom; });
        if (!known) melds.push_back({card.phom, isPhomBaLa(card.phom), countPhomValue(card.phom)});
    }
    std::stable_sort(melds.begin(), melds.end(), [](const Meld& a, const Meld& b) {
        if (a.isSet != b.isSet) return a.isSet;
        return a.weight > b.weight;
    });

    std::vector<PhomCard> arranged;
    arranged.reserve(myCards.size());
    for (const Meld& meld : melds) {
        size_t first = arranged.size();
        for (const PhomCard& card : myCards) {
            if (card.phom == meld.phom) arranged.push_back(card);
        }
        std::stable_sort(arranged.begin() + static_cast<long>(first), arranged.end(),
                         [](const PhomCard& a, const PhomCard& b) { return a.cardID > b.cardID; });
    }
    for (const PhomCard& card : myCards) {
        if (card.isFree()) arranged.push_back(card);
    }
    myCards = std::move(arranged);
}

bool PhomNewHand::canBePhom(const PhomCard& card1, const PhomCard& card2, const PhomCard& card3) {
    if (card1.value() == card2.value() && card2.value() == card3.value()) return true;
    int ids[kTrio] = {card1.cardID, card2.cardID, card3.cardID};
    std::sort(ids, ids + kTrio);
    return ids[2] - ids[0] == 2 * kRankStep && ids[2] - ids[1] == kRankStep;
}

int PhomNewHand::countPhomCard(int phom) const {
    return static_cast<int>(
        std::count_if(myCards.begin(), myCards.end(), [&](const PhomCard& c) { return c.phom == phom; }));
}

// A meld's weight: the points of its three cards; for a meld of another size, of at most three of
// its cards taken from the right end of the hand.
int PhomNewHand::countPhomValue(int phom) const {
    if (phom == 0) return 0;
    int sum = 0;
    size_t taken = 0;
    for (auto it = myCards.rbegin(); it != myCards.rend() && taken < kTrio; ++it) {
        if (it->phom != phom) continue;
        sum += it->value();
        ++taken;
    }
    return sum;
}

bool PhomNewHand::isPhomBaLa(int phom) const {
    const PhomCard* first = nullptr;
    for (const PhomCard& card : myCards) {
        if (card.phom != phom) continue;
        if (!first) first = &card;
        else if (card.value() != first->value()) return false;
    }
    return true;
}

bool PhomNewHand::isPhomAn(int phom) const {
    return std::any_of(myCards.begin(), myCards.end(), [&](const PhomCard& c) { return c.phom == phom && c.isFix; });
}

void PhomNewHand::clearPhomMove(int phom) {
    if (phom == 0) return;
    for (PhomCard& card : myCards) {
        if (card.phom == phom) card.phom = 0;
    }
}

}  // namespace zuno
