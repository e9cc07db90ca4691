#pragma once

#include <string>
#include <vector>

#include "lobby/ScreenEvents.h"
#include "lobby/model/Player.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// One ranking: the richest players, or the strongest of a game.
class SubRankingView : public ZunoViewController, public ForceReloadTableView {
public:
    SubRankingView() : SubRankingView("SubRankingView") {}
    explicit SubRankingView(std::string nibName);

    virtual void setListSubRanking(std::vector<PlayerPtr> players) {}
    void forceReloadTableView() override {}
    virtual void onRequestDetail(const PlayerDetail& detail) {}
};

}  // namespace zuno
