// The buttons of a screen found by the action they send it: any of them, and a table screen's leave.
#pragma once

#include <initializer_list>
#include <memory>
#include <string_view>

#include "platform/ui/Control.h"
#include "platform/ui/View.h"

namespace zuno::testing {

// The first control inside the view (depth first) that a tap makes send one of the actions to the screen.
inline std::shared_ptr<ui::Control> controlSending(const ui::View& view, const ui::Responder* screen,
                                                   std::initializer_list<std::string_view> actions) {
    for (const auto& sub : view.subviews()) {
        if (auto control = std::dynamic_pointer_cast<ui::Control>(sub)) {
            for (const std::string& action : control->actionsForTarget(screen, ui::ControlEvent::TouchUpInside))
                for (std::string_view wanted : actions)
                    if (action == wanted) return control;
        }
        if (auto found = controlSending(*sub, screen, actions)) return found;
    }
    return nullptr;
}

inline std::shared_ptr<ui::Control> leaveButtonOf(const ui::View& view, const ui::Responder* screen) {
    return controlSending(view, screen, {"clickLeaveBoard", "doLeaveBoard:"});
}

}  // namespace zuno::testing
