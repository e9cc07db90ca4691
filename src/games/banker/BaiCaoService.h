#pragma once

#include <cstdint>
#include <span>

#include "lobby/RequestService.h"

namespace zuno {

// The requests only the Bai Cao tables send.
class BaiCaoService : public RequestService {
public:
    static BaiCaoService& getInstance();

    // Which cards to show: one byte per hand position, the card id where it is shown, -1 where not.
    void moveWithRoomId(int8_t roomId, int8_t boardId, std::span<const int8_t> cards);
    // The number of seats at the table (2, 3 or 4).
    void setMaxPlayerWithRoomId(int8_t roomId, int8_t boardId, int8_t max);

private:
    BaiCaoService() = default;
};

}  // namespace zuno
