// The button a table screen leaves by, found by the action it sends to that screen.
#pragma once

#include <memory>

#include "platform/ui/Control.h"
#include "platform/ui/View.h"

namespace zuno::testing {

inline std::shared_ptr<ui::Control> leaveButtonOf(const ui::View& view, const ui::Responder* screen) {
    for (const auto& sub : view.subviews()) {
        if (auto control = std::dynamic_pointer_cast<ui::Control>(sub)) {
            for (const std::string& action : control->actionsForTarget(screen, ui::ControlEvent::TouchUpInside))
                if (action == "clickLeaveBoard" || action == "doLeaveBoard:") return control;
        }
        if (auto found = leaveButtonOf(*sub, screen)) return found;
    }
    return nullptr;
}

}  // namespace zuno::testing
