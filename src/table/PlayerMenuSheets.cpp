#include "table/PlayerMenuSheets.h"

#include "lobby/GlobalService.h"
#include "platform/ui/Image.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/ScreenFactory.h"
#include "screens/InviteFriendView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "shell/ZunoOnlineAppDelegate.h"
#include "table/CurrentTable.h"

namespace zuno {

namespace {
std::string text(const char* key) { return Resources::getInstance().textForKey(key); }

int16_t& avatarShown() {
    static int16_t avatar = 0;
    return avatar;
}
}  // namespace

// ---- menuPlayer

const ui::BindingTable& menuPlayer::bindings() {
    using B = ui::Bind<menuPlayer>;
    static const ui::BindingTable table(&CustomUIActionSheetViewController::bindings(),
                                        {B::outlet("btnKick", &menuPlayer::btnKick),
                                         B::outlet("btnViewInfo", &menuPlayer::btnViewInfo),
                                         B::outlet("btnAddFriend", &menuPlayer::btnAddFriend),
                                         B::outlet("btnPresentGift", &menuPlayer::btnPresentGift),
                                         B::outlet("btnBuzz", &menuPlayer::btnBuzz),
                                         B::outlet("imgBg", &menuPlayer::imgBg),
                                         B::action("doKick", &menuPlayer::doKick),
                                         B::action("doViewInfo", &menuPlayer::doViewInfo),
                                         B::action("doAddFriend", &menuPlayer::doAddFriend),
                                         B::action("doPresentGift", &menuPlayer::doPresentGift),
                                         B::action("doBuzz", &menuPlayer::doBuzz)});
    return table;
}

menuPlayer::menuPlayer() : CustomUIActionSheetViewController(std::string("menuPlayer")) {}

void menuPlayer::viewWillAppear(bool animated) {
    view();
    CurrentTable table = CurrentTable::find();
    const bool caro = tableWearsCaroSheets();
    if (imgBg) imgBg->setImage(ui::Image::imageNamed("bg_submenu.png"));
    const std::shared_ptr<ui::Button> all[] = {btnKick, btnViewInfo, btnAddFriend, btnPresentGift, btnBuzz};
    for (const auto& button : all) {
        if (button) button->setBackgroundImage(ui::Image::imageNamed(caro ? "caro-menu-item.png" : "button_chuc_nang1.png"));
    }
    if (btnKick) btnKick->setTitle(text("ZUNO_kick"));
    if (btnViewInfo) btnViewInfo->setTitle(text("ZUNO_showInfo"));
    if (btnAddFriend) btnAddFriend->setTitle(text("ZUNO_addFriend"));
    if (btnPresentGift) btnPresentGift->setTitle(text("ZUNO_presentGift"));
    if (btnBuzz) btnBuzz->setTitle(std::string("BUZZ"));

    PlayerPtr tapped = table.host ? table.host->currentControlPlayer() : nullptr;
    const int32_t me = UIController::myId();
    std::vector<std::shared_ptr<ui::Button>> shown;
    double height = 170;
    if (tapped && tapped->IDDB() == me) {
        if (table.isOneOf({TableFamily::Poker})) {
            if (btnKick) btnKick->setTitle(text("ZUNO_standUp"));
            shown = {btnKick, btnViewInfo, btnPresentGift};
            height = 135;
        } else {
            shown = {btnViewInfo, btnPresentGift};
            height = 100;
        }
    } else if (table.host && table.ownerId == me && table.host->isTableIdle()) {
        shown = {btnKick, btnViewInfo, btnAddFriend, btnPresentGift, btnBuzz};
        height = 200;
    } else {
        shown = {btnViewInfo, btnAddFriend, btnPresentGift, btnBuzz};
    }
    for (const auto& button : all) {
        if (button) button->setHidden(true);
    }
    for (size_t i = 0; i < shown.size(); ++i) {
        if (!shown[i]) continue;
        shown[i]->setHidden(false);
        shown[i]->setCenter(ui::Point{shown[i]->center().x, 40 + 35.0 * static_cast<double>(i)});
    }
    if (imgBg) {
        const ui::Rect f = imgBg->frame();
        imgBg->setFrame(ui::Rect(f.origin.x, f.origin.y, 240, height));
    }
    CustomUIActionSheetViewController::viewWillAppear(animated);
}

void menuPlayer::doKick() {
    CurrentTable table = CurrentTable::find();
    if (btnKick && btnKick->titleForState(ui::ControlState::Normal) == text("ZUNO_kick")) {
        if (table.hasTable()) {
            auto& service = GlobalService::getInstance();
            if (table.isBoardGame) {
                for (const auto& player : table.players) {
                    if (player && player->IDDB() != UIController::myId())
                        service.kickWithRoomId(*table.roomId, *table.boardId, player->IDDB());
                }
            } else if (PlayerPtr tapped = table.host ? table.host->currentControlPlayer() : nullptr) {
                service.kickWithRoomId(*table.roomId, *table.boardId, tapped->IDDB());
            }
        }
    } else if (table.isOneOf({TableFamily::Poker}) && table.host) {
        table.host->doStandUp();
    }
    slideOut();
}

void menuPlayer::doViewInfo() {
    CurrentTable table = CurrentTable::find();
    if (PlayerPtr tapped = table.host ? table.host->currentControlPlayer() : nullptr) {
        GlobalService::getInstance().requestInfoOfWithIDDB(tapped->IDDB());
        PlayerInfo::setAva(tapped->avatar());
    }
    slideOut();
}

void menuPlayer::doAddFriend() {
    CurrentTable table = CurrentTable::find();
    if (PlayerPtr tapped = table.host ? table.host->currentControlPlayer() : nullptr)
        GlobalService::getInstance().searchFriend(tapped->name());
    slideOut();
}

void menuPlayer::doPresentGift() {
    slideOut();
    CurrentTable table = CurrentTable::find();
    if (table.host) table.host->showGiftView();
}

void menuPlayer::doBuzz() {
    CurrentTable table = CurrentTable::find();
    if (PlayerPtr tapped = table.host ? table.host->currentControlPlayer() : nullptr)
        GlobalService::getInstance().requestBuzzWithId(tapped->IDDB());
    slideOut();
}

// ---- menuMoiBan

const ui::BindingTable& menuMoiBan::bindings() {
    using B = ui::Bind<menuMoiBan>;
    static const ui::BindingTable table(&CustomUIActionSheetViewController::bindings(),
                                        {B::outlet("imgBg", &menuMoiBan::imgBg),
                                         B::outlet("btnWaitingRoom", &menuMoiBan::btnWaitingRoom),
                                         B::outlet("btnFriends", &menuMoiBan::btnFriends),
                                         B::action("doInviteWaitPlayer", &menuMoiBan::doInviteWaitPlayer),
                                         B::action("doInviteFriend", &menuMoiBan::doInviteFriend)});
    return table;
}

menuMoiBan::menuMoiBan() : CustomUIActionSheetViewController(std::string("menuMoiBan")) {}

void menuMoiBan::viewWillAppear(bool animated) {
    CustomUIActionSheetViewController::viewWillAppear(animated);
    const bool caro = tableWearsCaroSheets();
    if (btnWaitingRoom) btnWaitingRoom->setTitle(text("ZUNO_waitingList"));
    if (btnFriends) btnFriends->setTitle(text("ZUNO_friendI"));
    if (imgBg) imgBg->setImage(ui::Image::imageNamed(caro ? "caro-bg-menu.png" : "bg_submenu.png"));
    for (const auto& button : {btnWaitingRoom, btnFriends}) {
        if (button) button->setBackgroundImage(ui::Image::imageNamed(caro ? "caro-menu-item.png" : "button_chuc_nang1.png"));
    }
}

void menuMoiBan::doInviteWaitPlayer() { openInvitations(2); }
void menuMoiBan::doInviteFriend() { openInvitations(1); }

// 1: friends, 2: the waiting list.
void menuMoiBan::openInvitations(int typeInvite) {
    slideOut();
    auto screen = std::make_shared<InviteFriendView>();
    auto delegate = ZunoOnlineAppDelegate::current();
    if (delegate && delegate->navigationController) delegate->navigationController->pushViewController(screen, true);
    if (typeInvite == 2) {
        GlobalService::getInstance().requestWaitingList();
    } else {
        GlobalService::getInstance().requestFriendList();
    }
}

// ---- PlayerInfo

const ui::BindingTable& PlayerInfo::bindings() {
    using B = ui::Bind<PlayerInfo>;
    static const ui::BindingTable table(&CustomUIActionSheetViewController::bindings(),
                                        {B::outlet("lblName", &PlayerInfo::lblName),
                                         B::outlet("lblMoney", &PlayerInfo::lblMoney),
                                         B::outlet("lblLevel", &PlayerInfo::lblLevel),
                                         B::outlet("lblWin", &PlayerInfo::lblWin),
                                         B::outlet("lblLose", &PlayerInfo::lblLose),
                                         B::outlet("lblGiveup", &PlayerInfo::lblGiveup),
                                         B::outlet("imgAvatar", &PlayerInfo::imgAvatar),
                                         B::action("doAddFriend", &PlayerInfo::doAddFriend)});
    return table;
}

PlayerInfo::PlayerInfo() : CustomUIActionSheetViewController(std::string("PlayerInfo")) {}

void PlayerInfo::setAva(int16_t avatarId) { avatarShown() = avatarId; }
int16_t PlayerInfo::ava() { return avatarShown(); }

void PlayerInfo::loadInfoWithName(const std::string& name, int64_t money, int32_t level, int32_t win,
                                  int32_t lose, int32_t giveup) {
    view();
    if (imgAvatar) Resources::getInstance().assignAvatarId(avatarShown(), imgAvatar);
    auto line = [](const std::shared_ptr<ui::Label>& label, const char* key, const std::string& value) {
        if (label) label->setText(text(key) + ": " + value);
    };
    line(lblName, "ZUNO_nick", name);
    line(lblMoney, "ZUNO_money", std::to_string(money));
    line(lblLevel, "ZUNO_level", std::to_string(level));
    line(lblWin, "ZUNO_zuno", std::to_string(win));
    line(lblLose, "ZUNO_lose", std::to_string(lose));
    line(lblGiveup, "ZUNO_giveup", std::to_string(giveup));
}

ZUNO_REGISTER_SCREEN(menuPlayer)
ZUNO_REGISTER_SCREEN(menuMoiBan)
ZUNO_REGISTER_SCREEN(PlayerInfo)

}  // namespace zuno
