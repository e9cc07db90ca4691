#pragma once

#include <cstdint>
#include <memory>

#include "lobby/IGameMessageHandler.h"

namespace zuno {

// The decoder of the table messages of Xi Zach (game type 2).
class XiZachMessageHandler : public IGameMessageHandler {
public:
    static constexpr int8_t kGameType = 2;

    static std::shared_ptr<XiZachMessageHandler> getInstance();

    void onPostSetupGameType() override;
    void onMessage(Message& message) override;
    bool isGameType(int8_t gameType) const override { return gameType == kGameType; }

private:
    XiZachMessageHandler() = default;
};

}  // namespace zuno
