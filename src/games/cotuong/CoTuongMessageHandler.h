#pragma once

#include <cstdint>
#include <memory>

#include "games/board/BoardTableMessageHandler.h"
#include "games/cotuong/CoTuongLogicHandler.h"

namespace zuno {

// The decoder of the table messages of Co Tuong (game type 5).
class CoTuongMessageHandler : public BoardTableMessageHandler<CoTuongLogicHandler> {
public:
    static constexpr int8_t kGameType = 5;

    static std::shared_ptr<CoTuongMessageHandler> getInstance();

    void onPostSetupGameType() override;
    bool isGameType(int8_t gameType) const override { return gameType == kGameType; }

protected:
    void decode(Message& message, CoTuongLogicHandler& logic) override;

private:
    CoTuongMessageHandler();
};

}  // namespace zuno
