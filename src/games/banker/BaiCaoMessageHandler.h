#pragma once

#include <cstdint>
#include <memory>

#include "lobby/IGameMessageHandler.h"

namespace zuno {

// The decoder of the table messages of Bai Cao (game type 11).
class BaiCaoMessageHandler : public IGameMessageHandler {
public:
    static constexpr int8_t kGameType = 11;

    static std::shared_ptr<BaiCaoMessageHandler> getInstance();

    void onPostSetupGameType() override;
    void onMessage(Message& message) override;
    bool isGameType(int8_t gameType) const override { return gameType == kGameType; }

private:
    BaiCaoMessageHandler() = default;
};

}  // namespace zuno
