#include "money/AvatarTabsScreen.h"

#include "platform/core/Log.h"
#include "platform/ui/Application.h"
#include "shell/Resources.h"

namespace zuno {

const ui::BindingTable& AvatarTabsScreen::bindings() {
    using B = ui::Bind<AvatarTabsScreen>;
    static const ui::BindingTable table(&ZunoViewController::bindings(),
                                        {
                                            B::outlet("btnTabAvatarShop", &AvatarTabsScreen::btnTabAvatarShop),
                                            B::outlet("btnTabVatPham", &AvatarTabsScreen::btnTabVatPham),
                                            B::outlet("btnQuaTang", &AvatarTabsScreen::btnQuaTang),
                                            B::action("doChangeTab:", &AvatarTabsScreen::doChangeTab),
                                        });
    return table;
}

void AvatarTabsScreen::viewWillAppear(bool animated) {
    ui::Application::shared().setStatusBarOrientation(ui::InterfaceOrientation::LandscapeRight);
    ZunoViewController::viewWillAppear(animated);
    const Resources& r = Resources::getInstance();
    btnTabVatPham->setTitle(r.textForKey("ZUNO_VatPham"));
    btnQuaTang->setTitle(r.textForKey("ZUNO_QuaTang"));
}

void AvatarTabsScreen::doChangeTab(ui::Object* sender) {
    auto* button = dynamic_cast<ui::Button*>(sender);
    if (!button) return;
    sys::Log::debugFormat("Tag:%d", button->tag());
    if (button->tag() == viewingTabIndex) return;
    unActiveAllTab();
    activeTab(*button);
    viewingTabIndex = button->tag();
}

}  // namespace zuno
