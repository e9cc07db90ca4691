#pragma once

#include <cstdint>

#include "lobby/RequestService.h"

namespace zuno {

// The requests only the Bai Cao tables send.
class BaiCaoService : public RequestService {
public:
    static BaiCaoService& getInstance();

    // The number of seats at the table (2, 3 or 4).
    void setMaxPlayerWithRoomId(int8_t roomId, int8_t boardId, int8_t max);

private:
    BaiCaoService() = default;
};

}  // namespace zuno
