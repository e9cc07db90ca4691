// Regrouping a new Phom hand where the player drops a dragged card.
#include <algorithm>
#include <cstdlib>

#include "games/phom/PhomNewHand.h"

namespace zuno {

bool PhomNewHand::inEatenMeld(size_t position) const { return isPhomAn(myCards[position].phom); }

int PhomNewHand::positionOf(int8_t cardId) const {
    auto it = std::find_if(myCards.begin(), myCards.end(), [&](const PhomCard& c) { return c.cardID == cardId; });
    return it == myCards.end() ? -1 : static_cast<int>(it - myCards.begin());
}

// A trio (the dropped card first) that would make a meld. isAn tells whether it may be formed: a
// card may leave an eaten meld only together with that meld's eaten card, or the eaten card would be
// left outside any meld.
bool PhomNewHand::checkTrio(size_t a, size_t b, size_t c, bool& isAn, bool& isBaLa) {
    if (!canBePhom(myCards[a], myCards[b], myCards[c])) return false;
    const size_t trio[] = {a, b, c};
    _isOldEat = isPhomAn(myCards[a].phom);

    bool leavesEatenCardBehind = false;
    for (size_t t : trio) {
        int meld = myCards[t].phom;
        if (!isPhomAn(meld)) continue;
        for (size_t k = 0; k < myCards.size(); ++k) {
            bool inTrio = std::find(std::begin(trio), std::end(trio), k) != std::end(trio);
            if (myCards[k].phom == meld && myCards[k].isFix && !inTrio) leavesEatenCardBehind = true;
        }
    }

    int old[] = {myCards[a].phom, myCards[b].phom, myCards[c].phom};
    for (size_t t : trio) myCards[t].phom = kTrialMeld;
    isAn = (isPhomAn(kTrialMeld) || !_isOldEat) && !leavesEatenCardBehind;
    isBaLa = isPhomBaLa(kTrialMeld);
    for (size_t k = 0; k < 3; ++k) myCards[trio[k]].phom = old[k];
    return true;
}

// Stop when the card lies between two cards of its own meld, or between two free cards while free.
bool PhomNewHand::checkCardIndex() const {
    const int c = indexOfCard2;
    if (c <= 0 || c + 1 >= static_cast<int>(myCards.size())) return false;
    const size_t i = static_cast<size_t>(c);
    return myCards[i].phom == myCards[i - 1].phom && myCards[i].phom == myCards[i + 1].phom;
}

bool PhomNewHand::checkLeft() {
    const int c = indexOfCard2;
    if (c <= 1 || c >= static_cast<int>(myCards.size())) return false;
    const size_t i = static_cast<size_t>(c);
    return checkTrio(i, i - 1, i - 2, _isAnLeft, _isBaLaLeft);
}

bool PhomNewHand::checkRight() {
    const int c = indexOfCard2;
    if (c < 0 || c + 2 >= static_cast<int>(myCards.size())) return false;
    const size_t i = static_cast<size_t>(c);
    return checkTrio(i, i + 1, i + 2, _isAnRight, _isBaLaRight);
}

bool PhomNewHand::checkMid() {
    const int c = indexOfCard2;
    if (c <= 0 || c + 1 >= static_cast<int>(myCards.size())) return false;
    const size_t i = static_cast<size_t>(c);
    if (inEatenMeld(i - 1) && inEatenMeld(i + 1)) return false;
    return checkTrio(i, i - 1, i + 1, _isAnMid, _isBaLaMid);
}

void PhomNewHand::checkDoiPhom() {
    _isAnLeft = _isAnRight = _isAnMid = false;
    _isBaLaLeft = _isBaLaRight = _isBaLaMid = false;
    if (indexOfCard2 < 0 || indexOfCard2 >= static_cast<int>(myCards.size())) return;
    if (checkCardIndex()) return;

    const bool left = checkLeft();
    const bool right = checkRight();
    const bool mid = checkMid();

    if (left && right && mid) {
        // The right trio wins, unless taking it would leave an eaten card outside any meld.
        if (_isAnRight) changeRight();
    } else if (left && right) {
        if (_isAnLeft != _isAnRight) {
            _isAnLeft ? changeLeft() : changeRight();
        } else if (_isAnLeft && _isAnMid) {
            _isBaLaRight ? changeRight() : changeLeft();
        }
    } else if (left && mid) {
        if (_isAnMid && _isAnLeft) {
            _isBaLaLeft ? changeLeft() : changeMid();
        } else if (_isAnMid) {
            changeMid();
        } else if (_isAnLeft) {
            changeLeft();
        }
    } else if (right && mid) {
        if (_isAnMid && _isAnRight) {
            _isBaLaMid ? changeMid() : changeRight();
        } else if (_isAnMid) {
            changeMid();
        } else if (_isAnRight) {
            changeRight();
        }
    } else if (left) {
        if (_isAnLeft) changeLeft();
    } else if (right) {
        if (_isAnRight) changeRight();
    } else if (mid) {
        if (_isAnMid) changeMid();
    }
}

// Every meld a trio card leaves is freed whole (the dropped card's first), so no meld is left with
// one or two cards; then the trio becomes a meld and the hand is arranged and reported twice.
void PhomNewHand::changeTrio(size_t a, size_t b, size_t c) {
    for (size_t t : {a, b, c}) clearPhomMove(myCards[t].phom);
    ++phomRandom;
    for (size_t t : {a, b, c}) myCards[t].phom = phomRandom;
    intelligentSort();
    resetPhom();
}

void PhomNewHand::changeLeft() {
    const int c = indexOfCard2;
    if (c <= 1 || c >= static_cast<int>(myCards.size())) return;
    const size_t i = static_cast<size_t>(c);
    changeTrio(i, i - 1, i - 2);
}

void PhomNewHand::changeRight() {
    const int c = indexOfCard2;
    if (c < 0 || c + 2 >= static_cast<int>(myCards.size())) return;
    const size_t i = static_cast<size_t>(c);
    changeTrio(i, i + 1, i + 2);
}

void PhomNewHand::changeMid() {
    const int c = indexOfCard2;
    if (c <= 0 || c + 1 >= static_cast<int>(myCards.size())) return;
    const size_t i = static_cast<size_t>(c);
    changeTrio(i, i - 1, i + 1);
}

void PhomNewHand::findPhom2() {
    if (myCards.size() > 2) detectPhom2();
}

void PhomNewHand::detectPhom2() {
    detectPhomBaLa2();
    detectPhomSanh2();
}

void PhomNewHand::detectPhomBaLa2() { detectSets(2); }

// A free card and the two cards after it, whatever their state, when the three are one suit's three
// consecutive ranks in any order. The melds the two leave are freed whole; cards of an eaten meld
// are left where they are.
void PhomNewHand::detectPhomSanh2() {
    ++phomRandom;
    for (size_t i = 0; i + 2 < myCards.size(); ++i) {
        if (!myCards[i].isFree()) continue;
        PhomCard& b = myCards[i + 1];
        PhomCard& c = myCards[i + 2];
        auto apart = [](const PhomCard& x, const PhomCard& y) {
            int d = std::abs(x.cardID - y.cardID);
            return d == 4 || d == 8;
        };
        if (!apart(myCards[i], b) || !apart(b, c) || !apart(myCards[i], c)) continue;
        if (inEatenMeld(i + 1) || inEatenMeld(i + 2)) continue;
        clearPhomMove(b.phom);
        clearPhomMove(c.phom);
        myCards[i].phom = b.phom = c.phom = phomRandom;
        ++phomRandom;
    }
}

void PhomNewHand::dropCard(int from, int to) {
    const int count = static_cast<int>(myCards.size());
    if (from < 0 || from >= count) return;
    myCards[static_cast<size_t>(from)].isSelected = false;
    if (to < 0 || to == from) return;

    indexOfCard = from;
    PhomCard card = myCards[static_cast<size_t>(from)];
    myCards.erase(myCards.begin() + from);
    indexOfCard2 = std::min(to, count - 1);
    myCards.insert(myCards.begin() + indexOfCard2, card);

    if (isPhomAn(card.phom)) {
        checkDoiPhom();
        intelligentSort();
    } else {
        clearPhomMove(card.phom);
    }

    // A free card dropped between two cards of one meld breaks it; next to an eaten meld it may
    // regroup with it.
    const int at = positionOf(card.cardID);
    if (at > 0 && at + 1 < count && myCards[static_cast<size_t>(at)].isFree()) {
        const size_t i = static_cast<size_t>(at);
        if (inEatenMeld(i - 1) || inEatenMeld(i + 1)) {
            indexOfCard2 = at;
            checkDoiPhom();
            intelligentSort();
        } else if (myCards[i - 1].phom != 0 && myCards[i - 1].phom == myCards[i + 1].phom) {
            clearPhomMove(myCards[i - 1].phom);
        }
    }

    findPhom2();
    resetPhom();
    indexOfCard2 = -1;
    for (PhomCard& c : myCards) c.isSelected = false;
}

}  // namespace zuno
