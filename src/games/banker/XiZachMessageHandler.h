#pragma once

#include <cstdint>
#include <memory>

#include "games/SingleGameMessageHandler.h"
#include "games/banker/XiZachLogicHandler.h"
#include "table/LogicHandlerSlot.h"

namespace zuno {

// The decoder of the table messages of Xi Zach (game type 2).
class XiZachMessageHandler : public SingleGameMessageHandler<XiZachMessageHandler, 2> {
public:
    void onPostSetupGameType() override;
    void onMessage(Message& message) override;

    std::shared_ptr<XiZachLogicHandler> xiZachLogicHandler() const { return logic_.get(); }
    void setXiZachLogicHandler(std::shared_ptr<XiZachLogicHandler> handler) { logic_.set(std::move(handler)); }

private:
    friend SingleGameMessageHandler;
    XiZachMessageHandler() : logic_(XiZachLogicHandler::getInstance()) {}

    LogicHandlerSlot<XiZachLogicHandler> logic_;
};

}  // namespace zuno
