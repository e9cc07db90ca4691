#pragma once

// The benchmarks' two-seat tables: the application launched and a table of the game on top, the
// signed-in player (10) beside "an" (20), both ready.
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "games/blocks/BlocksView.h"
#include "games/cotuong/CoTuongView.h"
#include "platform/core/DataFolder.h"
#include "platform/core/RunLoop.h"
#include "platform/ui/Application.h"
#include "shell/UIController.h"
#include "shell/ZunoOnlineAppDelegate.h"
#include "table/GameController.h"
#include "table/TienLenPlayer.h"

namespace zuno::bench {

// The application launched and its first half second run.
inline std::shared_ptr<ZunoOnlineAppDelegate> launchApplication() {
    auto app = std::make_shared<ZunoOnlineAppDelegate>();
    ui::Application::shared().setDelegate(app);
    ui::Application::shared().launch();
    sys::RunLoop::main().runFor(0.5);
    return app;
}

// Me (10, signed in, named `myName`) and "an" (20), both ready.
inline std::vector<PlayerPtr> twoReadyPlayers(const char* myName) {
    std::vector<PlayerPtr> players;
    for (auto [id, name] : {std::pair{10, myName}, std::pair{20, "an"}}) {
        auto p = std::make_shared<TienLenPlayer>();
        p->setIDDB(id);
        p->setName(name);
        p->setMoney(100000);
        p->setIsReady(true);
        players.push_back(p);
    }
    UIController::setMyInfo(players[0]);
    return players;
}

// A Co Tuong table that "lan" owns, its data in a folder of the temporary directory.
inline std::shared_ptr<ZunoOnlineAppDelegate> openCoTuongTable(const std::string& dataFolder, double settleSeconds) {
    sys::setDataFolder((std::filesystem::temp_directory_path() / dataFolder).string());
    auto app = launchApplication();
    auto players = twoReadyPlayers("lan");
    UIController::setGameType(5);
    GameController::showCoTuongScreenWithRoom(1, 2, 10, 1000, players);
    sys::RunLoop::main().runFor(settleSeconds);
    return app;
}

// An upright Blocks table at a stake of 1000 that "an" owns.
inline std::shared_ptr<ZunoOnlineAppDelegate> openBlocksTable() {
    auto app = launchApplication();
    auto players = twoReadyPlayers("me");
    UIController::setGameType(8);
    GameController::showBlocksScreenWithRoom(1, 2, 20, 1000, players);
    sys::RunLoop::main().runFor(0.5);
    return app;
}

}  // namespace zuno::bench
