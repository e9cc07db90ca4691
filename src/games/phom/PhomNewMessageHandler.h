#pragma once

#include <cstdint>
#include <memory>

#include "games/SingleGameMessageHandler.h"
#include "games/phom/PhomNewLogicHandler.h"
#include "table/LogicHandlerSlot.h"

namespace zuno {

// The decoder of the table messages of new Phom (game type 13); it shares the Phom title.
class PhomNewMessageHandler : public SingleGameMessageHandler<PhomNewMessageHandler, 13> {
public:
    void onPostSetupGameType() override;
    void onMessage(Message& message) override;

    std::shared_ptr<PhomNewLogicHandler> phomNewLogicHandler() const { return logic_.get(); }
    void setPhomNewLogicHandler(std::shared_ptr<PhomNewLogicHandler> handler) { logic_.set(std::move(handler)); }

private:
    friend SingleGameMessageHandler;
    PhomNewMessageHandler() : logic_(PhomNewLogicHandler::getInstance()) {}

    LogicHandlerSlot<PhomNewLogicHandler> logic_;
};

}  // namespace zuno
