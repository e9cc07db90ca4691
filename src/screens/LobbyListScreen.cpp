#include "screens/LobbyListScreen.h"

#include "lobby/GameRegistry.h"
#include "lobby/GlobalService.h"
#include "shell/Resources.h"
#include "shell/ZunoOnlineAppDelegate.h"

namespace zuno {

const ui::BindingTable& LobbyListScreen::bindings() {
    using B = ui::Bind<LobbyListScreen>;
    static const ui::BindingTable table(&ZunoViewController::bindings(),
                                        {
                                            B::outlet("btnRefresh", &LobbyListScreen::btnRefresh),
                                            B::outlet("lblAutoFind", &LobbyListScreen::lblAutoFind),
                                            B::outlet("lblRefresh", &LobbyListScreen::lblRefresh),
                                            B::outlet("lblTangWin", &LobbyListScreen::lblTangWin),
                                            B::outlet("lblNapWin", &LobbyListScreen::lblNapWin),
                                            B::outlet("lblDangXuat", &LobbyListScreen::lblDangXuat),
                                            // the money-transfer sheet comes with the money screens
                                            B::optionalOutlet("transferMoneyView", &LobbyListScreen::transferMoneyView),
                                            B::action("doUpdateRoomList:", &LobbyListScreen::doUpdateRoomList),
                                            B::action("doFindAutoBoard:", &LobbyListScreen::doFindAutoBoard),
                                            B::action("doTangWin:", &LobbyListScreen::doTangWin),
                                            B::action("showMenu:", &LobbyListScreen::showMenuAction),
                                        });
    return table;
}

std::optional<std::string> LobbyListScreen::roomNameKey(int8_t gameType) {
    const GameDescriptor* game = GameRegistry::find(gameType);
    if (!game || game->roomNameKey.empty()) return std::nullopt;
    return game->roomNameKey;
}

void LobbyListScreen::setTopBarTitle(const std::string& text) {
    auto delegate = ZunoOnlineAppDelegate::current();
    if (delegate && delegate->lblWindowTitle) delegate->lblWindowTitle->setText(text);
}

void LobbyListScreen::labelCaptions() {
    const Resources& r = Resources::getInstance();
    lblAutoFind->setText(r.textForKey("ZUNO_playNow"));
    lblRefresh->setText(r.textForKey("ZUNO_updateList"));
    lblTangWin->setText(r.textForKey("ZUNO_transferMoney"));
    lblDangXuat->setText(r.textForKey("ZUNO_logout"));
    lblNapWin->setText(r.textForKey("ZUNO_napWin"));
}

void LobbyListScreen::doUpdateRoomList(ui::Object*) {
    _reloading = true;
    showLoadingScreen();
    requestList();
    btnRefresh->setEnabled(false);
}

void LobbyListScreen::dataSourceDidFinishLoadingNewData() {
    _reloading = false;
    animateTopInset(0, 0.3);
    if (refreshHeaderView) {
        refreshHeaderView->setState(RefreshTableHeaderView::kNormal);
        refreshHeaderView->setCurrentDate();
    }
    btnRefresh->setEnabled(true);
}

void LobbyListScreen::doFindAutoBoard(ui::Object*) { GlobalService::getInstance().joinAnyBoard(); }

void LobbyListScreen::doTangWin(ui::Object*) {
    if (!transferMoneyView) return;
    view()->addSubview(transferMoneyView->view());
    transferMoneyView->viewWillAppear(false);
}

void LobbyListScreen::pullDidScroll(ui::ScrollView& scrollView) {
    if (!refreshHeaderView || !scrollView.isDragging() || _reloading) return;
    const double offset = scrollView.contentOffset().y;
    const int state = refreshHeaderView->state();
    if (state == RefreshTableHeaderView::kPulling && offset > kPullThreshold && offset < 0) {
        refreshHeaderView->setState(RefreshTableHeaderView::kNormal);
    } else if (state == RefreshTableHeaderView::kNormal && offset < kPullThreshold) {
        refreshHeaderView->setState(RefreshTableHeaderView::kPulling);
    }
}

void LobbyListScreen::pullDidEndDragging(ui::ScrollView& scrollView) {
    if (!refreshHeaderView || _reloading || scrollView.contentOffset().y > kPullThreshold) return;
    _reloading = true;
    requestList();
    refreshHeaderView->setState(RefreshTableHeaderView::kLoading);
    animateTopInset(kLoadingInset, 0.2);
}

void LobbyListScreen::animateTopInset(double top, double seconds) {
    ui::ScrollView* list = listView();
    if (!list) return;
    ui::View::beginAnimations();
    ui::View::setAnimationDuration(seconds);
    ui::EdgeInsets inset = list->contentInset();
    inset.top = top;
    list->setContentInset(inset);
    ui::View::commitAnimations();
}

}  // namespace zuno
