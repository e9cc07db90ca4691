// A Poker table opened on the virtual clock: room 1, table 2, small blind 50.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "games/poker/PokerView.h"
#include "src/table/TableFixture.h"

namespace zuno::testing {

class PokerTableTest : public TableTest {
protected:
    // Ids in server seat order (-1 empty), then the watchers; I am id 10. Each other player is named
    // by its place in the list and its id.
    std::shared_ptr<PokerView> openPoker(const std::vector<int32_t>& ids,
                                         const std::function<std::string(size_t, int32_t)>& nameOf) {
        UIController::setGameType(4);
        std::vector<PlayerPtr> players;
        for (size_t i = 0; i < ids.size(); ++i)
            players.push_back(ids[i] == 10 ? me : seatPlayer(ids[i], ids[i] == -1 ? "" : nameOf(i, ids[i])));
        GameController::showPokerScreenWithRoom(1, 2, 20, 50, players);
        run(1);
        auto table = GameController::getPokerView();
        table->resetSeat();
        return table;
    }

    // The same, the players named from the list in turn.
    std::shared_ptr<PokerView> openPoker(const std::vector<int32_t>& ids, const std::vector<std::string>& names) {
        return openPoker(ids, [&names](size_t i, int32_t) { return names[i % names.size()]; });
    }
};

}  // namespace zuno::testing
