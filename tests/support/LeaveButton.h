// The button a table screen leaves by, found by the action it sends to that screen.
#pragma once

#include <memory>

#include "support/ControlSending.h"

namespace zuno::testing {

inline std::shared_ptr<ui::Control> leaveButtonOf(const ui::View& view, const ui::Responder* screen) {
    return controlSending(view, screen, {"clickLeaveBoard", "doLeaveBoard:"});
}

}  // namespace zuno::testing
