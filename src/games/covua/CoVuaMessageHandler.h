#pragma once

#include <cstdint>
#include <memory>

#include "lobby/IGameMessageHandler.h"

namespace zuno {

// The decoder of the table messages of Co Vua (game type 9).
class CoVuaMessageHandler : public IGameMessageHandler {
public:
    static constexpr int8_t kGameType = 9;

    static std::shared_ptr<CoVuaMessageHandler> getInstance();

    void onPostSetupGameType() override;
    void onMessage(Message& message) override;
    bool isGameType(int8_t gameType) const override { return gameType == kGameType; }

private:
    CoVuaMessageHandler() = default;
};

}  // namespace zuno
