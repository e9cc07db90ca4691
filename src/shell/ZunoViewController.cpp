#include "shell/ZunoViewController.h"

#include <memory>

#include "platform/ui/ActivityIndicatorView.h"

namespace zuno {

void ZunoViewController::showLoadingScreen() {
    hideLoadingScreen();
    auto root = view();
    const ui::Rect bounds = root->frame();
    auto spinner = std::make_shared<ui::ActivityIndicatorView>();
    spinner->setFrame(ui::Rect(bounds.size.width / 2 - 25, bounds.size.height / 2 - 25, 50, 50));
    root->addSubview(spinner);
    spinner->startAnimating();
}

void ZunoViewController::hideLoadingScreen() {
    auto root = viewIfLoaded();
    if (!root) return;
    auto children = root->subviews();
    for (const auto& child : children)
        if (std::dynamic_pointer_cast<ui::ActivityIndicatorView>(child)) child->removeFromSuperview();
}

}  // namespace zuno
