#pragma once

#include <string>
#include <vector>

#include "lobby/LobbyScreenEvents.h"
#include "lobby/ScreenEvents.h"
#include "lobby/model/Player.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// One ranking: the richest players, or the strongest of a game.
class SubRankingView : public ZunoViewController, public ForceReloadTableView, public SubRankingScreen {
public:
    SubRankingView() : SubRankingView("SubRankingView") {}
    explicit SubRankingView(std::string nibName);

    void setListSubRanking(std::vector<PlayerPtr> players) override {}
    void forceReloadTableView() override {}
    void onRequestDetail(const PlayerDetail& detail) override {}
};

}  // namespace zuno
