#pragma once

#include <memory>
#include <string_view>

#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/ScrollView.h"
#include "shell/ZunoViewController.h"

namespace zuno::menu {

// What the main menu and the game list share: the strip of links under their tiles and the screens
// their tiles open.

// Creates the screen of that name and pushes it, animated, on the screen's navigation stack; answers
// it (none when no such screen is built).
std::shared_ptr<ui::ViewController> pushNamed(ZunoViewController& from, const char* name);
// Pushes the page screen and titles it with the key's text in capitals; the title picks its page.
void openEventPage(ZunoViewController& from, std::string_view titleKey);
// The feedback sheet slides in over the screen; the screen keeps it in `sheet`, made on first use.
void showSendAdminView(ZunoViewController& from, std::shared_ptr<ui::ViewController>& sheet);
void callHotline();
// Closes the side menu when it is open.
void closeSideMenu(ZunoViewController& from);

}  // namespace zuno::menu

namespace zuno {

// A screen with the strip of links in its scroll view: guide, terms, feedback, hotline, tell a friend
// and logout. The strip turns by pages of whole links, its dots under it showing that there is more.
class MenuLinksScreen : public ZunoViewController, public ui::ScrollViewDelegate {
    ZUNO_BINDINGS
public:
    using ZunoViewController::ZunoViewController;

    // Pages as wide as the strip, as many as its links fill; called once the strip is loaded.
    void setUpLinkPages();
    void linkPageChanged(ui::Object* sender);
    void scrollViewDidScroll(ui::ScrollView& scrollView) override;

    void clickHuongDan(ui::Object* sender);
    void clickQuyDinh(ui::Object* sender);
    void showTellFriendView();
    void showSendAdminView();
    void callHotline(ui::Object* sender);
    void backGroundHidden(ui::Object* sender);

    std::shared_ptr<ui::Label> lblHuongDan, lblGopY, lblGoiTroGiup, lblTangBanBe, lblDangXuat;
    std::shared_ptr<ui::ScrollView> scrollView;
    std::shared_ptr<ui::PageControl> linkPages;
    // The feedback sheet, made when first shown.
    std::shared_ptr<ui::ViewController> sendAdminView;
};

}  // namespace zuno
