#pragma once

#include <memory>
#include <string>
#include <vector>

#include "lobby/LobbyScreenEvents.h"
#include "lobby/ScreenEvents.h"
#include "lobby/model/LobbyRecords.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The list of rankings.
class RankingView : public ZunoViewController, public ForceReloadTableView, public RankingListScreen {
public:
    RankingView() : RankingView("RankingView") {}
    explicit RankingView(std::string nibName);

    void setListRanking(std::vector<std::shared_ptr<Ranking>> rankings) override {}
    void forceReloadTableView() override {}
};

}  // namespace zuno
