// The application launched and seated at an upright Blocks table (me, 10, beside the owner "an", 20,
// both ready, stake 1000), for the benchmarks that draw or run a Blocks game.
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "games/blocks/BlocksView.h"
#include "platform/core/RunLoop.h"
#include "platform/ui/Application.h"
#include "shell/UIController.h"
#include "shell/ZunoOnlineAppDelegate.h"
#include "table/GameController.h"
#include "table/TienLenPlayer.h"

namespace zuno::bench {

inline std::shared_ptr<ZunoOnlineAppDelegate> openBlocksTable() {
    auto app = std::make_shared<ZunoOnlineAppDelegate>();
    ui::Application::shared().setDelegate(app);
    ui::Application::shared().launch();
    std::vector<PlayerPtr> players;
    for (auto [id, name] : {std::pair{10, "me"}, std::pair{20, "an"}}) {
        auto p = std::make_shared<TienLenPlayer>();
        p->setIDDB(id);
        p->setName(name);
        p->setMoney(100000);
        p->setIsReady(true);
        players.push_back(p);
    }
    UIController::setMyInfo(players[0]);
    UIController::setGameType(8);
    GameController::showBlocksScreenWithRoom(1, 2, 20, 1000, players);
    sys::RunLoop::main().runFor(0.5);
    return app;
}

}  // namespace zuno::bench
