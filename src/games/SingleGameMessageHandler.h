#pragma once

#include <cstdint>
#include <memory>

#include "lobby/IGameMessageHandler.h"

namespace zuno {

// What every game's table-message decoder repeats: one decoder for the whole run, made on first use,
// serving one game type. A decoder names itself as `Decoder` and befriends this class, which makes it.
template <typename Decoder, int8_t GameType>
class SingleGameMessageHandler : public IGameMessageHandler {
public:
    static constexpr int8_t kGameType = GameType;

    static std::shared_ptr<Decoder> getInstance() {
        // Lives for the whole run.
        static auto* instance = new std::shared_ptr<Decoder>(new Decoder());
        return *instance;
    }

    bool isGameType(int8_t gameType) const override { return gameType == kGameType; }
};

}  // namespace zuno
