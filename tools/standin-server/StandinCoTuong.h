#pragma once

#include <memory>
#include <string>

#include "games/cotuong/CCBoardModel.h"
#include "standin-server/StandinBoardGame.h"

namespace zuno::standin {

// The Co Tuong tables of the stand-in (game 5) on the board-game base: the position is kept with the
// client's own board model, seen by the first mover. A move is played when it is the mover's turn and
// the piece on the square left is the mover's and its rule allows the square reached; taking the
// other general wins (22). The robot plays the first allowed move of a fixed scan, captures first.
class StandinCoTuong : public StandinBoardGame {
public:
    static constexpr int8_t kGameType = 5;
    static constexpr int8_t kRoom = 1;
    static constexpr int8_t kBoard = 14;
    static constexpr const char* kInvitation = "An invites you to a Co Tuong table.";

    static std::shared_ptr<StandinCoTuong> addTo(StandinRobotTables& tables);

    // The wire square of (file from the left, rank from the top) as the first mover sees the board.
    static int8_t square(int file, int rank) { return static_cast<int8_t>((rank + 3) * 16 + file + 3); }
    // Tests: the image name of the piece on a wire square ("b_ma"), "" when there is none.
    std::string pieceOn(int8_t square) const;

    int8_t gameType() const override { return kGameType; }
    int8_t room() const override { return kRoom; }
    int8_t board() const override { return kBoard; }
    const char* invitationText() const override { return kInvitation; }

protected:
    void newGame(StandinRobotTables& table, int firstPlace) override;
    Message startMessage(const StandinRobotTables& table, int firstPlace) const override;
    void playerMoves(StandinRobotTables& table, int place, int8_t commandId, Message& request) override;
    void robotMoves(StandinRobotTables& table, int place) override;

private:
    StandinCoTuong() = default;
    Team* teamOf(int place) const;
    Piece* pieceOnSquare(int8_t square) const;
    // Why the rules refuse the place's move now (none when they allow it), the player's and the robot's
    // alike.
    const char* refusalOf(int place, int8_t from, int8_t to) const;
    void play(StandinRobotTables& table, int place, int8_t from, int8_t to);

    CCBoardModel board_;
};

}  // namespace zuno::standin
