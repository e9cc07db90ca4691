#pragma once

#include <memory>

#include "games/phom/PhomTableLogicHandler.h"

namespace zuno {

// Receives the decoded events of the Phom tables (game type 7) on the reader thread and hands them to
// the Phom screen: the shared events as both games do, and Phom's own.
class PhomLogicHandler : public PhomTableLogicHandler {
public:
    static std::shared_ptr<PhomLogicHandler> getInstance();

    // Scores and money by player index; cardR holds each player's leftover cards.
    virtual void onFinish(int8_t roomId, int8_t boardId, PhomSeatInts score, PhomLeftoverCards cardR,
                          PhomSeatInts moneyPlayers);
    virtual void onPlaying(int8_t roomId, int8_t boardId, int8_t interval, int32_t curPlayer, int32_t firPlayer,
                           PhomFiredCards cardShow, PhomEatenCards cardEat, int32_t firHa);
    virtual void onGetCard(int8_t roomId, int8_t boardId, uint8_t cardGet);
    virtual void onResetPhomEat(int8_t roomId, int8_t boardId, uint8_t isReset);
    virtual void onDenBai(int8_t roomId, int8_t boardId, int32_t winId, PhomSeatInts orderMoney);

protected:
    bool logsSteps() const override { return true; }
};

}  // namespace zuno
