// A control found by the action it sends to its target on a tap, as a player finds a button by what
// it does.
#pragma once

#include <initializer_list>
#include <memory>
#include <string_view>

#include "platform/ui/Control.h"
#include "platform/ui/View.h"

namespace zuno::testing {

// The first control inside the view (depth first) that sends one of the actions to the target.
inline std::shared_ptr<ui::Control> controlSending(const ui::View& view, const ui::Responder* target,
                                                   std::initializer_list<std::string_view> actions) {
    for (const auto& sub : view.subviews()) {
        if (auto control = std::dynamic_pointer_cast<ui::Control>(sub)) {
            for (const std::string& action : control->actionsForTarget(target, ui::ControlEvent::TouchUpInside))
                for (std::string_view wanted : actions)
                    if (action == wanted) return control;
        }
        if (auto found = controlSending(*sub, target, actions)) return found;
    }
    return nullptr;
}

}  // namespace zuno::testing
