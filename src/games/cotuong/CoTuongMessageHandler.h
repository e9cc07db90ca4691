#pragma once

#include <cstdint>
#include <memory>

#include "games/board/BoardTableMessageHandler.h"
#include "games/cotuong/CoTuongLogicHandler.h"

namespace zuno {

// The decoder of the table messages of Co Tuong (game type 5).
class CoTuongMessageHandler : public BoardTableMessageHandler<CoTuongMessageHandler, CoTuongLogicHandler, 5> {
public:
    void onPostSetupGameType() override;

protected:
    void decode(Message& message, CoTuongLogicHandler& logic) override;

private:
    friend SingleGameMessageHandler;
    CoTuongMessageHandler();
};

}  // namespace zuno
