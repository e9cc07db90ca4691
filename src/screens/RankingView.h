#pragma once

#include <memory>
#include <string>
#include <vector>

#include "lobby/LobbyScreenEvents.h"
#include "lobby/ScreenEvents.h"
#include "lobby/model/LobbyRecords.h"
#include "platform/ui/TableView.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The ranking tables the server offers: the richest players and the strongest of each game. A row
// opens that table page by page.
class RankingView : public ZunoViewController,
                    public ForceReloadTableView,
                    public RankingListScreen,
                    public ui::TableViewDataSource,
                    public ui::TableViewDelegate {
    ZUNO_BINDINGS
public:
    static constexpr double kRowHeight = 40;

    RankingView() : RankingView("RankingView") {}
    explicit RankingView(std::string nibName);

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void setListRanking(std::vector<std::shared_ptr<Ranking>> rankings) override { listRanking = std::move(rankings); }
    void forceReloadTableView() override;
    void doExit(ui::Object* sender);

    int numberOfRowsInSection(ui::TableView& table, int section) override;
    std::shared_ptr<ui::TableViewCell> cellForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) override;
    std::optional<double> heightForRowAtIndexPath(ui::TableView&, ui::IndexPath) override { return kRowHeight; }
    void didSelectRowAtIndexPath(ui::TableView& table, ui::IndexPath path) override;

    std::shared_ptr<ui::TableView> myTableView;
    std::vector<std::shared_ptr<Ranking>> listRanking;
    bool forceReload = false;
};

}  // namespace zuno
