#pragma once

#include <optional>
#include <string>

#include "platform/ui/ViewController.h"

namespace zuno {

// The base of most screens: for now only the centred loading spinner.
class ZunoViewController : public ui::ViewController {
public:
    explicit ZunoViewController(std::optional<std::string> nibName = std::nullopt)
        : ui::ViewController(std::move(nibName)) {}

    // Replaces any spinner of the screen with a new one, 50 by 50, centred and turning.
    virtual void showLoadingScreen();
    // Removes every spinner that is a direct subview of the screen's view.
    virtual void hideLoadingScreen();
};

}  // namespace zuno
