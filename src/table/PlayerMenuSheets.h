#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "shell/CustomUIActionSheetViewController.h"

namespace zuno {

// The menu of a tapped seat: kick, view information, add friend, give a gift, buzz. What it offers
// depends on who was tapped and whether I own an idle table.
class menuPlayer : public CustomUIActionSheetViewController {
    ZUNO_BINDINGS
public:
    menuPlayer();
    void viewWillAppear(bool animated) override;
    void doKick();
    void doViewInfo();
    void doAddFriend();
    void doPresentGift();
    void doBuzz();

    std::shared_ptr<ui::Button> btnKick, btnViewInfo, btnAddFriend, btnPresentGift, btnBuzz;
    std::shared_ptr<ui::ImageView> imgBg;
};

// The invitation sheet of an empty seat: from the waiting list or from the friend list.
class menuMoiBan : public CustomUIActionSheetViewController {
    ZUNO_BINDINGS
public:
    menuMoiBan();
    void viewWillAppear(bool animated) override;
    void doInviteWaitPlayer();
    void doInviteFriend();

    std::shared_ptr<ui::ImageView> imgBg;
    std::shared_ptr<ui::Button> btnWaitingRoom, btnFriends;

private:
    void openInvitations(int typeInvite);
};

// A short information sheet about a player.
class PlayerInfo : public CustomUIActionSheetViewController {
    ZUNO_BINDINGS
public:
    PlayerInfo();
    void loadInfoWithName(const std::string& name, int64_t money, int32_t level, int32_t win, int32_t lose,
                          int32_t giveup);
    void doAddFriend() {}
    // The avatar the next information shows.
    static void setAva(int16_t avatarId);
    static int16_t ava();

    std::shared_ptr<ui::Label> lblName, lblMoney, lblLevel, lblWin, lblLose, lblGiveup;
    std::shared_ptr<ui::ImageView> imgAvatar;
};

}  // namespace zuno
