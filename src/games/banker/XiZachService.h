#pragma once

#include <cstdint>

#include "lobby/RequestService.h"

namespace zuno {

// The requests only the Xi Zach tables send.
class XiZachService : public RequestService {
public:
    static XiZachService& getInstance();

    // kindOf 0 draws a card, 1 stands.
    void moveWithRoomId(int8_t roomId, int8_t boardId, int8_t kindOf);
    // The dealer examines the player's hand.
    void xetBaiWithRoomId(int8_t roomId, int8_t boardId, int32_t player);
    // The number of seats at the table (2, 3 or 4).
    void setMaxPlayerWithRoomId(int8_t roomId, int8_t boardId, int8_t max);

private:
    XiZachService() = default;
};

}  // namespace zuno
