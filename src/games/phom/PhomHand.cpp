#include "games/phom/PhomHand.h"

#include <algorithm>

#include "games/phom/PhomMelds.h"

namespace zuno {

namespace {
constexpr int kWindow = 6;
constexpr int kFirstAutomaticMeld = 3;  // the counter starts here; the first meld found takes 4
}  // namespace

void PhomHand::reset() {
    myCards.clear();
    cardEat.fill(PhomCard{});
    numPhom = 0;
    phomRandom = kFirstAutomaticMeld;
    cardToEat.fill(-1);
    upCard.clear();
    cardCurrent = -1;
    for (auto& row : cardShow) row.fill(-1);
    bCheckU = false;
    xxx.fill(-1);
    scorePlayer.fill(-1);
    winer = -1;
}

bool PhomHand::searchCardEat(int group) const {
    for (const PhomCard& slot : cardEat) {
        if (slot.phom == 0) return false;
        if (slot.phom == group) return true;
    }
    return false;
}

// Every card outside the eaten melds goes free, wherever it lies: a free card that joined an eaten
// meld from its left would otherwise keep that meld's number for good and the meld would grow by
// one card at every regrouping.
void PhomHand::cleanPhomRandom() {
    for (PhomCard& card : myCards) {
        if (!card.isFix) card.phom = 0;
    }
}

bool PhomHand::findPhom() {
    if (myCards.size() <= 2) return false;
    phomRandom = kFirstAutomaticMeld;
    detectPhom();
    for (size_t i = 0; i < myCards.size(); ++i) {
        const PhomCard& card = myCards[i];
        if (!searchCardEat(card.phom) && card.isFree() && card.isReal()) addCard(static_cast<int>(i));
    }
    return checkU();
}

bool PhomHand::regroup() {
    cleanPhomRandom();
    return findPhom();
}

// Greedy over windows of three neighbouring cards: a longer meld is found as three cards and the
// rest join it by attaching; melds the player has not put side by side are not looked for.
void PhomHand::detectPhom() {
    size_t i = 0;
    while (i < myCards.size()) {
        if (searchCardEat(myCards[i].phom)) return;
        std::array<int, kWindow> window;
        window.fill(-1);
        size_t end = std::min(i + 3, myCards.size());
        for (size_t k = i; k < end; ++k) {
            if (!myCards[k].isFree()) return;
            window[k - i] = myCards[k].cardID;
        }
        if (PhomMelds::checkPhomSanh(window) || PhomMelds::checkPhomBaLa(window)) {
            ++phomRandom;
            for (size_t k = i; k < end; ++k) myCards[k].phom = phomRandom;
            i += 3;
        } else {
            ++i;
        }
    }
}

// The point sum of the meld numbered `group`, when the card would still leave it a set or a run;
// else 0.
int PhomHand::meldScoreWith(int group, const PhomCard& card) const {
    std::vector<int> ids;
    int score = 0;
    for (const PhomCard& c : myCards) {
        if (c.phom != group) continue;
        ids.push_back(c.cardID);
        score += c.value();
    }
    ids.push_back(card.cardID);
    if (!PhomMelds::checkPhomSanh(ids) && !PhomMelds::checkPhomBaLa(ids)) return 0;
    return score;
}

// A free card joins the meld of a neighbour it extends, the one of more points when both do; ties
// go to the left. A card lying between two cards of one meld does not join it from the right.
void PhomHand::addCard(int position) {
    if (position < 0 || position >= static_cast<int>(myCards.size())) return;
    const size_t i = static_cast<size_t>(position);
    PhomCard& card = myCards[i];
    if (!card.isFree() || !card.isReal()) return;

    const PhomCard* left = i > 0 ? &myCards[i - 1] : nullptr;
    const PhomCard* right = i + 1 < myCards.size() ? &myCards[i + 1] : nullptr;

    int leftScore = 0;
    if (left && !left->isFree() && left->isReal()) leftScore = meldScoreWith(left->phom, card);

    int rightScore = 0;
    if (right) {
        bool insideOneMeld = left && right->phom == left->phom;
        if (!insideOneMeld && !right->isFree() && right->isReal()) rightScore = meldScoreWith(right->phom, card);
    }

    if (leftScore >= rightScore) {
        if (leftScore >= 1) card.phom = left->phom;
    } else {
        card.phom = right->phom;
    }
}

int PhomHand::freeCardCount() const {
    return static_cast<int>(std::count_if(myCards.begin(), myCards.end(), [](const PhomCard& c) { return c.isFree(); }));
}

// Counted from the groups as they stand now, so a run the player has split no longer counts and a
// card that joined a meld by attaching does.
bool PhomHand::checkU() {
    int free = freeCardCount();
    switch (myCards.size()) {
    case 10:
        return free <= 1;
    case 9:
        return free == 0;
    default:
        if (!bCheckU) return false;
        bCheckU = false;
        return free <= 1;
    }
}

void PhomHand::getCardsUp() {
    upCard.assign(myCards.size(), -1);
    for (size_t i = 0; i < myCards.size(); ++i) {
        if (myCards[i].isSelected) upCard[i] = 0;
    }
}

void PhomHand::getCheckCard() {
    for (PhomCard& card : myCards) card.isChecked = card.isSelected;
}

void PhomHand::resetUpCard() {
    std::fill(upCard.begin(), upCard.end(), -1);
    for (PhomCard& card : myCards) card.isSelected = false;
}

void PhomHand::sortWithCards(std::vector<PhomCard>& cards) {
    std::stable_sort(cards.begin(), cards.end(),
                     [](const PhomCard& a, const PhomCard& b) { return a.cardID < b.cardID; });
}

}  // namespace zuno
