#pragma once

#include <cstdint>
#include <memory>

#include "games/SingleGameMessageHandler.h"
#include "games/banker/BaiCaoLogicHandler.h"
#include "table/LogicHandlerSlot.h"

namespace zuno {

// The decoder of the table messages of Bai Cao (game type 11).
class BaiCaoMessageHandler : public SingleGameMessageHandler<BaiCaoMessageHandler, 11> {
public:
    void onPostSetupGameType() override;
    void onMessage(Message& message) override;

    std::shared_ptr<BaiCaoLogicHandler> baiCaoLogicHandler() const { return logic_.get(); }
    void setBaiCaoLogicHandler(std::shared_ptr<BaiCaoLogicHandler> handler) { logic_.set(std::move(handler)); }

private:
    friend SingleGameMessageHandler;
    BaiCaoMessageHandler() : logic_(BaiCaoLogicHandler::getInstance()) {}

    LogicHandlerSlot<BaiCaoLogicHandler> logic_;
};

}  // namespace zuno
