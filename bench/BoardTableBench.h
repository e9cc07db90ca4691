#pragma once

// The benchmarks' Co Tuong table: the application launched with its data in a folder of the temporary
// directory, and the table of "lan" (10, signed in, the owner) and "an" (20), both ready, on top.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "games/cotuong/CoTuongView.h"
#include "platform/core/DataFolder.h"
#include "platform/core/RunLoop.h"
#include "platform/ui/Application.h"
#include "shell/UIController.h"
#include "shell/ZunoOnlineAppDelegate.h"
#include "table/GameController.h"
#include "table/TienLenPlayer.h"

namespace zuno::bench {

inline std::shared_ptr<ZunoOnlineAppDelegate> openCoTuongTable(const std::string& dataFolder, double settleSeconds) {
    sys::setDataFolder((std::filesystem::temp_directory_path() / dataFolder).string());
    auto app = std::make_shared<ZunoOnlineAppDelegate>();
    ui::Application::shared().setDelegate(app);
    ui::Application::shared().launch();
    sys::RunLoop::main().runFor(0.5);
    std::vector<PlayerPtr> players;
    for (auto [id, name] : {std::pair{10, "lan"}, std::pair{20, "an"}}) {
        auto p = std::make_shared<TienLenPlayer>();
        p->setIDDB(id);
        p->setName(name);
        p->setMoney(100000);
        p->setIsReady(true);
        players.push_back(p);
    }
    UIController::setMyInfo(players[0]);
    UIController::setGameType(5);
    GameController::showCoTuongScreenWithRoom(1, 2, 10, 1000, players);
    sys::RunLoop::main().runFor(settleSeconds);
    return app;
}

}  // namespace zuno::bench
