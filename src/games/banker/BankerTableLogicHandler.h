#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "table/CardTableLogicHandler.h"

namespace zuno {

// The events both banker games receive alike; the seat players they carry are BaiCaoPlayer records.
class BankerTableLogicHandler : public CardTableLogicHandler {
public:
    virtual void onSomeOneReadyWithId(int32_t playerId, bool isReady) {}
    // One player's stake (`who`), from either of the two stake messages.
    virtual void onOwnerSetMoneyWithRoomeId(int8_t roomId, int8_t boardId, int32_t money, int32_t withWho) {}
    virtual void onBonusMoneyWithRommId(int8_t roomId, int8_t boardId, int32_t whoBonus, int32_t money,
                                        std::string des) {}
    // The server's result text for one player; the message names no table.
    virtual void onDiemSoWithWho(int32_t who, std::string des) {}
    // The cards whoMove shows (-1 where one stays hidden).
    virtual void onMoveWithRoomId(int8_t roomId, int8_t boardId, int32_t whoMove, std::vector<int8_t> cards) {}
};

}  // namespace zuno
