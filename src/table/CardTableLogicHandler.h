#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "table/TienLenPlayer.h"

namespace zuno {

// The events every card table (Phom, new Phom, Poker, Bai Cao, Xi Zach) receives alike, as its decoder
// hands them on from the reader thread. Each game's logic handler adds its own events; the hand-over
// to the table screen comes with the screens, so for now every operation does nothing.
class CardTableLogicHandler {
public:
    virtual ~CardTableLogicHandler() = default;

    // The join reply: the seats in order, an empty seat being a player with IDDB -1 and no name.
    virtual void onJoinGameSuccessWithRoomId(int8_t roomId, int8_t boardId, int32_t ownerId, int32_t money,
                                             std::vector<TienLenPlayerPtr> players) {}
    virtual void onChatFromBoardWithRoomId(int8_t roomId, int8_t boardId, std::string text, int32_t from) {}
    virtual void onKickedWithRoomId(int8_t roomId, int8_t boardId, int32_t kickedId) {}
    // `seat` lies in the table's seat range; the player is not ready and has no finish position.
    virtual void onSomeOneJoinBoardWithSeat(int8_t seat, TienLenPlayerPtr joinPersionInfo) {}
    virtual void onSomeOneLeaveBoardWithIdLeave(int32_t idLeave, int32_t idNewOwner) {}
    // "sender: text".
    virtual void onBuzzWithContent(std::string content) {}
};

}  // namespace zuno
