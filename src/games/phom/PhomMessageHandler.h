#pragma once

#include <cstdint>
#include <memory>

#include "games/phom/PhomLogicHandler.h"
#include "lobby/IGameMessageHandler.h"
#include "table/LogicHandlerSlot.h"

namespace zuno {

// The decoder of the table messages of Phom (game type 7).
class PhomMessageHandler : public IGameMessageHandler {
public:
    static constexpr int8_t kGameType = 7;

    static std::shared_ptr<PhomMessageHandler> getInstance();

    void onPostSetupGameType() override;
    void onMessage(Message& message) override;
    bool isGameType(int8_t gameType) const override { return gameType == kGameType; }

    std::shared_ptr<PhomLogicHandler> phomLogicHandler() const { return logic_.get(); }
    void setPhomLogicHandler(std::shared_ptr<PhomLogicHandler> handler) { logic_.set(std::move(handler)); }

private:
    PhomMessageHandler() : logic_(PhomLogicHandler::getInstance()) {}

    LogicHandlerSlot<PhomLogicHandler> logic_;
};

}  // namespace zuno
