#pragma once

#include <memory>

#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "screens/MenuLinks.h"

namespace zuno {

// The game list. Each tile sends only its game type; the server's confirmation installs the game and
// opens its room list. New Phom, Poker and "more games" are offered; the other tiles stay hidden, their
// tables being reached through accepted invitations.
class GameView : public MenuLinksScreen {
    ZUNO_BINDINGS
public:
    GameView() : GameView("GameView") {}
    explicit GameView(std::string nibName);

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;

    void doJoinRoomTienLen(ui::Object* sender);
    void doJoinRoomTienLenMB(ui::Object* sender);
    void doJoinRoomPhom(ui::Object* sender);
    void doJoinRoomPhomMoi(ui::Object* sender);
    void doJoinRoomCoTuong(ui::Object* sender);
    void doJoinRoomCoVua(ui::Object* sender);
    void doJoinRoomBaiCao(ui::Object* sender);
    void doJoinRoomXiZach(ui::Object* sender);
    void doJoinRoomCaro(ui::Object* sender);
    void doJoinRoomBlocks(ui::Object* sender);
    void doJoinRoomPoker(ui::Object* sender);
    void doJoinOtherGames(ui::Object* sender);

    std::shared_ptr<ui::View> viewTienlen, viewTienlenMB, viewPhom, viewPhomMoi, viewCotuong, viewCovua, viewBaiCao,
        viewXiZach, viewCaro, viewBlocks, viewPoker, viewOthers;
    std::shared_ptr<ui::Label> lblTienlen, lblTienlenMB, lblPhom, lblPhomMoi, lblCotuong, lblCovua, lblBaiCao,
        lblXiZach, lblCaro, lblBlocks, lblPoker, lblOthers;
    std::shared_ptr<ui::Label> lblLuat;
    std::shared_ptr<ui::ImageView> newImgs;
    ui::Point phomMoiCenter, gamesCenter;
};

}  // namespace zuno
