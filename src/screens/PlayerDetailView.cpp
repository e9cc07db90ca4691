#include "screens/PlayerDetailView.h"

#include "lobby/GameRegistry.h"
#include "lobby/GlobalService.h"
#include "platform/ui/Color.h"
#include "platform/ui/Image.h"
#include "platform/ui/ScreenFactory.h"
#include "screens/PlayerRows.h"
#include "shell/Resources.h"

namespace zuno {

namespace {
std::string text(const char* key) { return Resources::getInstance().textForKey(key); }
}  // namespace

const ui::BindingTable& PlayerDetailView::bindings() {
    using B = ui::Bind<PlayerDetailView>;
    using V = PlayerDetailView;
    static const ui::BindingTable table(&CustomUIActionSheetViewController::bindings(),
                                        {
                                            B::outlet("imgViewAvatar", &V::imgViewAvatar),
                                            B::outlet("imgBg", &V::imgBg),
                                            B::outlet("lblName", &V::lblName),
                                            B::outlet("lblMoney", &V::lblMoney),
                                            B::outlet("lblLevel", &V::lblLevel),
                                            B::outlet("lblWin", &V::lblWin),
                                            B::outlet("lblLose", &V::lblLose),
                                            B::outlet("lblDraw", &V::lblDraw),
                                            B::outlet("lblGiveup", &V::lblGiveup),
                                            B::outlet("lblNameTitle", &V::lblNameTitle),
                                            B::outlet("lblMoneyTitle", &V::lblMoneyTitle),
                                            B::outlet("lblLevelTitle", &V::lblLevelTitle),
                                            B::outlet("lblWinTitle", &V::lblWinTitle),
                                            B::outlet("lblLoseTitle", &V::lblLoseTitle),
                                            B::outlet("lblDrawTitle", &V::lblDrawTitle),
                                            B::outlet("lblGiveupTitle", &V::lblGiveupTitle),
                                            B::action("addFriend", &V::addFriend),
                                            B::action("onCancel", &V::onCancel),
                                        });
    return table;
}

PlayerDetailView::PlayerDetailView() : CustomUIActionSheetViewController(std::string("PlayerDetailView")) {}

void PlayerDetailView::viewWillAppear(bool animated) {
    CustomUIActionSheetViewController::viewWillAppear(animated);
    lblNameTitle->setText(text("ZUNO_nick"));
    lblMoneyTitle->setText(text("ZUNO_money"));
    lblLevelTitle->setText(text("ZUNO_level"));
    lblWinTitle->setText(text("ZUNO_won"));
    lblLoseTitle->setText(text("ZUNO_lose"));
    lblDrawTitle->setText(text("ZUNO_draw"));
    lblGiveupTitle->setText(text("ZUNO_giveup"));
    const GameDescriptor* game = GameRegistry::current();
    const bool caro = game && game->caroSheets;
    imgBg->setImage(ui::Image::imageNamed(caro ? "caro-bg-menu.png" : "bg_profile.png"));
    // Caro's background is light paper: the texts go dark on it.
    const ui::Color ink = caro ? ui::Color::rgb255(70, 40, 20) : ui::Color::white();
    for (const auto& label : {lblNameTitle, lblMoneyTitle, lblLevelTitle, lblWinTitle, lblLoseTitle, lblDrawTitle,
                              lblGiveupTitle, lblName, lblLevel, lblWin, lblLose, lblDraw, lblGiveup})
        label->setTextColor(ink);
    lblMoney->setTextColor(caro ? ui::Color::rgb255(160, 60, 0) : ui::Color::yellow());
}

void PlayerDetailView::updateViewWithData(const PlayerDetail& detail) {
    view();
    playerDetail_ = detail;
    lblName->setText(detail.name.value_or(std::string()));
    lblMoney->setText(playerrow::moneyText(detail.money));
    Resources::getInstance().assignAvatarId(detail.avatar, imgViewAvatar);
    lblLevel->setText(playerrow::levelText(detail.exp));
    lblWin->setText(std::to_string(detail.won));
    lblLose->setText(std::to_string(detail.lost));
    lblDraw->setText(std::to_string(detail.drawn));
    lblGiveup->setText(std::to_string(detail.givenUp));
}

void PlayerDetailView::addFriend() {
    if (playerDetail_ && playerDetail_->name) GlobalService::getInstance().searchFriend(playerDetail_->name);
}

ZUNO_REGISTER_SCREEN(PlayerDetailView)

}  // namespace zuno
