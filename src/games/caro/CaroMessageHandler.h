#pragma once

#include <cstdint>
#include <memory>

#include "lobby/IGameMessageHandler.h"

namespace zuno {

// The decoder of the table messages of Caro (game type 1).
class CaroMessageHandler : public IGameMessageHandler {
public:
    static constexpr int8_t kGameType = 1;

    static std::shared_ptr<CaroMessageHandler> getInstance();

    void onPostSetupGameType() override;
    void onMessage(Message& message) override;
    bool isGameType(int8_t gameType) const override { return gameType == kGameType; }

private:
    CaroMessageHandler() = default;
};

}  // namespace zuno
