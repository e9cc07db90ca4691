#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "games/covua/CoVuaBoard.h"
#include "games/covua/CoVuaCodes.h"

namespace zuno {

// A move to send: the from and to square codes.
struct CoVuaWireMove {
    int8_t from = 0;
    int8_t to = 0;
    bool operator==(const CoVuaWireMove&) const = default;
};

// What one tap on the board asks the table screen to do.
struct CoVuaTap {
    // The tap waits for the server, comes out of turn or misses the board: nothing is shown.
    bool ignored = false;
    // Otherwise the screen first stops every blink and removes every square mark, then:
    // the piece on this square starts blinking (with the click sound) ...
    std::optional<CoVuaSquare> selected;
    // ... these squares are marked ...
    std::vector<CoVuaSquare> targets;
    // ... and this move goes to the server.
    std::optional<CoVuaWireMove> move;
};

// What an announced move changes on the screen.
struct CoVuaAnnouncedMove {
    // The turn clock moves to seat 0 when the local player moves next, else to seat 2; the per-move
    // clock restarts either way.
    bool nextIsLocal = false;
    // The position changed; the fields below describe how.
    bool applied = false;
    CoVuaSquare from;
    CoVuaSquare to;
    // A piece stood on the target: the capture sound, and its sprite goes.
    bool captured = false;
    // A pawn taken in passing: its sprite goes too.
    std::optional<CoVuaSquare> takenInPassing;
    // The piece that arrives is replaced by this promoted piece.
    std::optional<int8_t> promotedTo;
};

// A castling rook's step, for the screen to move its sprite.
struct CoVuaRookMove {
    CoVuaSquare from;
    CoVuaSquare to;
    bool operator==(const CoVuaRookMove&) const = default;
};

// The chess side of a Co Vua table: the position, whose turn it is, the local player's selection and
// taps, the lock while a sent move waits for the server, the moves the server announces (with the
// castling rook and promotions) and the check notice. Views observe it through the results of its
// operations; the server decides legality, turns, check, promotion, clocks and the result.
class CoVuaGame {
public:
    // A game starts: the first mover plays White. Lays out the start position for the local side.
    void startWithMoveFirst(int32_t moveFirst, int32_t localUserId);
    // Lays out the start position again, unlocks and forgets the selection and the check notice.
    void newGame();

    const CoVuaBoard& board() const { return board_; }
    CoVuaBoard& board() { return board_; }
    int32_t localUserId() const { return localUserId_; }
    int32_t moveFirst() const { return board_.moveFirst(); }
    int32_t moveSecond() const { return board_.moveSecond(); }
    bool getColoCurentPlay() const { return board_.isWhite(); }

    // The player to move; -1 while nobody may move (a move is on its way, or the game stopped).
    int32_t turn() const { return turn_; }
    void setTurn(int32_t turn) { turn_ = turn; }
    // Set while a sent move waits for the server; taps are ignored meanwhile.
    bool gameFlipped() const { return gameFlipped_; }

    bool isSelected() const { return isSelected_; }
    int32_t xSelect() const { return xSelect_; }
    int32_t ySelect() const { return ySelect_; }
    int32_t nXPointer() const { return nXPointer_; }
    int32_t nYPointer() const { return nYPointer_; }
    // The square of the selected piece's sprite, if any (it blinks until a tap stops every blink).
    std::optional<CoVuaSquare> selectedPiece() const { return selectedPiece_; }
    // The from and to codes of the last move sent.
    const std::array<int8_t, 2>& data() const { return data_; }

    // A tap on (row, col) of the board.
    CoVuaTap doFire(int row, int col);

    // A move announced by the server (the local player's own moves come back too). The mover's game
    // time left is already in his seat record; the screen redraws it from there.
    CoVuaAnnouncedMove moveWithWho(int32_t whoMove, int8_t x, int8_t y, int32_t nextMove, int32_t quotaTime);
    // The rook's step of a castling, announced before the king's move: type 1 king-side, 2
    // queen-side; nothing for any other type.
    std::optional<CoVuaRookMove> intoPalaceWithWhoMove(int32_t whoMove, int type);

    // The server says the next move of that player promotes; true when the local player must choose
    // the piece (the chooser opens).
    bool fElevate(int32_t who);
    // The piece type the next promotion gives (from the server's move announcement).
    void setElevateIndex(int8_t type);
    // The local player's choice (5 queen, 4 rook, 3 bishop, 2 knight), to be sent to the server.
    void sendElevateIndex(int8_t type) { indexElevate_ = type; }
    bool bElevated() const { return bElevated_; }
    int8_t indexElevate() const { return indexElevate_; }

    // The server names the side whose king is in check (0 White, 1 Black); true when the check
    // sound plays.
    bool setFindKing(int8_t side);
    void findKing(int8_t side);
    void findKingWhite();
    void findKingBlack();
    void unSetFindKing();
    bool bKingWhite() const { return bKingWhite_; }
    bool bKingBlack() const { return bKingBlack_; }

private:
    bool isLocal(int32_t who) const { return who == localUserId_; }
    void rememberCastlingMoves(CoVuaSquare from);
    // The blinking sprite goes where its piece goes, and is gone when its piece is taken or replaced.
    void followSelection(CoVuaSquare from, CoVuaSquare to);
    void forgetSelectionOn(CoVuaSquare square);

    CoVuaBoard board_;
    int32_t localUserId_ = 0;
    int32_t turn_ = -1;
    bool gameFlipped_ = false;

    bool isSelected_ = false;
    int32_t xSelect_ = 0;
    int32_t ySelect_ = 0;
    int32_t nXPointer_ = 0;
    int32_t nYPointer_ = 0;
    std::optional<CoVuaSquare> selectedPiece_;
    std::array<int8_t, 2> data_{};

    bool bElevated_ = false;
    int8_t indexElevate_ = -1;
    bool bKingWhite_ = false;
    bool bKingBlack_ = false;
};

}  // namespace zuno
