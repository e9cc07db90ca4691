#pragma once

#include <cstdint>
#include <memory>

#include "lobby/IGameMessageHandler.h"

namespace zuno {

// The decoder of the table messages of Phom (game type 7).
class PhomMessageHandler : public IGameMessageHandler {
public:
    static constexpr int8_t kGameType = 7;

    static std::shared_ptr<PhomMessageHandler> getInstance();

    void onPostSetupGameType() override;
    void onMessage(Message& message) override;
    bool isGameType(int8_t gameType) const override { return gameType == kGameType; }

private:
    PhomMessageHandler() = default;
};

}  // namespace zuno
