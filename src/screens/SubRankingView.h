#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "lobby/LobbyScreenEvents.h"
#include "lobby/ScreenEvents.h"
#include "lobby/model/Player.h"
#include "platform/core/RunLoop.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TableViewCell.h"
#include "screens/RankingPager.h"
#include "shell/CustomLabel.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// A ranking row as an interface file describes it; the ranking lists build their rows on plain
// cells instead.
class cellSubRanking : public ui::TableViewCell {
    ZUNO_BINDINGS
public:
    cellSubRanking();

    std::shared_ptr<ui::Label> lblIndex, lblRank, lblInfo, lblName;
    std::shared_ptr<CustomLabel> lblStatus;
    std::shared_ptr<ui::ImageView> imgAvatar;
};

// One ranking, ten players a page: the richest (type 0) or the strongest of the game whose id is the
// type. A tap on a player asks for the player's card, shown in the detail sheet.
class SubRankingView : public ZunoViewController,
                       public ForceReloadTableView,
                       public SubRankingScreen,
                       public ui::TableViewDataSource,
                       public ui::TableViewDelegate {
    ZUNO_BINDINGS
public:
    static constexpr const char* kCellIdentifier = "cellSubRanking";

    SubRankingView() : SubRankingView("SubRankingView") {}
    explicit SubRankingView(std::string nibName);
    ~SubRankingView() override;

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void setListSubRanking(std::vector<PlayerPtr> players) override;
    void forceReloadTableView() override;
    void onRequestDetail(const PlayerDetail& detail) override;

    void onNext(ui::Object* sender);
    void onPrevious(ui::Object* sender);
    void setEnabledForButton();
    void doExit(ui::Object* sender);

    int numberOfRowsInSection(ui::TableView& table, int section) override;
    std::shared_ptr<ui::TableViewCell> cellForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) override;
    std::optional<double> heightForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) override;
    void didSelectRowAtIndexPath(ui::TableView& table, ui::IndexPath path) override;

    const RankingPager& pager() const { return pager_; }

    int subRankingType = 0;
    std::vector<PlayerPtr> listSubRanking;
    bool forceReload = false;
    std::optional<PlayerDetail> data;
    std::shared_ptr<ui::TableView> myTableView;
    std::shared_ptr<ui::Button> btnNext, btnPrevious;
    std::shared_ptr<ui::Label> lblNextPage, lblPrePage;
    std::shared_ptr<ui::ViewController> playerDetailView;

private:
    void requestPage();
    void turnPage();
    void showButtons();

    RankingPager pager_;
    std::vector<PlayerPtr> lastRows_;  // of the last page that came with rows
    sys::RunLoop::TimerId unlock_ = 0;
};

}  // namespace zuno
