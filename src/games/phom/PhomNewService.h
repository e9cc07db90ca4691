#pragma once

#include <cstdint>
#include <span>

#include "games/phom/PhomCard.h"
#include "lobby/RequestService.h"

namespace zuno {

// The requests only the new Phom tables send.
class PhomNewService : public RequestService {
public:
    static PhomNewService& getInstance();

    // Fires one card.
    void fire(int8_t roomId, int8_t boardId, int8_t cards);
    void skipWithRoomId(int8_t roomId, int8_t boardId);
    // The number of seats at the table (2, 3 or 4).
    void setMaxPlayer(int8_t roomId, int8_t boardId, int8_t max);
    // Draws from the stock.
    void getCard(int8_t roomId, int8_t boardId);
    // Takes the discard `idx` with the two hand cards that meld with it. Fewer than two send nothing.
    void eatCard(int8_t roomId, int8_t boardId, std::span<const int8_t> cards, int8_t idx);
    // Lays down the melds of the hand.
    void haPhom(int8_t roomId, int8_t boardId, std::span<const PhomCard> cards);
    // Sends cards onto laid melds, in the given order.
    void addCard(int8_t roomId, int8_t boardID, std::span<const PhomCard> cards);
    // Reports the hand's melds after a re-arrangement.
    void doResetPhom(int8_t roomId, int8_t boardId, std::span<const PhomCard> cards);

private:
    PhomNewService() = default;
};

}  // namespace zuno
