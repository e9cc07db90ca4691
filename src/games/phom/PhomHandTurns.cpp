// What my own moves do to the hand at a Phom table: deal, draw, eat, fire, lay-down, drag, and the
// end of the deal.
#include <algorithm>

#include "games/phom/PhomHand.h"
#include "games/phom/PhomMelds.h"

namespace zuno {

namespace {
constexpr int kCards = 52;
constexpr int kNoWinnerBound = 1000;
}  // namespace

bool PhomHand::eatOffered() const {
    int filled = PhomMelds::getAssetArray(cardShow[0]);
    return filled >= 0 && filled <= 3;
}

PhomMenu PhomHand::layDownTurnMenu() const {
    return PhomMelds::getAssetArray(cardShow[0]) == 3 ? PhomMenu::LayDown : PhomMenu::Fire;
}

PhomMenu PhomHand::start(std::span<const int8_t> cards, bool iMoveFirst) {
    reset();
    for (int8_t id : cards) myCards.push_back(PhomCard{.cardID = id});
    sortWithCards(myCards);
    PhomMenu menu = iMoveFirst ? PhomMenu::Fire : PhomMenu::Wait;
    if (regroup()) menu = PhomMenu::LayDown;
    return menu;
}

// Before the first card with a higher id; when that card lies inside a meld, before that meld, so
// the meld is not split. With no higher card, at the left end.
int PhomHand::drawPosition(int8_t cardId) const {
    auto higher = std::find_if(myCards.begin(), myCards.end(), [&](const PhomCard& c) { return c.cardID > cardId; });
    if (higher == myCards.end()) return 0;
    size_t pos = static_cast<size_t>(higher - myCards.begin());
    while (pos > 0 && !myCards[pos].isFree() && myCards[pos - 1].phom == myCards[pos].phom) --pos;
    return static_cast<int>(pos);
}

PhomMenu PhomHand::onGetCard(int cardGet) {
    if (cardGet >= 0 && cardGet < kCards) {
        auto id = static_cast<int8_t>(cardGet);
        myCards.insert(myCards.begin() + drawPosition(id), PhomCard{.cardID = id});
    }
    resetUpCard();
    bCheckU = true;
    PhomMenu menu = layDownTurnMenu();
    if (regroup()) menu = PhomMenu::LayDown;
    return menu;
}

PhomEatRequest PhomHand::doEat() {
    PhomEatRequest request;
    getCardsUp();
    getCheckCard();
    cardToEat.fill(-1);
    int selected = 0;
    for (const PhomCard& card : myCards) {
        if (!card.isSelected) continue;
        if (selected == kEatSlots) {
            request.refusal = "ZUNO_selectTooCards";
            break;
        }
        cardToEat[static_cast<size_t>(selected++)] = card.cardID;
    }
    if (request.accepted() && selected < 2) request.refusal = "ZUNO_selectMin2Cards";
    if (request.accepted()) {
        std::array<int, kEatSlots + 1> meld;
        meld.fill(-1);
        std::copy_n(cardToEat.begin(), selected, meld.begin());
        meld[static_cast<size_t>(selected)] = cardCurrent;
        if (PhomMelds::checkPhomBaLa(meld)) {
            request.kind = 0;
        } else if (PhomMelds::checkPhomSanh(meld)) {
            request.kind = 1;
        } else {
            request.refusal = "ZUNO_notPhom";
        }
    }
    if (!request.accepted()) {
        resetUpCard();
        return request;
    }
    request.cards = cardToEat;
    return request;
}

// The menu is settled before the U check, so a hand that the eat completes is offered the lay-down
// rather than the fire.
PhomMenu PhomHand::onEatCard() {
    PhomMenu menu = layDownTurnMenu();
    if (numPhom >= kEatenMelds || cardCurrent < 0 || cardCurrent >= kCards) return menu;

    ++numPhom;
    std::vector<PhomCard> meld;
    std::vector<PhomCard> rest;
    for (const PhomCard& card : myCards) (card.isChecked ? meld : rest).push_back(card);
    PhomCard eaten{.cardID = static_cast<int8_t>(cardCurrent), .phom = numPhom, .isFix = true};
    meld.push_back(eaten);
    for (PhomCard& card : meld) {
        card.phom = numPhom;
        card.isFix = true;
    }
    rest.insert(rest.end(), meld.begin(), meld.end());
    myCards = std::move(rest);
    for (PhomCard& slot : cardEat) {
        if (slot.cardID == -1) {
            slot = eaten;
            break;
        }
    }
    bCheckU = true;
    if (regroup()) menu = PhomMenu::LayDown;
    return menu;
}

PhomFireRequest PhomHand::doFire() {
    PhomFireRequest request;
    getCardsUp();
    int selected = static_cast<int>(std::count(upCard.begin(), upCard.end(), 0));
    if (selected == 1) {
        auto at = std::find(upCard.begin(), upCard.end(), 0) - upCard.begin();
        request.cardId = myCards[static_cast<size_t>(at)].cardID;
    } else if (selected == 0) {
        request.refusal = "ZUNO_yetSellectCard";
    } else {
        resetUpCard();
        request.refusal = "ZUNO_canYouOnceOnly";
    }
    return request;
}

void PhomHand::onFire(int8_t cardFire) {
    auto fired = std::find_if(myCards.begin(), myCards.end(), [&](const PhomCard& c) { return c.cardID == cardFire; });
    if (fired == myCards.end()) return;
    myCards.erase(fired);
    regroup();
}

void PhomHand::onHaPhom(std::span<const int8_t> laidCards) {
    std::erase_if(myCards, [&](const PhomCard& card) {
        return card.isReal() && std::find(laidCards.begin(), laidCards.end(), card.cardID) != laidCards.end();
    });
    sortWithCards(myCards);
    regroup();
}

bool PhomHand::moveCard(int from, int to) {
    int count = static_cast<int>(myCards.size());
    if (from >= 0 && from < count) myCards[static_cast<size_t>(from)].isSelected = false;
    if (from >= 0 && from < count && to >= 0 && to != from) {
        PhomCard card = myCards[static_cast<size_t>(from)];
        myCards.erase(myCards.begin() + from);
        myCards.insert(myCards.begin() + std::min(to, count - 1), card);
        resetUpCard();
    }
    bCheckU = true;
    return regroup();
}

void PhomHand::setScore(const std::array<int, kSeats>& scores) { xxx = scores; }

int PhomHand::onFinish() {
    int bound = kNoWinnerBound;
    winer = -1;
    for (size_t p = 0; p < kSeats; ++p) {
        scorePlayer[p] = xxx[p];
        if (xxx[p] >= 0 && xxx[p] < bound) {
            winer = static_cast<int>(p);
            bound = xxx[p];
        }
    }
    return winer;
}

std::optional<PhomEndMark> PhomHand::endMarkOfPlayer(int playerIndex) const {
    if (playerIndex < 0 || playerIndex >= kSeats) return std::nullopt;
    if (scorePlayer[static_cast<size_t>(playerIndex)] == -1) return std::nullopt;
    return playerIndex == winer ? PhomEndMark::Winner : PhomEndMark::Loser;
}

}  // namespace zuno
