#include "shell/CustomUISwitch.h"

#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScreenFactory.h"
#include "shell/Resources.h"

namespace zuno {

void CustomUISwitch::layoutSubviews() {
    ui::Switch::layoutSubviews();
    const Resources& r = Resources::getInstance();
    for (const auto& child : subviews()) {
        for (const auto& grandchild : child->subviews()) {
            if (std::dynamic_pointer_cast<ui::ImageView>(grandchild)) continue;
            const auto& parts = grandchild->subviews();
            if (!parts.empty()) {
                if (auto on = std::dynamic_pointer_cast<ui::Label>(parts[0])) on->setText(r.textForKey("ZUNO_on"));
            }
            if (parts.size() > 1) {
                if (auto off = std::dynamic_pointer_cast<ui::Label>(parts[1])) off->setText(r.textForKey("ZUNO_off"));
            }
        }
    }
}

ZUNO_REGISTER_VIEW(CustomUISwitch)

}  // namespace zuno
