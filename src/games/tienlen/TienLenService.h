#pragma once

#include <cstdint>
#include <span>

#include "lobby/RequestService.h"

namespace zuno {

// The requests only the Tien Len tables send. The northern game's service writes the same requests.
class TienLenService : public RequestService {
public:
    static TienLenService& getInstance();

    // A played set: its ids, one byte each, in the order given (the hand's order), after their count.
    void moveWithRoomId(int8_t roomId, int8_t boardId, std::span<const int8_t> cards);
    // A pass of the player's turn.
    void skipWithRoomId(int8_t roomId, int8_t boardId);
    // The claim of an instant win for the hand just dealt.
    void forceFinishWithRoomId(int8_t roomId, int8_t boardId);
    // The number of seats at the table (2, 3 or 4).
    void setMaxPlayerWithRoomId(int8_t roomId, int8_t boardId, int8_t max);

protected:
    TienLenService() = default;
};

}  // namespace zuno
