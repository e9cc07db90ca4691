#pragma once

// Deals played out at a stand-in table that talks to nobody: the player (an account) in the style the
// test picks and robots in the other places, the table's steps (robots' turns, pauses, the player's turn
// running out) run one after the other on the table's own clock. Every robot's move (and the robots' play
// in the player's place) is judged by the game's rules as the player's request is: the first they refuse
// ends the play-out there, naming the game, the robot, the move and why. Every deal is checked as it
// ends: each player dealt in gets his finish in what the table sends, the money the deal moves sums to
// zero and is what the finishes announce (at Poker, what the result's stacks moved by), and a player who
// leaves is settled as a leaver (at a banker table, a punter pays his stake and a banker every punter's).
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "net/Message.h"
#include "standin-server/StandinInvitation.h"
#include "standin-server/StandinRobotTables.h"
#include "standin-server/StandinServer.h"
#include "standin-server/StandinSignIn.h"

namespace zuno::standin::playout {

enum class Style {
    Plays,    // as the robots play
    Passes,   // passes, declines or gives up at every chance; where he must play, his turn runs out
    RunsOut,  // lets every turn run out
    Leaves,   // passes, and leaves in the middle of a deal (at a step the seed picks)
};

// What the messages of a deal tell: who got his finish, the money announced to whom, Poker's stacks in
// the result, and the banker games' stakes as last told at the table (kept from deal to deal).
struct Told {
    std::set<int32_t> finished;
    std::map<int32_t, int64_t> money;
    std::map<int32_t, int64_t> stacks;
    std::map<int32_t, int64_t> stakes;
};

// A game of the stand-in as these tests play it.
struct Game {
    const char* name;
    int8_t gameType;
    std::function<std::shared_ptr<StandinRobotGame>(StandinRobotTables&)> add;
    std::vector<int> playerCounts;
    std::vector<StandinTableKind> kinds;
    // The player's part in the style, once a turn of his (whenever he may, in a game without turns),
    // with the lock held; false when he leaves it to the clock.
    std::function<bool(StandinRobotTables&, StandinRobotGame&, Style)> act;
    // Adds what a message the table sent tells (read from the start of its payload).
    std::function<void(const StandinRobotTables&, Message&, Told&)> read;
    bool announcesMoney = true;   // the finishes say what each player wins or pays
    bool leaverRanksLast = true;  // a leaver still in the deal pays at least as much as anyone
    bool turnless = false;        // each player plays on his own (Blocks)
    bool playsToAnEnd = true;     // a game played as the robots play ends (at Co Tuong they go round)
    bool openerMoves = false;     // the next deal may open elsewhere
    // A banker game: a leaving punter pays his stake (the table's where none was told), a leaving banker
    // every punter's (the bankers here always hold enough).
    bool leaverPaysStakes = false;
    // Poker: a player's stack between hands (called without the lock).
    std::function<int64_t(const StandinRobotGame&, int32_t)> stackOf = {};
};

// Every game the stand-in plays.
const std::vector<Game>& games();
const Game& game(const std::string& name);
void PrintTo(const Game& game, std::ostream* out);

struct Played {
    std::string fault;  // the first fault found, with the deal's number; empty when none
    int deals = 0;      // deals ended (left ones too)
    int leaves = 0;     // deals the player left
    std::set<int> openers;
};

class Table {
public:
    static constexpr int32_t kMe = 4711;
    // At a deal's start, with the lock held: a fault of the deal as dealt, or nothing.
    using AtStart = std::function<std::string(const StandinRobotTables&, const StandinRobotGame&)>;

    // The player at a table of the kind, with robots in the free places (from the first) up to `players`.
    Table(const Game& game, StandinTableKind kind, int players, uint32_t seed);
    ~Table();
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    // Plays up to `deals` deals in the style (fewer when the table can deal no more); a player who
    // leaves sits down again at a new table for the next.
    Played play(int deals, Style style, const AtStart& atStart = {});

private:
    struct Deal;
    std::string seat();
    bool startDeal();
    std::string playDeal(Style style, int& leaveAt, const AtStart& atStart, Played& played);
    std::string leave(Deal& deal);
    std::string checked(const Deal& deal, int leaver) const;
    std::optional<int64_t> moneyOf(int32_t id) const;

    const Game& game_;
    const StandinTableKind kind_;
    const int players_;
    const uint32_t seed_;
    StandinServer server_;  // never started
    std::shared_ptr<StandinSignIn> signIn_;
    std::shared_ptr<StandinRobotTables> tables_;
    std::shared_ptr<StandinRobotGame> robotGame_;
    Told told_;
    std::map<int32_t, int64_t> paid_;
    std::string refusedMove_;  // the first robot's move the game's rules refused
    int sent_ = 0, sentToMe_ = 0;
};

}  // namespace zuno::standin::playout
