#pragma once

#include <array>
#include <memory>
#include <vector>

#include "games/banker/BankerTableLogicHandler.h"

namespace zuno {

// Receives the decoded events of the Xi Zach tables (game type 2) on the reader thread and hands them
// over to the table screen.
class XiZachLogicHandler : public BankerTableLogicHandler {
public:
    // One player's result: player id, number of cards n (at most five), five cards, -1 past n.
    using Record = std::array<int32_t, 7>;

    static std::shared_ptr<XiZachLogicHandler> getInstance();

    // whoMove acts first; the own two cards.
    virtual void onStartGameWithRoomId(int8_t roomId, int8_t boardId, int32_t whoMove, std::vector<int8_t> cards,
                                       int8_t interval);
    // whoMove drew the card.
    virtual void onGetCardWithRoomId(int8_t roomId, int8_t boardId, int32_t whoMove, int8_t cards);
    // whoMove acts now, with that many seconds.
    virtual void onGetRemainTimeWithRoomId(int8_t roomId, int8_t boardId, int32_t whoMove, int8_t remainTime);
    virtual void onStopGameWithRoomId(int8_t roomId, int8_t boardId, int32_t countPlayer, std::vector<Record> withCards);
    virtual void onPlayingWithRoomId(int8_t roomId, int8_t boardId, int8_t withInterval, int32_t withCountPlayer,
                                     std::vector<Record> withCards);
};

}  // namespace zuno
