#pragma once

#include <cstdint>
#include <memory>

#include "lobby/IGameMessageHandler.h"

namespace zuno {

// The decoder of the table messages of Poker (game type 4).
class PokerMessageHandler : public IGameMessageHandler {
public:
    static constexpr int8_t kGameType = 4;

    static std::shared_ptr<PokerMessageHandler> getInstance();

    void onPostSetupGameType() override;
    void onMessage(Message& message) override;
    bool isGameType(int8_t gameType) const override { return gameType == kGameType; }

private:
    PokerMessageHandler() = default;
};

}  // namespace zuno
