#pragma once

#include <memory>
#include <optional>

#include "games/caro/CaroBoardModel.h"
#include "standin-server/StandinBoardGame.h"

namespace zuno::standin {

// The Caro tables of the stand-in (game 1) on the board-game base: the stones are kept with the
// client's own grid (the first mover's stones are its X). A stone is played on the mover's turn onto
// an empty cell; five or more in a line win (22 with the far end of the line and its direction); a
// full grid is a draw. The player's start request, as the owner, carries the game's speed: faster moves
// have half the loop's turn seconds (one at the least), slower ones twice as many; a game a robot
// starts, or a speed the server does not know, is played at the normal speed, the turn seconds. The
// start announces the speed's per-move time and the player's moves run out by it. The robot completes
// a five when it can, else takes the first empty cell row by row.
class StandinCaro : public StandinBoardGame {
public:
    static constexpr int8_t kGameType = 1;
    static constexpr int8_t kRoom = 1;
    static constexpr int8_t kBoard = 16;
    static constexpr const char* kInvitation = "An invites you to a Caro table.";
    static constexpr int8_t kFaster = 0, kNormal = 1, kSlower = 2;

    static std::shared_ptr<StandinCaro> addTo(StandinRobotTables& tables);

    // Tests: the speed byte of the player's last start request, if any.
    std::optional<int8_t> lastSpeed() const { return lastSpeed_; }

    int8_t gameType() const override { return kGameType; }
    int8_t room() const override { return kRoom; }
    int8_t board() const override { return kBoard; }
    const char* invitationText() const override { return kInvitation; }
    void startRequested(StandinRobotTables& table, Message& request) override;
    int turnSeconds(const StandinRobotTables& table) const override;

protected:
    void newGame(StandinRobotTables& table, int firstPlace) override;
    Message startMessage(const StandinRobotTables& table, int firstPlace) const override;
    void playerMoves(StandinRobotTables& table, int place, int8_t commandId, Message& request) override;
    void robotMoves(StandinRobotTables& table, int place) override;

private:
    struct Line {
        int endX, endY, dx, dy;
    };
    StandinCaro() = default;
    int32_t valueOf(int place) const;
    bool free(int x, int y) const;
    // The line of five or more through (x, y) of the stones of that value, once a stone of it lies
    // there.
    std::optional<Line> fiveThrough(int x, int y, int32_t value) const;
    void play(StandinRobotTables& table, int place, int x, int y);
    void robotPlays(StandinRobotTables& table, int place, int x, int y);

    CaroBoardModel grid_;
    std::optional<int8_t> lastSpeed_;
    std::optional<int8_t> requestedSpeed_;  // the player's start's, for the game it starts
    int8_t speed_ = kNormal;                // the game's
};

}  // namespace zuno::standin
