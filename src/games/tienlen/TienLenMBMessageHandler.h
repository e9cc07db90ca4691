#pragma once

#include <cstdint>
#include <memory>

#include "games/tienlen/TienLenLogicHandler.h"
#include "lobby/IGameMessageHandler.h"
#include "table/LogicHandlerSlot.h"

namespace zuno {

// The decoder of the table messages of Tien Len Mien Bac (game type 12); it shares the Tien Len title.
class TienLenMBMessageHandler : public IGameMessageHandler {
public:
    static constexpr int8_t kGameType = 12;

    static std::shared_ptr<TienLenMBMessageHandler> getInstance();

    void onPostSetupGameType() override;
    void onMessage(Message& message) override;
    bool isGameType(int8_t gameType) const override { return gameType == kGameType; }

    // Where decoded events go: the game's logic handler unless a test puts another in its place (none
    // puts the game's own back).
    std::shared_ptr<TienLenLogicHandler> tienlenMBLogicHandler() const { return logic_.get(); }
    void setTienlenMBLogicHandler(std::shared_ptr<TienLenLogicHandler> handler);

private:
    TienLenMBMessageHandler();

    LogicHandlerSlot<TienLenLogicHandler> logic_;
};

}  // namespace zuno
