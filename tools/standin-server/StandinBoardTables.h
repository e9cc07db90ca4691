#pragma once

#include <memory>
#include <mutex>

#include "standin-server/StandinLobbyLists.h"
#include "standin-server/StandinServer.h"
#include "standin-server/StandinSignIn.h"

namespace zuno::standin {

// The Blocks tables (game 8) of the stand-in server until Blocks plays on the robot-table loop: a join
// request (8) at a Blocks table is answered with the join reply, the table's host at seat 0 as owner
// and the joining player at seat 1. Joins for other games go to the join handler installed before this
// one, if any. (Co Tuong, Co Vua and Caro play on the robot-table loop.)
class StandinBoardTables {
public:
    static constexpr int32_t kHostId = 9001;
    static constexpr int32_t kStake = 1000;

    // Registers the handler; the returned object stays alive with it.
    static std::shared_ptr<StandinBoardTables> installOn(StandinServer& server, std::shared_ptr<StandinLobbyLists> lists);

    // The player a join seats: the demo account unless set.
    void setPlayer(StandinAccount player);

    static bool isBoardGame(int8_t gameType);

private:
    explicit StandinBoardTables(std::shared_ptr<StandinLobbyLists> lists) : lists_(std::move(lists)) {}
    void answerJoin(StandinSession& session, Message& request);

    std::shared_ptr<StandinLobbyLists> lists_;
    std::mutex mutex_;
    StandinAccount player_{"demo", "demo", 1001, 5000000, 1, 350};
};

}  // namespace zuno::standin
