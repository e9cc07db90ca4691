#pragma once

#include <memory>
#include <vector>

#include "lobby/ScreenEvents.h"
#include "lobby/model/LobbyRecords.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The list of rankings.
class RankingView : public ZunoViewController, public ForceReloadTableView {
public:
    using ZunoViewController::ZunoViewController;

    virtual void setListRanking(std::vector<std::shared_ptr<Ranking>> rankings) {}
    void forceReloadTableView() override {}
};

}  // namespace zuno
