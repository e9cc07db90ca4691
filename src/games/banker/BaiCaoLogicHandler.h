#pragma once

#include <array>
#include <memory>
#include <vector>

#include "games/banker/BankerTableLogicHandler.h"

namespace zuno {

// Receives the decoded events of the Bai Cao tables (game type 11) on the reader thread and hands them
// over to the table screen.
class BaiCaoLogicHandler : public BankerTableLogicHandler {
public:
    // One player's result: player id, then the three cards.
    using Record = std::array<int32_t, 4>;

    static std::shared_ptr<BaiCaoLogicHandler> getInstance();

    // The own three cards.
    virtual void onStartGameWithRoomId(int8_t roomId, int8_t boardId, std::vector<int8_t> cards, int8_t interval);
    virtual void onStopGameWithRoomId(int8_t roomId, int8_t boardId, int32_t countPlayer, std::vector<Record> withCards);
    virtual void onPlayingWithRoomId(int8_t roomId, int8_t boardId, int8_t withInterval, int32_t withCountPlayer,
                                     std::vector<Record> withCards);
};

}  // namespace zuno
