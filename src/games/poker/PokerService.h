#pragma once

#include <cstdint>

#include "lobby/RequestService.h"

namespace zuno {

// The requests only the Poker table sends: room and table first, then the sub-command.
class PokerService : public RequestService {
public:
    static PokerService& getInstance();

    void doBet(int8_t roomId, int8_t boardID, int32_t money);
    void doRaise(int8_t roomId, int8_t boardID, int32_t money);
    void doCall(int8_t roomId, int8_t boardID);
    void doCheck(int8_t roomId, int8_t boardID);
    void doFold(int8_t roomId, int8_t boardID);
    void doAllIn(int8_t roomId, int8_t boardID);
    // Whether to watch a full table: 1 watch, 0 decline.
    void doSendObserver(int8_t roomId, int8_t boardID, int8_t choice);
    void doSit(int8_t roomId, int8_t boardID, int8_t seat);
    void doStandUp(int8_t roomId, int8_t boardID);

private:
    PokerService() = default;
    void sendSub(int8_t commandId, int8_t roomId, int8_t boardID, int8_t sub,
                 const std::function<void(Message&)>& write = {}) const;
};

}  // namespace zuno
