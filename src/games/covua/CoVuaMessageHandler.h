#pragma once

#include <cstdint>
#include <memory>

#include "games/board/BoardTableMessageHandler.h"
#include "games/covua/CoVuaLogicHandler.h"

namespace zuno {

// The decoder of the table messages of Co Vua (game type 9).
class CoVuaMessageHandler : public BoardTableMessageHandler<CoVuaMessageHandler, CoVuaLogicHandler, 9> {
public:
    static constexpr int8_t SC_PLAYING = 62;
    static constexpr int8_t CHESS_COMMAND = 91;

    // What follows a move in its announcement: 0 nothing, 8 and 9 castling on the king's and on the
    // queen's side, any other value the piece type a pawn is promoted to.
    static constexpr int8_t kPlainMove = 0;
    static constexpr int8_t kCastlingKingSide = 8;
    static constexpr int8_t kCastlingQueenSide = 9;

    void onPostSetupGameType() override;

protected:
    void decode(Message& message, CoVuaLogicHandler& logic) override;

private:
    friend SingleGameMessageHandler;
    CoVuaMessageHandler();
};

}  // namespace zuno
