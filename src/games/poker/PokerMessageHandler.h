#pragma once

#include <cstdint>
#include <memory>

#include "games/poker/PokerLogicHandler.h"
#include "lobby/IGameMessageHandler.h"
#include "table/LogicHandlerSlot.h"

namespace zuno {

// The decoder of the table messages of Poker (game type 4).
class PokerMessageHandler : public IGameMessageHandler {
public:
    static constexpr int8_t kGameType = 4;

    static std::shared_ptr<PokerMessageHandler> getInstance();

    void onPostSetupGameType() override;
    void onMessage(Message& message) override;
    bool isGameType(int8_t gameType) const override { return gameType == kGameType; }

    std::shared_ptr<PokerLogicHandler> pokerLogicHandler() const { return logic_.get(); }
    void setPokerLogicHandler(std::shared_ptr<PokerLogicHandler> handler) { logic_.set(std::move(handler)); }

private:
    PokerMessageHandler() : logic_(PokerLogicHandler::getInstance()) {}

    LogicHandlerSlot<PokerLogicHandler> logic_;
};

}  // namespace zuno
