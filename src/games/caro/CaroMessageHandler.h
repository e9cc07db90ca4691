#pragma once

#include <cstdint>
#include <memory>

#include "games/board/BoardTableMessageHandler.h"
#include "games/caro/CaroLogicHandler.h"

namespace zuno {

// The decoder of the table messages of Caro (game type 1).
class CaroMessageHandler : public BoardTableMessageHandler<CaroMessageHandler, CaroLogicHandler, 1> {
public:
    void onPostSetupGameType() override;

protected:
    void decode(Message& message, CaroLogicHandler& logic) override;

private:
    friend SingleGameMessageHandler;
    CaroMessageHandler();
};

}  // namespace zuno
