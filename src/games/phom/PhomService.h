#pragma once

#include <cstdint>
#include <span>

#include "games/phom/PhomCard.h"
#include "lobby/RequestService.h"

namespace zuno {

// The requests only the Phom tables send.
class PhomService : public RequestService {
public:
    static PhomService& getInstance();

    // Fires one card.
    void fire(int8_t roomId, int8_t boardId, int8_t cards);
    void skipWithRoomId(int8_t roomId, int8_t boardId);
    // The number of seats at the table (2, 3 or 4).
    void setMaxPlayer(int8_t roomId, int8_t boardId, int8_t max);
    // Draws from the stock.
    void getCard(int8_t roomId, int8_t boardId);
    // Takes the last discard with the five slots of the eat selection (-1 in empty slots); idx 0 for a
    // set, 1 for a run. Fewer than five slots send nothing.
    void eatCard(int8_t roomId, int8_t boardId, std::span<const int8_t> cards, int8_t idx);
    // Lays down the melds of the hand.
    void haPhom(int8_t roomId, int8_t boardId, std::span<const PhomCard> cards);
    // Reports the meld that holds the eaten card (five slots, -1 after the last card).
    void doResetPhomEat(int8_t roomId, int8_t boardId, std::span<const int8_t> cards, int8_t cardEat);

private:
    PhomService() = default;
};

}  // namespace zuno
