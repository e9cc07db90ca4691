#pragma once

#include <memory>
#include <optional>

#include "lobby/LobbyEventRecords.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "shell/CustomUIActionSheetViewController.h"
#include "shell/TableSheetHost.h"

namespace zuno {

// Another player's card, a sheet: name, money, avatar, level with its percent, and the games won,
// lost, drawn and given up, with a button to add the player as a friend. The ranking page and the
// table screens keep one and hand it the server's answer.
class PlayerDetailView : public CustomUIActionSheetViewController, public PlayerDetailSheet {
    ZUNO_BINDINGS
public:
    PlayerDetailView();

    void viewWillAppear(bool animated) override;
    void updateViewWithData(const PlayerDetail& detail) override;
    void addFriend();
    // The close button.
    void onCancel() { slideOut(); }

    const std::optional<PlayerDetail>& playerDetail() const { return playerDetail_; }

    std::shared_ptr<ui::ImageView> imgViewAvatar, imgBg;
    std::shared_ptr<ui::Label> lblName, lblMoney, lblLevel, lblWin, lblLose, lblDraw, lblGiveup;
    std::shared_ptr<ui::Label> lblNameTitle, lblMoneyTitle, lblLevelTitle, lblWinTitle, lblLoseTitle, lblDrawTitle,
        lblGiveupTitle;

private:
    std::optional<PlayerDetail> playerDetail_;
};

}  // namespace zuno
