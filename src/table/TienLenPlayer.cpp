#include "table/TienLenPlayer.h"

#include <algorithm>

namespace zuno {

namespace {
struct HandLayout {
    float yp = 0;
    int deltaX = 0;
    int cardW = 0;
    int8_t cardH = 0;
};
HandLayout& layout() {
    static HandLayout l;
    return l;
}
}  // namespace

void TienLenPlayer::unSelectAllCards() {
    for (auto it = cards_.rbegin(); it != cards_.rend(); ++it) {
        // A card is held here too, so the toggle's call into the screen cannot take it away.
        std::shared_ptr<CardView> card = *it;
        if (card && card->isSelected) card->setSelected();
    }
}

TienLenPlayer::CardIds TienLenPlayer::getSelectedCardsValue() const {
    CardIds ids;
    for (const auto& card : cards_) {
        if (card && card->isSelected) ids.push_back(card->cardID);
    }
    return ids;
}

void TienLenPlayer::removeCards(const CardIds& ids, int n) {
    const size_t count = std::min<size_t>(ids.size(), static_cast<size_t>(std::max(n, 0)));
    CardIds left(ids.begin(), ids.begin() + static_cast<std::ptrdiff_t>(count));
    for (size_t i = cards_.size(); i-- > 0 && !left.empty();) {
        if (!cards_[i]) continue;
        auto match = std::find(left.begin(), left.end(), cards_[i]->cardID);
        if (match == left.end()) continue;
        left.erase(match);
        cards_.erase(cards_.begin() + static_cast<std::ptrdiff_t>(i));
    }
}

float TienLenPlayer::yp() { return layout().yp; }
void TienLenPlayer::setYp(float yp) { layout().yp = yp; }
int TienLenPlayer::deltaX() { return layout().deltaX; }
void TienLenPlayer::setDeltaX(int deltaX) { layout().deltaX = deltaX; }
int TienLenPlayer::cardW() { return layout().cardW; }
void TienLenPlayer::setCardW(int cardW) { layout().cardW = cardW; }
int8_t TienLenPlayer::cardH() { return layout().cardH; }
void TienLenPlayer::setCardH(int8_t cardH) { layout().cardH = cardH; }

}  // namespace zuno
