#pragma once

#include <cstdint>
#include <memory>

#include "games/phom/PhomNewLogicHandler.h"
#include "lobby/IGameMessageHandler.h"
#include "table/LogicHandlerSlot.h"

namespace zuno {

// The decoder of the table messages of new Phom (game type 13); it shares the Phom title.
class PhomNewMessageHandler : public IGameMessageHandler {
public:
    static constexpr int8_t kGameType = 13;

    static std::shared_ptr<PhomNewMessageHandler> getInstance();

    void onPostSetupGameType() override;
    void onMessage(Message& message) override;
    bool isGameType(int8_t gameType) const override { return gameType == kGameType; }

    std::shared_ptr<PhomNewLogicHandler> phomNewLogicHandler() const { return logic_.get(); }
    void setPhomNewLogicHandler(std::shared_ptr<PhomNewLogicHandler> handler) { logic_.set(std::move(handler)); }

private:
    PhomNewMessageHandler() : logic_(PhomNewLogicHandler::getInstance()) {}

    LogicHandlerSlot<PhomNewLogicHandler> logic_;
};

}  // namespace zuno
