#pragma once

#include <cstdint>
#include <memory>

#include "games/SingleGameMessageHandler.h"
#include "games/poker/PokerLogicHandler.h"
#include "table/LogicHandlerSlot.h"

namespace zuno {

// The decoder of the table messages of Poker (game type 4).
class PokerMessageHandler : public SingleGameMessageHandler<PokerMessageHandler, 4> {
public:
    void onPostSetupGameType() override;
    void onMessage(Message& message) override;

    std::shared_ptr<PokerLogicHandler> pokerLogicHandler() const { return logic_.get(); }
    void setPokerLogicHandler(std::shared_ptr<PokerLogicHandler> handler) { logic_.set(std::move(handler)); }

private:
    friend SingleGameMessageHandler;
    PokerMessageHandler() : logic_(PokerLogicHandler::getInstance()) {}

    LogicHandlerSlot<PokerLogicHandler> logic_;
};

}  // namespace zuno
