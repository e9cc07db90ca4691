// What the turn's moves do to a new Phom hand.
#include <algorithm>

#include "games/phom/PhomNewHand.h"

namespace zuno {

PhomNewHand::EatAnswer PhomNewHand::doEat() {
    EatAnswer answer;
    auto clearSelection = [this] {
        for (auto& card : myCards) card.isSelected = false;
    };
    for (auto& card : myCards) card.isChecked = card.isSelected;
    const bool eatenSelected =
        std::any_of(myCards.begin(), myCards.end(), [](const PhomCard& c) { return c.isSelected && c.isFix; });
    if (eatenSelected) {
        answer.refusal = "ZUNO_invalidCard";
        return answer;
    }
    cardToEat.fill(-1);
    size_t selected = 0;
    for (const auto& card : myCards) {
        if (!card.isSelected) continue;
        if (selected == cardToEat.size()) {
            clearSelection();
            answer.eatOfferedAgain = true;
            answer.refusal = "ZUNO_selectTooCards";
            return answer;
        }
        cardToEat[selected++] = card.cardID;
    }
    if (selected < 2) {
        clearSelection();
        answer.eatOfferedAgain = true;
        answer.refusal = "ZUNO_selectMin2Cards";
        return answer;
    }
    if (selected > 2) {
        // The server takes exactly two: more is refused without a word.
        clearSelection();
        return answer;
    }
    const bool inEatenMeld = std::any_of(myCards.begin(), myCards.end(),
                                         [this](const PhomCard& c) { return c.isSelected && isPhomAn(c.phom); });
    clearSelection();
    if (inEatenMeld) {
        answer.eatOfferedAgain = true;
        answer.refusal = "ZUNO_invalidCard";
        return answer;
    }
    answer.send = true;
    answer.cards = cardToEat;
    return answer;
}

PhomNewHand::FireAnswer PhomNewHand::doFire() {
    FireAnswer answer;
    std::vector<size_t> selected;
    for (size_t i = 0; i < myCards.size(); ++i)
        if (myCards[i].isSelected) selected.push_back(i);
    auto clearSelection = [this] {
        for (auto& card : myCards) card.isSelected = false;
    };
    if (selected.size() >= 2) {
        clearSelection();
        answer.refusal = "ZUNO_canYouOnceOnly";
        return answer;
    }
    if (selected.empty()) {
        answer.refusal = "ZUNO_yetSellectCard";
        return answer;
    }
    PhomCard& card = myCards[selected.front()];
    if (isPhomAn(card.phom)) {
        clearSelection();
        return answer;
    }
    if (card.phom != 0) {
        const int meld = card.phom;
        for (auto& other : myCards)
            if (other.phom == meld && other.cardID != card.cardID) other.phom = 0;
    }
    answer.send = true;
    answer.cardId = card.cardID;
    return answer;
}

void PhomNewHand::onGetCard(int8_t card) {
    PhomCard drawn{.cardID = card};
    auto at = std::find_if(myCards.begin(), myCards.end(),
                           [card](const PhomCard& c) { return c.isFree() && c.cardID > card; });
    myCards.insert(at == myCards.end() ? myCards.begin() : at, drawn);
    for (auto& c : myCards) c.isSelected = false;
    intelligentSort();
}

void PhomNewHand::onEatCard(int8_t eaten, int numEat) {
    const int meld = phomRandom;
    for (int k = std::min(numEat, static_cast<int>(cardToEat.size())) - 1; k >= 0; --k) {
        const int8_t id = cardToEat[static_cast<size_t>(k)];
        auto card = std::find_if(myCards.begin(), myCards.end(), [id](const PhomCard& c) { return c.cardID == id; });
        if (id == -1 || card == myCards.end()) continue;
        if (card->phom != 0) {
            const int old = card->phom;
            for (auto& other : myCards)
                if (other.phom == old) other.phom = 0;
        }
        card->phom = meld;
    }
    myCards.push_back(PhomCard{.cardID = eaten, .phom = meld, .isFix = true});
    intelligentSort();
}

void PhomNewHand::onFire(int8_t card) {
    removeCard(card);
    intelligentSort();
}

void PhomNewHand::removeCards(std::span<const int> ids) {
    std::erase_if(myCards, [ids](const PhomCard& c) { return std::find(ids.begin(), ids.end(), c.cardID) != ids.end(); });
}

void PhomNewHand::removeCard(int id) {
    auto card = std::find_if(myCards.begin(), myCards.end(), [id](const PhomCard& c) { return c.cardID == id; });
    if (card != myCards.end()) myCards.erase(card);
}

}  // namespace zuno
