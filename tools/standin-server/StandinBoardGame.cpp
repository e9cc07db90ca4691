#include "standin-server/StandinBoardGame.h"

namespace zuno::standin {

namespace {
constexpr int8_t CS_MOVE = 21;
constexpr int8_t CS_WANT_DRAW = 24;
constexpr int8_t CS_WANT_LOSE = 27;
constexpr int8_t SC_FORCE_LOSE = 23;
constexpr int8_t SC_OPPONENT_WANT_DRAW = 24;
constexpr int8_t SC_DRAW = 25;
constexpr int8_t SC_DENY_DRAW = 26;
constexpr int8_t SC_WANT_LOSE = 27;
constexpr int8_t SC_GAME_RESULT = 37;
constexpr int8_t kWon = 1, kDrawn = 0, kLost = -1;
}  // namespace

std::vector<int8_t> StandinBoardGame::commands() const {
    std::vector<int8_t> all{CS_MOVE, CS_WANT_DRAW, CS_WANT_LOSE};
    for (int8_t c : moreCommands()) all.push_back(c);
    return all;
}

void StandinBoardGame::seatsChanged(StandinRobotTables&, bool newTable) {
    if (!newTable) return;
    games_ = 0;
    lastLoser_ = -1;
    robotOffered_ = false;
}

// The owner moves first in the first game of a table, the loser of the last game afterwards.
void StandinBoardGame::deal(StandinRobotTables& table) {
    ++games_;
    firstPlace_ = lastLoser_ >= 0 ? lastLoser_ : table.ownerPlace();
    if (table.placeOf(nextFirstMover_) >= 0) firstPlace_ = table.placeOf(nextFirstMover_);
    nextFirstMover_ = -1;
    robotOffered_ = false;
    gameMillis_.fill(kGameMillis);
    newGame(table, firstPlace_);
    table.send(startMessage(table, firstPlace_));
    if (turnBased()) turnOf(table, firstPlace_);
}

void StandinBoardGame::turnOf(StandinRobotTables& table, int place) {
    turnBegan_ = table.now();
    table.startTurn(place);
}

int32_t StandinBoardGame::spendTurn(const StandinRobotTables& table, int place) {
    const auto spent = static_cast<int64_t>((table.now() - turnBegan_) * 1000);
    int32_t& left = gameMillis_[static_cast<size_t>(place)];
    left = static_cast<int32_t>(std::max<int64_t>(0, left - spent));
    return left;
}

void StandinBoardGame::moved(StandinRobotTables& table, int place) { turnOf(table, other(place)); }

void StandinBoardGame::robotTurn(StandinRobotTables& table, int place) { robotMoves(table, place); }

void StandinBoardGame::robotFallback(StandinRobotTables& table, int place) { resigns(table, place); }

void StandinBoardGame::resigns(StandinRobotTables& table, int place) {
    Message m = table.tableMessage(SC_WANT_LOSE);
    m.writeInt(table.place(place).id);
    table.send(m);
    ended(table, other(place));
}

void StandinBoardGame::turnTimeOver(StandinRobotTables& table, int place) {
    Message m = table.tableMessage(SC_FORCE_LOSE);
    m.writeInt(table.place(place).id);
    table.send(m);
    ended(table, other(place));
}

void StandinBoardGame::playerLeaves(StandinRobotTables& table, int place) { ended(table, other(place)); }

void StandinBoardGame::offerDraw(StandinRobotTables& table) {
    if (table.game() != this || !table.playing()) return;
    robotOffered_ = true;
    table.send(table.tableMessage(SC_OPPONENT_WANT_DRAW));
}

bool StandinBoardGame::take(StandinRobotTables& table, int8_t commandId, Message& request) {
    if (!table.playing()) return true;
    const int me = table.playerPlace();
    if (commandId == CS_WANT_DRAW) {
        const bool yes = request.readBool();
        if (robotOffered_) {
            // The answer to the robot's offer; a refusal lets the game go on.
            robotOffered_ = false;
            if (!yes) return true;
            table.send(table.tableMessage(SC_DRAW));
            ended(table, -1);
        } else if (yes) {
            table.send(table.tableMessage(SC_DENY_DRAW));  // robots never agree
        }
        return true;
    }
    if (commandId == CS_WANT_LOSE) {
        resigns(table, me);
        return true;
    }
    // A move out of turn is not answered.
    if (!turnBased() || table.turn() == me) playerMoves(table, me, commandId, request);
    return true;
}

void StandinBoardGame::ended(StandinRobotTables& table, int winner) {
    lastLoser_ = winner < 0 ? -1 : other(winner);
    robotOffered_ = false;
    resultRows(table, winner);
    table.dealOver();
}

// One row per player: result, id, experience change, money change (the stake won or lost).
void StandinBoardGame::resultRows(StandinRobotTables& table, int winner) {
    Message rows(SC_GAME_RESULT);
    for (int i = 0; i < kPlaces; ++i) {
        StandinRobotTables::Place& p = table.place(i);
        if (p.empty()) continue;
        const int8_t result = winner < 0 ? kDrawn : (i == winner ? kWon : kLost);
        const int32_t exp = result == kWon ? kWinExp : (result == kLost ? kLoseExp : 0);
        const int32_t money = result * table.stake();
        table.pay(p.id, money);
        p.exp = std::max(0, p.exp + exp);
        rows.writeByte(result);
        rows.writeInt(p.id);
        rows.writeInt(exp);
        rows.writeInt(money);
    }
    table.send(rows);
}

}  // namespace zuno::standin
