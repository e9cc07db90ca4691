#pragma once

#include <cstdint>
#include <memory>

#include "games/SingleGameMessageHandler.h"
#include "games/phom/PhomLogicHandler.h"
#include "table/LogicHandlerSlot.h"

namespace zuno {

// The decoder of the table messages of Phom (game type 7).
class PhomMessageHandler : public SingleGameMessageHandler<PhomMessageHandler, 7> {
public:
    void onPostSetupGameType() override;
    void onMessage(Message& message) override;

    std::shared_ptr<PhomLogicHandler> phomLogicHandler() const { return logic_.get(); }
    void setPhomLogicHandler(std::shared_ptr<PhomLogicHandler> handler) { logic_.set(std::move(handler)); }

private:
    friend SingleGameMessageHandler;
    PhomMessageHandler() : logic_(PhomLogicHandler::getInstance()) {}

    LogicHandlerSlot<PhomLogicHandler> logic_;
};

}  // namespace zuno
