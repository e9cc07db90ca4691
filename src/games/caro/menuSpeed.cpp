#include "games/caro/menuSpeed.h"

#include "platform/ui/ScreenFactory.h"
#include "shell/Resources.h"

namespace zuno {

#define O(name) B::outlet(#name, &menuSpeed::name)

const ui::BindingTable& menuSpeed::bindings() {
    using B = ui::Bind<menuSpeed>;
    static const ui::BindingTable table(&CustomUIActionSheetViewController::bindings(),
                                        {O(btnFaster), O(btnNormal), O(btnSlower), O(imgFaster), O(imgNormal),
                                         O(imgSlower), B::action("doSetupSpeed:", &menuSpeed::doSetupSpeed)});
    return table;
}

#undef O

menuSpeed::menuSpeed() : CustomUIActionSheetViewController(std::string("menuSpeed")) {}

void menuSpeed::viewWillAppear(bool animated) {
    CustomUIActionSheetViewController::viewWillAppear(animated);
    auto& resources = Resources::getInstance();
    if (btnFaster) btnFaster->setTitle(resources.textForKey("ZUNO_setFaster"));
    if (btnNormal) btnNormal->setTitle(resources.textForKey("ZUNO_setNormal"));
    if (btnSlower) btnSlower->setTitle(resources.textForKey("ZUNO_setSlower"));
    const int8_t chosen = customInterval ? customInterval() : kNormal;
    const std::pair<ui::ImageView*, int8_t> marks[] = {
        {imgFaster.get(), kFaster}, {imgNormal.get(), kNormal}, {imgSlower.get(), kSlower}};
    for (const auto& [mark, speed] : marks)
        if (mark) mark->setHidden(speed != chosen);
}

void menuSpeed::doSetupSpeed(ui::Object* sender) {
    auto* button = dynamic_cast<ui::View*>(sender);
    if (button && setCustomInterval) setCustomInterval(static_cast<int8_t>(button->tag()));
    slideOut();
}

ZUNO_REGISTER_SCREEN(menuSpeed)

}  // namespace zuno
