#pragma once

#include <cstdint>
#include <memory>

#include "games/board/BoardTableMessageHandler.h"
#include "games/caro/CaroLogicHandler.h"

namespace zuno {

// The decoder of the table messages of Caro (game type 1).
class CaroMessageHandler : public BoardTableMessageHandler<CaroLogicHandler> {
public:
    static constexpr int8_t kGameType = 1;

    static std::shared_ptr<CaroMessageHandler> getInstance();

    void onPostSetupGameType() override;
    bool isGameType(int8_t gameType) const override { return gameType == kGameType; }

protected:
    void decode(Message& message, CaroLogicHandler& logic) override;

private:
    CaroMessageHandler();
};

}  // namespace zuno
