#include "platform/ui/GestureRecognizer.h"

#include <algorithm>

#include "platform/ui/Responder.h"
#include "platform/ui/View.h"

namespace zuno::ui {

void GestureRecognizer::addTarget(const std::shared_ptr<Responder>& target, std::string action) {
    for (const auto& t : targets_) {
        if (t.target.lock() == target && t.action == action) return;
    }
    targets_.push_back({target, std::move(action)});
}

void GestureRecognizer::removeTarget(const Responder* target, const std::string& action) {
    targets_.erase(std::remove_if(targets_.begin(), targets_.end(),
                                  [&](const Target& t) {
                                      return t.target.lock().get() == target && (action.empty() || t.action == action);
                                  }),
                   targets_.end());
}

Point GestureRecognizer::locationInView(const View* view) const {
    if (!view) return location_;
    return view->convertPointFromView(location_, nullptr);
}

void GestureRecognizer::fire(Point windowLocation) {
    location_ = windowLocation;
    state_ = State::Recognized;
    for (const auto& t : std::vector<Target>(targets_)) {
        if (auto target = t.target.lock()) target->performAction(t.action, this);
    }
    state_ = State::Possible;
}

bool TapGestureRecognizer::tapEnded(int tapCount, int touchCount, Point windowLocation) {
    if (!isEnabled() || tapCount != taps_ || touchCount != touches_) return false;
    fire(windowLocation);
    return true;
}

}  // namespace zuno::ui
