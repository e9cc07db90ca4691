#pragma once

// Logic handlers of the board tables that write each call they receive as one line of a transcript:
// the operation's name and its arguments, so a decoder's result is compared with one list of lines.

#include <cstdint>
#include <memory>
#include <mutex>
#include <sstream>
#include <string>
#include <vector>

#include "games/blocks/BlocksLogicHandler.h"
#include "games/caro/CaroLogicHandler.h"
#include "games/cotuong/CoTuongLogicHandler.h"
#include "games/covua/CoVuaLogicHandler.h"

namespace zuno::testing {

inline std::string show(int8_t v) { return std::to_string(v); }
inline std::string show(int32_t v) { return std::to_string(v); }
inline std::string show(bool v) { return v ? "yes" : "no"; }
inline std::string show(const std::string& v) { return "'" + v + "'"; }
// A seat: id, name (and the name shown, where it differs), money, avatar, experience, ready; an empty
// seat as [-1 ''].
inline std::string show(const std::shared_ptr<ChessPlayer>& p) {
    std::ostringstream os;
    os << '[' << p->IDDB() << " '" << p->name() << "'";
    if (!p->showName().empty() && p->showName() != p->name()) os << " shown '" << p->showName() << "'";
    if (p->IDDB() != -1 || p->money() != 0) {
        os << ' ' << p->money() << ' ' << p->avatar() << ' ' << p->exp() << ' ' << (p->isReady() ? "ready" : "-");
    }
    os << ']';
    return os.str();
}
inline std::string show(const ChessPlayers& players) {
    std::string out;
    for (const auto& p : players) out += (out.empty() ? "" : ",") + show(p);
    return "{" + out + "}";
}
// A result row: result, id, experience change, money change.
inline std::string show(const MatchResults& rows) {
    std::string out;
    for (const auto& r : rows) {
        out += (out.empty() ? "" : ",") + ("(" + std::to_string(r->result()) + " " + std::to_string(r->ID()) + " " +
                                           std::to_string(r->d_exp()) + " " + std::to_string(r->d_money()) + ")");
    }
    return "{" + out + "}";
}
inline std::string show(const std::vector<int8_t>& bytes) {
    std::string out;
    for (int8_t b : bytes) out += (out.empty() ? "" : " ") + std::to_string(b);
    return "<" + out + ">";
}

class Transcript {
public:
    std::vector<std::string> lines() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return lines_;
    }

protected:
    template <typename... Args>
    void record(const char* name, const Args&... args) {
        std::string line = name;
        ((line += " " + show(args)), ...);
        std::lock_guard<std::mutex> lock(mutex_);
        lines_.push_back(std::move(line));
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::string> lines_;
};

// The events every board table shares, except leaving and readiness, which Co Vua names otherwise.
template <typename Base>
class RecordingBoardTable : public Base, public Transcript {
public:
    void onJoinGameSuccessWithRoomId(int8_t roomId, int8_t boardId, int32_t ownerId, int32_t money,
                                     ChessPlayers players) override {
        record("join", roomId, boardId, ownerId, money, players);
    }
    void onChatFromBoardWithRoomId(int8_t roomId, int8_t boardId, std::string text, int32_t fromId) override {
        record("chat", roomId, boardId, text, fromId);
    }
    void onKickedWithRoomId(int8_t roomId, int8_t boardId, int32_t kickedId) override {
        record("kicked", roomId, boardId, kickedId);
    }
    void onSomeOneJoinBoardWithSeat(int8_t seat, std::shared_ptr<ChessPlayer> player) override {
        record("sits", seat, player);
    }
    void onOwnerSetMoneyWithRoomId(int8_t roomId, int8_t boardId, int32_t money) override {
        record("stake", roomId, boardId, money);
    }
    void onForceLoseWithRoomId(int8_t roomId, int8_t boardId, int32_t whoLose) override {
        record("timeLoss", roomId, boardId, whoLose);
    }
    void onOpponentWantDrawWithRoomId(int8_t roomId, int8_t boardId) override { record("drawOffer", roomId, boardId); }
    void onMatchResult(MatchResults results) override { record("result", results); }
    void onBuzzWithContent(std::string content) override { record("buzz", content); }
};

template <typename Base>
class RecordingDuelTable : public RecordingBoardTable<Base> {
public:
    void onGameDrawWithRoomId(int8_t roomId, int8_t boardId) override { this->record("draw", roomId, boardId); }
    void onDenyDrawWithRoomId(int8_t roomId, int8_t boardId) override { this->record("drawRefused", roomId, boardId); }
    void onWantLoseWithRoomId(int8_t roomId, int8_t boardId, int32_t whoLose) override {
        this->record("resigned", roomId, boardId, whoLose);
    }
};

class RecordingCoTuong : public RecordingDuelTable<CoTuongLogicHandler> {
public:
    void onSomeOneLeaveBoardWithLeave(int32_t leaveId, int32_t newOwnerId) override { record("leaves", leaveId, newOwnerId); }
    void onSomeOneReadyWithWhoId(int32_t playerId, bool isReady) override { record("ready", playerId, isReady); }
    void onStartGameWithRoomId(int8_t roomId, int8_t boardId, int32_t whoMoveFirst, int32_t interval,
                               int32_t ownerQuotaTime, int32_t clientQuotaTime) override {
        record("start", roomId, boardId, whoMoveFirst, interval, ownerQuotaTime, clientQuotaTime);
    }
    void onMoveCaroWithRoomId(int8_t roomId, int8_t boardId, int32_t whoMove, int8_t x, int8_t y, int32_t nextMove,
                              int32_t remainTime) override {
        record("move", roomId, boardId, whoMove, x, y, nextMove, remainTime);
    }
    void onMoveAndWinWithRoomId(int8_t roomId, int8_t boardId, int32_t whoWin, int8_t x, int8_t y) override {
        record("winningMove", roomId, boardId, whoWin, x, y);
    }
};

class RecordingCoVua : public RecordingDuelTable<CoVuaLogicHandler> {
public:
    void onSomeOneLeaveBoardWithIdLeave(int32_t leaveId, int32_t newOwnerId) override { record("leaves", leaveId, newOwnerId); }
    void onSomeOneReadyWithId(int32_t playerId, bool isReady) override { record("ready", playerId, isReady); }
    void onStartGame(int8_t roomId, int8_t boardId, int32_t whoFirst, int32_t interval, int32_t ownerQquotaTime,
                     int32_t quotaTime) override {
        record("start", roomId, boardId, whoFirst, interval, ownerQquotaTime, quotaTime);
    }
    void onMove(int32_t whoMove, int8_t x, int8_t y, int32_t next, int32_t quotaTime) override {
        record("move", whoMove, x, y, next, quotaTime);
    }
    void intoPalaceWithWhoMove(int32_t whoMove, int8_t type) override { record("castling", whoMove, type); }
    void setElevateIndex(int8_t index) override { record("promotion", index); }
    void setFindKing(int8_t side) override { record("check", side); }
    void fElevate(int32_t playerId) override { record("choosePromotion", playerId); }
};

class RecordingCaro : public RecordingDuelTable<CaroLogicHandler> {
public:
    void onSomeOneLeaveBoardWithLeave(int32_t leaveId, int32_t newOwnerId) override { record("leaves", leaveId, newOwnerId); }
    void onSomeOneReadyWithWhoId(int32_t playerId, bool isReady) override { record("ready", playerId, isReady); }
    void onStartGameWithRoomId(int8_t roomId, int8_t boardId, int32_t whoMoveFirst, int32_t interval,
                               bool firstGame) override {
        record("start", roomId, boardId, whoMoveFirst, interval, firstGame);
    }
    void onMoveCaroWithRoomId(int8_t roomId, int8_t boardId, int32_t whoMove, int8_t x, int8_t y,
                              int32_t nextMove) override {
        record("move", roomId, boardId, whoMove, x, y, nextMove);
    }
    void onMoveAndWinWithRoomId(int8_t roomId, int8_t boardId, int32_t whoWin, int8_t x, int8_t y, int8_t winX,
                                int8_t winY, int8_t winDx, int8_t winDy) override {
        record("winningMove", roomId, boardId, whoWin, x, y, winX, winY, winDx, winDy);
    }
};

class RecordingBlocks : public RecordingBoardTable<BlocksLogicHandler> {
public:
    void onSomeOneLeaveBoardWithLeave(int32_t leaveId, int32_t newOwnerId) override { record("leaves", leaveId, newOwnerId); }
    void onSomeOneReadyWithWhoId(int32_t playerId, bool isReady) override { record("ready", playerId, isReady); }
    void onStartGameWithRoomId(int8_t roomId, int8_t boardId, std::vector<int8_t> bricks) override {
        record("start", roomId, boardId, bricks);
    }
    void setRowsOfOpponentWithnDel(int8_t nDel) override { record("opponentCleared", nDel); }
    void readRowAddWithUserId(int32_t userId, int8_t row, std::vector<int8_t> ros) override {
        record("garbage", userId, row, ros);
    }
    void getHeightFromServerWithHeight(int8_t height) override { record("opponentHeight", height); }
    void ReadLevelFromServerWithSpeed(int8_t speed) override { record("level", speed); }
};

}  // namespace zuno::testing
