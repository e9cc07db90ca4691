#pragma once

#include <memory>
#include <string>

#include "platform/ui/Button.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The three tabs of the shop and of the wardrobe tab: avatars, items ("VatPham") and presents
// ("QuaTang"). Only the avatar tab has content; the other two change the look of the buttons only.
class AvatarTabsScreen : public ZunoViewController {
    ZUNO_BINDINGS
public:
    explicit AvatarTabsScreen(std::string nibName) : ZunoViewController(std::move(nibName)) {}

    void viewWillAppear(bool animated) override;
    void doChangeTab(ui::Object* sender);
    virtual void unActiveAllTab() = 0;
    virtual void activeTab(ui::Button& button) = 0;

    std::shared_ptr<ui::Button> btnTabAvatarShop, btnTabVatPham, btnQuaTang;
    // The tag of the tab shown; the avatar tab (1) at first.
    int32_t viewingTabIndex = 0;
};

}  // namespace zuno
