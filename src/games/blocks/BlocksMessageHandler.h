#pragma once

#include <cstdint>
#include <memory>

#include "lobby/IGameMessageHandler.h"

namespace zuno {

// The decoder of the table messages of Blocks (game type 8); it never receives command 101, which the lobby always claims.
class BlocksMessageHandler : public IGameMessageHandler {
public:
    static constexpr int8_t kGameType = 8;

    static std::shared_ptr<BlocksMessageHandler> getInstance();

    void onPostSetupGameType() override;
    void onMessage(Message& message) override;
    bool isGameType(int8_t gameType) const override { return gameType == kGameType; }

private:
    BlocksMessageHandler() = default;
};

}  // namespace zuno
