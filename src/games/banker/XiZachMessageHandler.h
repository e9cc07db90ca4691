#pragma once

#include <cstdint>
#include <memory>

#include "games/banker/XiZachLogicHandler.h"
#include "lobby/IGameMessageHandler.h"
#include "table/LogicHandlerSlot.h"

namespace zuno {

// The decoder of the table messages of Xi Zach (game type 2).
class XiZachMessageHandler : public IGameMessageHandler {
public:
    static constexpr int8_t kGameType = 2;

    static std::shared_ptr<XiZachMessageHandler> getInstance();

    void onPostSetupGameType() override;
    void onMessage(Message& message) override;
    bool isGameType(int8_t gameType) const override { return gameType == kGameType; }

    std::shared_ptr<XiZachLogicHandler> xiZachLogicHandler() const { return logic_.get(); }
    void setXiZachLogicHandler(std::shared_ptr<XiZachLogicHandler> handler) { logic_.set(std::move(handler)); }

private:
    XiZachMessageHandler() : logic_(XiZachLogicHandler::getInstance()) {}

    LogicHandlerSlot<XiZachLogicHandler> logic_;
};

}  // namespace zuno
