#pragma once

#include <cstdint>
#include <memory>

#include "standin-server/StandinLobbyLists.h"
#include "standin-server/StandinServer.h"

namespace zuno::standin {

// The card tables of the stand-in server (Phom, new Phom, Bai Cao and Xi Zach): a join (8)
// while one of these games is chosen is answered with the table's join reply: the stand-in dealer in
// the first seat, the other seats empty. Joins for other games go to the join handler installed before.
class StandinCardTables {
public:
    static constexpr int32_t kDealerId = 1;
    static constexpr int32_t kStake = 1000;

    static void installOn(StandinServer& server, std::shared_ptr<StandinLobbyLists> lists);

    // The seats of a game's table; 0 for games that are not card tables.
    static int seatCount(int8_t gameType);
};

}  // namespace zuno::standin
