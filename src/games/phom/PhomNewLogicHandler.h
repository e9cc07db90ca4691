#pragma once

#include <memory>
#include <string>
#include <vector>

#include "games/phom/PhomTableLogicHandler.h"

namespace zuno {

// Receives the decoded events of the new Phom tables (game type 13) on the reader thread and hands them
// to the new Phom screen: the shared events as both games do, and new Phom's own.
class PhomNewLogicHandler : public PhomTableLogicHandler {
public:
    static std::shared_ptr<PhomNewLogicHandler> getInstance();

    // One player's result; numCard is the number of cards in cardR.
    virtual void onFinish(int8_t roomId, int8_t boardId, int32_t userId, int32_t score, std::vector<int8_t> cardR,
                          int32_t numCard);
    // Row n of the card tables belongs to users[n]; user slots without a record are 0.
    virtual void onPlaying(int8_t roomId, int8_t boardId, int8_t interval, int32_t curPlayer, int32_t firPlayer,
                           PhomFiredCards cardShow, PhomEatenCards cardEat, PhomSeatInts users);
    virtual void onGetCard(int8_t roomId, int8_t boardId, int32_t userId, uint8_t cardGet);
    virtual void onDenBai(int8_t roomId, int8_t boardId, int32_t winId, int32_t orderMoney);
    virtual void onMoveErrorWithRoomeId(int8_t roomId, int8_t boardId, std::string info);
    virtual void onUWithRoomId(int8_t roomId, int8_t boardId, int32_t userId, int8_t u, PhomLaidCards cards,
                               int32_t lenCard);
    virtual void onAddCard(int8_t roomId, int8_t boardId, int32_t userAdd, int8_t cardId, std::vector<int8_t> cardAdd,
                           int32_t len);
};

}  // namespace zuno
