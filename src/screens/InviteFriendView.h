#pragma once

#include <vector>

#include "lobby/LobbyScreenEvents.h"
#include "lobby/ScreenEvents.h"
#include "lobby/model/Player.h"
#include "platform/ui/TableView.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The players to invite to the table: the online friends (kind 1) or the server's waiting list
// (kind 2). One tap invites that player and goes back to the table.
class InviteFriendView : public ZunoViewController,
                         public ShowDataTableView,
                         public InviteListScreen,
                         public ui::TableViewDataSource,
                         public ui::TableViewDelegate {
    ZUNO_BINDINGS
public:
    static constexpr int kFriends = 1;
    static constexpr int kWaitingPlayers = 2;

    InviteFriendView() : InviteFriendView("InviteFriendView") {}
    explicit InviteFriendView(std::string nibName);

    void setTypeInvite(int type) { typeInvite = type; }
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void setOnlineList(std::vector<PlayerPtr> players) override { onlineList = std::move(players); }
    void showDataTableView() override;
    void doBack();

    int numberOfRowsInSection(ui::TableView& table, int section) override;
    std::shared_ptr<ui::TableViewCell> cellForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) override;
    std::optional<double> heightForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) override;
    void didSelectRowAtIndexPath(ui::TableView& table, ui::IndexPath path) override;

    int typeInvite = kFriends;
    std::vector<PlayerPtr> onlineList;
    std::shared_ptr<ui::TableView> myTableView;
};

}  // namespace zuno
