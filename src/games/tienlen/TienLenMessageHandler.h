#pragma once

#include <cstdint>
#include <memory>

#include "games/SingleGameMessageHandler.h"
#include "games/tienlen/TienLenLogicHandler.h"
#include "table/LogicHandlerSlot.h"

namespace zuno {

// The decoder of the table messages of Tien Len (game type 3).
class TienLenMessageHandler : public SingleGameMessageHandler<TienLenMessageHandler, 3> {
public:
    void onPostSetupGameType() override;
    void onMessage(Message& message) override;

    // Where decoded events go: the game's logic handler unless a test puts another in its place (none
    // puts the game's own back).
    std::shared_ptr<TienLenLogicHandler> tienlenLogicHandler() const { return logic_.get(); }
    void setTienlenLogicHandler(std::shared_ptr<TienLenLogicHandler> handler);

private:
    friend SingleGameMessageHandler;
    TienLenMessageHandler();

    LogicHandlerSlot<TienLenLogicHandler> logic_;
};

}  // namespace zuno
