#include "screens/MenuLinks.h"

#include <algorithm>
#include <cmath>

#include "platform/core/Log.h"
#include "platform/ui/Label.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/ScreenFactory.h"
#include "screens/ScreenTitle.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "shell/ZunoOnlineAppDelegate.h"

namespace zuno::menu {

std::shared_ptr<ui::ViewController> pushNamed(ZunoViewController& from, const char* name) {
    auto screen = ui::ScreenFactory::create(name);
    if (!screen) {
        sys::Log::warning(std::string("Menu: no screen named ") + name);
        return nullptr;
    }
    if (auto nav = from.navigationController()) nav->pushViewController(screen, true);
    return screen;
}

void openEventPage(ZunoViewController& from, std::string_view titleKey) {
    pushNamed(from, "EventView");
    setUpperCasedWindowTitle(titleKey);
}

void showSendAdminView(ZunoViewController& from, std::shared_ptr<ui::ViewController>& sheet) {
    // The feedback sheet is made by name: it belongs to the feedback screens.
    if (!sheet) sheet = ui::ScreenFactory::create("SendAdminView");
    if (!sheet) {
        sys::Log::warning("Menu: no feedback sheet");
        return;
    }
    sheet->setTitle(Resources::getInstance().textForKey("ZUNO_Comment"));
    from.view()->addSubview(sheet->view());
    sheet->viewWillAppear(false);
}

void callHotline() { UIController::callHotline(Resources::getInstance().configValue("Hotline").asText()); }

void closeSideMenu(ZunoViewController& from) {
    auto delegate = ZunoOnlineAppDelegate::current();
    if (delegate && delegate->btnMenu && delegate->btnMenu->tag() == 1) from.showMenu();
}

}  // namespace zuno::menu

namespace zuno {

const ui::BindingTable& MenuLinksScreen::bindings() {
    using B = ui::Bind<MenuLinksScreen>;
    static const ui::BindingTable table(&ZunoViewController::bindings(),
                                        {
                                            B::outlet("lblHuongDan", &MenuLinksScreen::lblHuongDan),
                                            B::outlet("lblGopY", &MenuLinksScreen::lblGopY),
                                            B::outlet("lblGoiTroGiup", &MenuLinksScreen::lblGoiTroGiup),
                                            B::outlet("lblTangBanBe", &MenuLinksScreen::lblTangBanBe),
                                            B::outlet("lblDangXuat", &MenuLinksScreen::lblDangXuat),
                                            B::outlet("scrollView", &MenuLinksScreen::scrollView),
                                            B::outlet("linkPages", &MenuLinksScreen::linkPages),
                                            B::action("linkPageChanged:", &MenuLinksScreen::linkPageChanged),
                                            // made by name when first shown
                                            B::optionalOutlet("sendAdminView", &MenuLinksScreen::sendAdminView),
                                            B::action("clickHuongDan:", &MenuLinksScreen::clickHuongDan),
                                            B::action("clickQuyDinh:", &MenuLinksScreen::clickQuyDinh),
                                            B::action("showTellFriendView", &MenuLinksScreen::showTellFriendView),
                                            B::action("showSendAdminView", &MenuLinksScreen::showSendAdminView),
                                            B::action("callHotline:", &MenuLinksScreen::callHotline),
                                            B::action("backGroundHidden:", &MenuLinksScreen::backGroundHidden),
                                        });
    return table;
}

void MenuLinksScreen::setUpLinkPages() {
    const double width = scrollView->bounds().size.width;
    double end = 0;
    for (const auto& link : scrollView->subviews()) end = std::max(end, link->frame().maxX());
    const int pages = width > 0 ? std::max(1, int(std::ceil(end / width))) : 1;
    scrollView->setScrollEnabled(true);
    scrollView->setPagingEnabled(true);
    scrollView->setShowsHorizontalScrollIndicator(false);
    scrollView->setContentSize({width * pages, scrollView->bounds().size.height});
    scrollView->setDelegate(std::dynamic_pointer_cast<ui::ScrollViewDelegate>(shared_from_this()));
    linkPages->setNumberOfPages(pages);
    linkPages->setCurrentPage(0);
    linkPages->setHidesForSinglePage(true);
}

void MenuLinksScreen::linkPageChanged(ui::Object*) {
    const ui::Size size = scrollView->bounds().size;
    scrollView->setContentOffset({size.width * linkPages->currentPage(), 0}, true);
}

void MenuLinksScreen::scrollViewDidScroll(ui::ScrollView& strip) {
    const double width = strip.bounds().size.width;
    if (width > 0) linkPages->setCurrentPage(int(std::lround(strip.contentOffset().x / width)));
}

void MenuLinksScreen::clickHuongDan(ui::Object*) { menu::openEventPage(*this, "ZUNO_guide"); }
void MenuLinksScreen::clickQuyDinh(ui::Object*) { menu::openEventPage(*this, "ZUNO_term"); }
void MenuLinksScreen::showTellFriendView() { menu::pushNamed(*this, "TellFriendView"); }
void MenuLinksScreen::showSendAdminView() { menu::showSendAdminView(*this, sendAdminView); }
void MenuLinksScreen::callHotline(ui::Object*) { menu::callHotline(); }
void MenuLinksScreen::backGroundHidden(ui::Object*) { menu::closeSideMenu(*this); }

}  // namespace zuno
