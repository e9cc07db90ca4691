#pragma once

#include <cstdint>
#include <memory>

#include "lobby/IGameMessageHandler.h"

namespace zuno {

// The decoder of the table messages of Tien Len Mien Bac (game type 12); it shares the Tien Len title.
class TienLenMBMessageHandler : public IGameMessageHandler {
public:
    static constexpr int8_t kGameType = 12;

    static std::shared_ptr<TienLenMBMessageHandler> getInstance();

    void onPostSetupGameType() override;
    void onMessage(Message& message) override;
    bool isGameType(int8_t gameType) const override { return gameType == kGameType; }

private:
    TienLenMBMessageHandler() = default;
};

}  // namespace zuno
