#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "games/board/BoardTableLogicHandler.h"
#include "games/board/BoardTableScreen.h"
#include "table/TableHandOver.h"

namespace zuno {

// The table events every two-seat board table handles alike, handed from the reader thread to the
// game's screen. Everything, also a game result's money and experience, happens on the main thread.
struct BoardHandOverRules {
    // The screen's ready flags are cleared after the result rows; else only the seats are drawn again
    // with the money the rows moved.
    bool resetReadyAfterResult = true;
    bool closeBeforeOwnResult = false;  // each of my result rows first closes the game (Blocks)
};

class BoardTableHandOver {
public:
    using Rules = BoardHandOverRules;
    explicit BoardTableHandOver(Rules rules = {}) : rules_(rules) {}

    TableHandOver<BoardTableScreen, std::shared_ptr<ChessPlayer>>& handOver() { return handOver_; }
    const TableHandOver<BoardTableScreen, std::shared_ptr<ChessPlayer>>& handOver() const { return handOver_; }

    void joined(int8_t roomId, int8_t boardId, int32_t ownerId, int32_t money, ChessPlayers players) const;
    void chat(int8_t roomId, int8_t boardId, std::string text, int32_t fromId) const;
    void kicked(int8_t roomId, int8_t boardId, int32_t kickedId) const;
    void someoneJoined(int8_t seat, std::shared_ptr<ChessPlayer> player) const;
    void someoneLeft(int32_t leaveId, int32_t newOwnerId) const;
    void someoneReady(int32_t playerId, bool isReady) const;
    void stakeSet(int8_t roomId, int8_t boardId, int32_t money) const;
    void forceLose(int8_t roomId, int8_t boardId, int32_t whoLose) const;
    void opponentWantsDraw(int8_t roomId, int8_t boardId) const;
    void matchResult(MatchResults results) const;
    void buzz(std::string content) const;
    void gameDrawn(int8_t roomId, int8_t boardId) const;
    void drawDenied(int8_t roomId, int8_t boardId) const;
    void resigned(int8_t roomId, int8_t boardId, int32_t whoLose) const;

private:
    Rules rules_;
    TableHandOver<BoardTableScreen, std::shared_ptr<ChessPlayer>> handOver_;
};

// A board game's logic handler on the shared hand-over: `Base` is BoardTableLogicHandler (Blocks) or a
// game's own interface derived from BoardDuelLogicHandler; the game adds its start and moves.
template <class Base>
class BoardTableEvents : public Base {
public:
    void setScreenAccess(BoardScreenAccess access) { events_.handOver().setScreenAccess(std::move(access)); }

    void onJoinGameSuccessWithRoomId(int8_t roomId, int8_t boardId, int32_t ownerId, int32_t money,
                                     ChessPlayers players) override {
        events_.joined(roomId, boardId, ownerId, money, std::move(players));
    }
    void onChatFromBoardWithRoomId(int8_t roomId, int8_t boardId, std::string text, int32_t fromId) override {
        events_.chat(roomId, boardId, std::move(text), fromId);
    }
    void onKickedWithRoomId(int8_t roomId, int8_t boardId, int32_t kickedId) override {
        events_.kicked(roomId, boardId, kickedId);
    }
    void onSomeOneJoinBoardWithSeat(int8_t seat, std::shared_ptr<ChessPlayer> player) override {
        events_.someoneJoined(seat, std::move(player));
    }
    void onSomeOneLeaveBoardWithLeave(int32_t leaveId, int32_t newOwnerId) override {
        events_.someoneLeft(leaveId, newOwnerId);
    }
    void onSomeOneReadyWithWhoId(int32_t playerId, bool isReady) override { events_.someoneReady(playerId, isReady); }
    void onOwnerSetMoneyWithRoomId(int8_t roomId, int8_t boardId, int32_t money) override {
        events_.stakeSet(roomId, boardId, money);
    }
    void onForceLoseWithRoomId(int8_t roomId, int8_t boardId, int32_t whoLose) override {
        events_.forceLose(roomId, boardId, whoLose);
    }
    void onOpponentWantDrawWithRoomId(int8_t roomId, int8_t boardId) override {
        events_.opponentWantsDraw(roomId, boardId);
    }
    void onMatchResult(MatchResults results) override { events_.matchResult(std::move(results)); }
    void onBuzzWithContent(std::string content) override { events_.buzz(std::move(content)); }

protected:
    explicit BoardTableEvents(BoardHandOverRules rules = {}) : events_(rules) {}
    const TableHandOver<BoardTableScreen, std::shared_ptr<ChessPlayer>>& handOver() const {
        return events_.handOver();
    }

    BoardTableHandOver events_;
};

// The same with the draw and resignation events of Co Tuong, Co Vua and Caro.
template <class Base>
class BoardDuelEvents : public BoardTableEvents<Base> {
public:
    void onGameDrawWithRoomId(int8_t roomId, int8_t boardId) override { this->events_.gameDrawn(roomId, boardId); }
    void onDenyDrawWithRoomId(int8_t roomId, int8_t boardId) override { this->events_.drawDenied(roomId, boardId); }
    void onWantLoseWithRoomId(int8_t roomId, int8_t boardId, int32_t whoLose) override {
        this->events_.resigned(roomId, boardId, whoLose);
    }

protected:
    using BoardTableEvents<Base>::BoardTableEvents;
};

}  // namespace zuno
