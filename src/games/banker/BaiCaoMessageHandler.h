#pragma once

#include <cstdint>
#include <memory>

#include "games/banker/BaiCaoLogicHandler.h"
#include "lobby/IGameMessageHandler.h"
#include "table/LogicHandlerSlot.h"

namespace zuno {

// The decoder of the table messages of Bai Cao (game type 11).
class BaiCaoMessageHandler : public IGameMessageHandler {
public:
    static constexpr int8_t kGameType = 11;

    static std::shared_ptr<BaiCaoMessageHandler> getInstance();

    void onPostSetupGameType() override;
    void onMessage(Message& message) override;
    bool isGameType(int8_t gameType) const override { return gameType == kGameType; }

    std::shared_ptr<BaiCaoLogicHandler> baiCaoLogicHandler() const { return logic_.get(); }
    void setBaiCaoLogicHandler(std::shared_ptr<BaiCaoLogicHandler> handler) { logic_.set(std::move(handler)); }

private:
    BaiCaoMessageHandler() : logic_(BaiCaoLogicHandler::getInstance()) {}

    LogicHandlerSlot<BaiCaoLogicHandler> logic_;
};

}  // namespace zuno
