#pragma once

#include <array>
#include <memory>
#include <optional>

#include "games/covua/CoVuaBoard.h"
#include "standin-server/StandinBoardGame.h"

namespace zuno::standin {

// The Co Vua tables of the stand-in (game 9) on the board-game base. The position is kept twice with
// the client's own board, once as White sees it and once as Black does, so that each mover's targets
// (castling with its memory included) come from the client's rules. A move is played on the mover's
// turn to one of the piece's targets; a king's two-square step castles (kind 8 king-side, 9
// queen-side); a pawn reaching the last rank asks its player for the piece (91) before the move is
// announced with the chosen type; 62 names a side whose king is attacked; taking a king ends the game
// (27 naming the loser). The robot plays the first target of a fixed scan, captures first, and
// promotes to a queen.
class StandinCoVua : public StandinBoardGame {
public:
    static constexpr int8_t kGameType = 9;
    static constexpr int8_t kRoom = 1;
    static constexpr int8_t kBoard = 15;
    static constexpr const char* kInvitation = "An invites you to a Co Vua table.";

    static std::shared_ptr<StandinCoVua> addTo(StandinRobotTables& tables);

    // The square code of a square in chess notation ("e2").
    static int8_t square(const char* name) { return static_cast<int8_t>(10 * (name[0] - 'a') + name[1] - '1'); }
    // Tests: the piece code on a square (colour * 10 + type), 0 when empty.
    int8_t pieceOn(int8_t square) const;
    // Tests: the next game starts from this position, square code to piece code, instead of the
    // usual one (the castling memory stays clear).
    void setNextPosition(std::vector<std::pair<int8_t, int8_t>> pieces);

    int8_t gameType() const override { return kGameType; }
    int8_t room() const override { return kRoom; }
    int8_t board() const override { return kBoard; }
    const char* invitationText() const override { return kInvitation; }

protected:
    void newGame(StandinRobotTables& table, int firstPlace) override;
    Message startMessage(const StandinRobotTables& table, int firstPlace) const override;
    void playerMoves(StandinRobotTables& table, int place, int8_t commandId, Message& request) override;
    void robotMoves(StandinRobotTables& table, int place) override;
    std::vector<int8_t> moreCommands() const override;

private:
    struct Move {
        int8_t from = 0, to = 0;
    };
    StandinCoVua() = default;
    int colourOf(int place) const { return place == firstPlace() ? 0 : 1; }
    // Whether the move is one of the piece's targets for its mover.
    bool allowed(int place, Move move);
    bool promotes(int place, Move move) const;
    void setOnBoth(int8_t square, int8_t piece);
    void shift(int8_t from, int8_t to);
    void askPromotion(StandinRobotTables& table, int place);
    void play(StandinRobotTables& table, int place, Move move, int8_t promotion);
    bool kingAttacked(int colour) const;

    std::array<CoVuaBoard, 2> boards_;  // White's view, Black's view
    std::optional<Move> promoting_;     // the player's move waiting for the chosen piece
    std::optional<std::vector<std::pair<int8_t, int8_t>>> nextPosition_;
};

}  // namespace zuno::standin
