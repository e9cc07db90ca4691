#pragma once

#include <cstdint>

#include "lobby/RequestService.h"

namespace zuno {

// The requests only the Poker table sends.
class PokerService : public RequestService {
public:
    static PokerService& getInstance();

    // Whether to watch a full table: 1 watch, 0 decline.
    void doSendObserver(int8_t roomId, int8_t boardId, int8_t choice);

private:
    PokerService() = default;
};

}  // namespace zuno
