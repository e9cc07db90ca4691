#include "screens/GameView.h"

#include "lobby/GameRegistry.h"
#include "lobby/GlobalService.h"
#include "platform/core/UserDefaults.h"
#include "platform/ui/Application.h"
#include "platform/ui/ScreenFactory.h"
#include "screens/MenuLinks.h"
#include "screens/ScreenTitle.h"
#include "shell/Resources.h"

namespace zuno {

namespace {
// The game type each tile chooses.
constexpr int8_t kCaro = 1, kXiZach = 2, kTienLen = 3, kPoker = 4, kCoTuong = 5, kPhom = 7, kBlocks = 8,
                 kCoVua = 9, kBaiCao = 11, kTienLenMB = 12, kPhomNew = 13;

std::string text(const char* key) { return Resources::getInstance().textForKey(key); }

// A tile shows its game's name.
std::string titleOf(int8_t gameType) {
    const GameDescriptor* game = GameRegistry::find(gameType);
    return game ? Resources::getInstance().textForKey(game->titleKey) : std::string();
}

// The choice of a game; the server's confirmation does the rest.
void choose(int8_t gameType) { GlobalService::getInstance().setGameType(gameType); }
}  // namespace

const ui::BindingTable& GameView::bindings() {
    using B = ui::Bind<GameView>;
    static const ui::BindingTable table(&MenuLinksScreen::bindings(),
                                        {
                                            B::outlet("viewTienlen", &GameView::viewTienlen),
                                            B::outlet("viewTienlenMB", &GameView::viewTienlenMB),
                                            B::outlet("viewPhom", &GameView::viewPhom),
                                            B::outlet("viewPhomMoi", &GameView::viewPhomMoi),
                                            B::outlet("viewCotuong", &GameView::viewCotuong),
                                            B::outlet("viewCovua", &GameView::viewCovua),
                                            B::outlet("viewBaiCao", &GameView::viewBaiCao),
                                            B::outlet("viewXiZach", &GameView::viewXiZach),
                                            B::outlet("viewCaro", &GameView::viewCaro),
                                            B::outlet("viewBlocks", &GameView::viewBlocks),
                                            B::outlet("viewPoker", &GameView::viewPoker),
                                            B::outlet("viewOthers", &GameView::viewOthers),
                                            B::outlet("lblTienlen", &GameView::lblTienlen),
                                            B::outlet("lblTienlenMB", &GameView::lblTienlenMB),
                                            B::outlet("lblPhom", &GameView::lblPhom),
                                            B::outlet("lblPhomMoi", &GameView::lblPhomMoi),
                                            B::outlet("lblCotuong", &GameView::lblCotuong),
                                            B::outlet("lblCovua", &GameView::lblCovua),
                                            B::outlet("lblBaiCao", &GameView::lblBaiCao),
                                            B::outlet("lblXiZach", &GameView::lblXiZach),
                                            B::outlet("lblCaro", &GameView::lblCaro),
                                            B::outlet("lblBlocks", &GameView::lblBlocks),
                                            B::outlet("lblPoker", &GameView::lblPoker),
                                            B::outlet("lblOthers", &GameView::lblOthers),
                                            B::outlet("lblLuat", &GameView::lblLuat),
                                            B::outlet("newImgs", &GameView::newImgs),
                                            B::action("doJoinRoomTienLen:", &GameView::doJoinRoomTienLen),
                                            B::action("doJoinRoomTienLenMB:", &GameView::doJoinRoomTienLenMB),
                                            B::action("doJoinRoomPhom:", &GameView::doJoinRoomPhom),
                                            B::action("doJoinRoomPhomMoi:", &GameView::doJoinRoomPhomMoi),
                                            B::action("doJoinRoomCoTuong:", &GameView::doJoinRoomCoTuong),
                                            B::action("doJoinRoomCoVua:", &GameView::doJoinRoomCoVua),
                                            B::action("doJoinRoomBaiCao:", &GameView::doJoinRoomBaiCao),
                                            B::action("doJoinRoomXiZach:", &GameView::doJoinRoomXiZach),
                                            B::action("doJoinRoomCaro:", &GameView::doJoinRoomCaro),
                                            B::action("doJoinRoomBlocks:", &GameView::doJoinRoomBlocks),
                                            B::action("doJoinRoomPoker:", &GameView::doJoinRoomPoker),
                                            B::action("doJoinOtherGames:", &GameView::doJoinOtherGames),
                                        });
    return table;
}

GameView::GameView(std::string nibName) : MenuLinksScreen(std::move(nibName)) {}

void GameView::viewDidLoad() {
    showLoadingScreen();
    setUpLinkPages();
    ZunoViewController::viewDidLoad();
    arrPoint = {ui::Point{140, 126}, ui::Point{220, 116}, ui::Point{225, 150}};
    hideLoadingScreen();
}

void GameView::viewWillAppear(bool animated) {
    ui::Application::shared().setStatusBarOrientation(ui::InterfaceOrientation::LandscapeRight);
    ZunoViewController::viewWillAppear(animated);

    setUpperCasedWindowTitle("ZUNO_game");
    lblTienlen->setText(titleOf(kTienLen));
    lblTienlenMB->setText(titleOf(kTienLenMB));
    lblPhom->setText(titleOf(kPhom));
    lblPhomMoi->setText(titleOf(kPhomNew));
    lblCotuong->setText(titleOf(kCoTuong));
    lblCovua->setText(titleOf(kCoVua));
    lblBaiCao->setText(titleOf(kBaiCao));
    lblXiZach->setText(titleOf(kXiZach));
    lblCaro->setText(titleOf(kCaro));
    lblBlocks->setText(titleOf(kBlocks));
    lblOthers->setText(text("ZUNO_moreGames"));
    lblPoker->setText(titleOf(kPoker));
    lblHuongDan->setText(text("ZUNO_guide"));
    lblLuat->setText(text("ZUNO_rule"));
    lblGopY->setText(text("ZUNO_Comment"));
    lblGoiTroGiup->setText(text("ZUNO_callHelp"));
    lblTangBanBe->setText(text("ZUNO_tellFriend"));
    lblDangXuat->setText(text("ZUNO_logout"));

    for (const auto& tile : {viewTienlen, viewTienlenMB, viewCotuong, viewPhom, viewCovua, viewBaiCao, viewXiZach,
                             viewCaro, viewBlocks})
        tile->setHidden(true);

    viewPhomMoi->setCenter(viewTienlen->center());
    viewOthers->setCenter(viewTienlenMB->center());
    viewPhomMoi->setAlpha(0.3);
    viewOthers->setAlpha(0.3);
    phomMoiCenter = viewPhomMoi->center();
    gamesCenter = viewOthers->center();
    // The more-games tile starts under the new Phom tile and slides out from there.
    viewOthers->setCenter(phomMoiCenter);
}

void GameView::viewDidAppear(bool animated) {
    ZunoViewController::viewDidAppear(animated);
    newImgs->setAnimationImages({});
    constexpr unsigned options = ui::AnimationOption::LayoutSubviews | ui::AnimationOption::AllowUserInteraction;
    auto slide = [](const std::shared_ptr<ui::View>& tile, ui::Point target) {
        ui::View::animate(
            0.5, 0, options, [tile, target] { tile->setCenter(target); }, [tile](bool) { tile->setAlpha(1.0); });
    };
    slide(viewPhomMoi, phomMoiCenter);
    slide(viewOthers, gamesCenter);
}

void GameView::doJoinRoomTienLen(ui::Object*) { choose(kTienLen); }
void GameView::doJoinRoomTienLenMB(ui::Object*) { choose(kTienLenMB); }
void GameView::doJoinRoomPhom(ui::Object*) { choose(kPhom); }
void GameView::doJoinRoomPhomMoi(ui::Object*) { choose(kPhomNew); }
void GameView::doJoinRoomCoTuong(ui::Object*) { choose(kCoTuong); }
void GameView::doJoinRoomCoVua(ui::Object*) { choose(kCoVua); }
void GameView::doJoinRoomBaiCao(ui::Object*) { choose(kBaiCao); }
void GameView::doJoinRoomXiZach(ui::Object*) { choose(kXiZach); }
void GameView::doJoinRoomCaro(ui::Object*) { choose(kCaro); }
void GameView::doJoinRoomBlocks(ui::Object*) { choose(kBlocks); }

void GameView::doJoinRoomPoker(ui::Object*) {
    choose(kPoker);
    auto& defaults = sys::UserDefaults::standard();
    if (!defaults.boolForKey("clickedPoker")) {
        defaults.setBool(true, "clickedPoker");
        defaults.synchronize();
    }
}

void GameView::doJoinOtherGames(ui::Object*) { GlobalService::getInstance().getInfoWithKey(3); }

ZUNO_REGISTER_SCREEN(GameView)

}  // namespace zuno
