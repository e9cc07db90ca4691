#pragma once

#include <cstdint>
#include <memory>

#include "games/SingleGameMessageHandler.h"
#include "games/tienlen/TienLenLogicHandler.h"
#include "table/LogicHandlerSlot.h"

namespace zuno {

// The decoder of the table messages of Tien Len Mien Bac (game type 12); it shares the Tien Len title.
class TienLenMBMessageHandler : public SingleGameMessageHandler<TienLenMBMessageHandler, 12> {
public:
    void onPostSetupGameType() override;
    void onMessage(Message& message) override;

    // Where decoded events go: the game's logic handler unless a test puts another in its place (none
    // puts the game's own back).
    std::shared_ptr<TienLenLogicHandler> tienlenMBLogicHandler() const { return logic_.get(); }
    void setTienlenMBLogicHandler(std::shared_ptr<TienLenLogicHandler> handler);

private:
    friend SingleGameMessageHandler;
    TienLenMBMessageHandler();

    LogicHandlerSlot<TienLenLogicHandler> logic_;
};

}  // namespace zuno
