#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "standin-server/StandinRobotTables.h"

namespace zuno::standin {

// A two-player board game of the stand-in on the robot-table loop (Co Tuong, Co Vua, Caro, Blocks): the
// player and one robot in places 0 and 1 (An owns a robot's table; at an empty table Binh sits down in
// place 1). It keeps what these games share: the first mover of each game (the owner first, then the
// loser of the last game), the move clock and each player's game time, the draw offers (the robot
// declines the player's and offers one when a test asks), resignation, the time-out (23) and the end of
// the game with the result rows (37), after which the robots get ready for the next one. A player who
// leaves during a game loses it.
//
// A game plugs in by giving its type, its table, its start message and its moves:
// - newGame() lays out the position; startMessage() is the start (20) that follows it;
// - playerMoves() judges the player's move request (21, or another of moreCommands(); in a turn-based
//   game only on the player's turn) and robotMoves() picks the robot's; after sending the
//   announcement they call moved() for an ordinary move, or ended() with the winner (-1 a draw);
// - turnBased() false leaves the turns to the game (Blocks): no move clock runs after the start, every
//   request reaches playerMoves(), and the game calls ended() when it judges the end.
// Every operation runs with the loop's lock held.
class StandinBoardGame : public StandinRobotGame {
public:
    static constexpr int kPlaces = 2;
    static constexpr int32_t kGameMillis = 600000;  // each player's game time
    static constexpr int32_t kWinExp = 10;
    static constexpr int32_t kLoseExp = -10;

    // Tests: the robot offers the player a draw now (during a game at this game's table).
    void offerDraw(StandinRobotTables& table);
    // Tests: the games started at this table.
    int gameCount() const { return games_; }
    // Tests: the player of this id moves first in the next game, whoever would otherwise.
    void setNextFirstMover(int32_t playerId) { nextFirstMover_ = playerId; }

    int places() const override { return kPlaces; }
    std::vector<int> robotPlaces() const override { return {1}; }
    std::vector<int8_t> commands() const override;
    void seatsChanged(StandinRobotTables& table, bool newTable) override;
    void deal(StandinRobotTables& table) override;
    void robotTurn(StandinRobotTables& table, int place) override;
    // The robot gives the game up, as the player may at any time of a game: its own move already comes
    // from the rules engine that judges it, so no other move would be surer.
    void robotFallback(StandinRobotTables& table, int place) override;
    void turnTimeOver(StandinRobotTables& table, int place) override;
    void playerLeaves(StandinRobotTables& table, int place) override;
    bool take(StandinRobotTables& table, int8_t commandId, Message& request) override;

protected:
    virtual void newGame(StandinRobotTables& table, int firstPlace) = 0;
    virtual Message startMessage(const StandinRobotTables& table, int firstPlace) const = 0;
    // The player's move request, read past room and table; a refused move is not answered.
    virtual void playerMoves(StandinRobotTables& table, int place, int8_t commandId, Message& request) = 0;
    virtual void robotMoves(StandinRobotTables& table, int place) = 0;
    virtual std::vector<int8_t> moreCommands() const { return {}; }
    virtual bool turnBased() const { return true; }

    // For the games.
    static int other(int place) { return 1 - place; }
    int firstPlace() const { return firstPlace_; }
    bool firstGame() const { return games_ == 1; }
    // The per-move time in milliseconds (the game's turn seconds).
    int32_t moveMillis(const StandinRobotTables& table) const { return turnSeconds(table) * 1000; }
    int32_t gameMillis(int place) const { return gameMillis_[static_cast<size_t>(place)]; }
    // The mover's game time after the move the mover is making now (the time since the turn began is
    // taken from it).
    int32_t spendTurn(const StandinRobotTables& table, int place);
    // After an ordinary move of `place`: the other player's turn.
    void moved(StandinRobotTables& table, int place);
    // The game ends: `winner` won (-1 a draw); the result rows follow and the robots get ready again.
    void ended(StandinRobotTables& table, int winner);

private:
    void resultRows(StandinRobotTables& table, int winner);
    // The place gives the game up (27 naming it); the other wins.
    void resigns(StandinRobotTables& table, int place);
    void turnOf(StandinRobotTables& table, int place);

    int games_ = 0;
    int firstPlace_ = 0;
    int lastLoser_ = -1;
    int32_t nextFirstMover_ = -1;
    bool robotOffered_ = false;
    std::array<int32_t, kPlaces> gameMillis_{};
    double turnBegan_ = 0;  // on the table's clock
};

}  // namespace zuno::standin
