#pragma once

#include <cstdint>
#include <memory>

#include "lobby/IGameMessageHandler.h"

namespace zuno {

// The decoder of the table messages of Tien Len (game type 3).
class TienLenMessageHandler : public IGameMessageHandler {
public:
    static constexpr int8_t kGameType = 3;

    static std::shared_ptr<TienLenMessageHandler> getInstance();

    void onPostSetupGameType() override;
    void onMessage(Message& message) override;
    bool isGameType(int8_t gameType) const override { return gameType == kGameType; }

private:
    TienLenMessageHandler() = default;
};

}  // namespace zuno
