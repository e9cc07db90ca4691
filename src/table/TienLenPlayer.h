#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "lobby/model/Player.h"
#include "table/CardView.h"

namespace zuno {

// The seat player of the card tables (Tien Len, Phom, Poker and, through its own subclass, the banker
// games): a Player as the table's join reply and seat messages describe it, with the hand of card
// sprites the table shows for him, in hand order.
class TienLenPlayer : public Player {
public:
    using Cards = std::vector<std::shared_ptr<CardView>>;
    using CardIds = std::vector<int8_t>;

    TienLenPlayer() = default;

    const Cards& cards() const { return cards_; }
    Cards& cards() { return cards_; }
    void setCards(Cards cards) { cards_ = std::move(cards); }

    // Lowers every raised card, from the last to the first; each toggle tells the table screen.
    void unSelectAllCards();
    // The ids of the raised cards, in hand order.
    CardIds getSelectedCardsValue() const;
    // Takes out of the hand one card per listed id (the first n), walking the hand from its last
    // card; an id listed twice takes out one card only if the hand holds it once.
    void removeCards(const CardIds& ids, int n);
    void resetCardPosition() {}

    // Layout of the hands, shared by all players; the game screens set and read them.
    static float yp();
    static void setYp(float yp);
    static int deltaX();
    static void setDeltaX(int deltaX);
    static int cardW();
    static void setCardW(int cardW);
    static int8_t cardH();
    static void setCardH(int8_t cardH);

private:
    Cards cards_;
};

using TienLenPlayerPtr = std::shared_ptr<TienLenPlayer>;

// The instant-win record of the Tien Len games: the winner and his cards.
class CardInfo {
public:
    CardInfo() = default;
    const std::vector<int8_t>& cards() const { return cards_; }
    void setCards(std::vector<int8_t> cards) { cards_ = std::move(cards); }
    int32_t owner() const { return owner_; }
    void setOwner(int32_t owner) { owner_ = owner; }

private:
    std::vector<int8_t> cards_;
    int32_t owner_ = 0;
};

}  // namespace zuno
