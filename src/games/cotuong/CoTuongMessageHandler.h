#pragma once

#include <cstdint>
#include <memory>

#include "lobby/IGameMessageHandler.h"

namespace zuno {

// The decoder of the table messages of Co Tuong (game type 5).
class CoTuongMessageHandler : public IGameMessageHandler {
public:
    static constexpr int8_t kGameType = 5;

    static std::shared_ptr<CoTuongMessageHandler> getInstance();

    void onPostSetupGameType() override;
    void onMessage(Message& message) override;
    bool isGameType(int8_t gameType) const override { return gameType == kGameType; }

private:
    CoTuongMessageHandler() = default;
};

}  // namespace zuno
