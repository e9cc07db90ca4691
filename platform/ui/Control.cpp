#include "platform/ui/Control.h"

#include <algorithm>
#include <typeinfo>
#include <utility>

#include "platform/core/Log.h"
#include "platform/core/RunLoop.h"

namespace zuno::ui {

namespace {
// How far outside its bounds a finger may go and still count as inside the control.
constexpr double kTouchSlop = 70;
}  // namespace

void Control::addTarget(Responder* target, const std::string& action, unsigned events) {
    if (!target || action.empty() || events == 0) return;
    for (auto& e : entries_) {
        if (!e.handler && e.target == target && !e.alive.expired() && e.action == action) {
            e.events |= events;
            return;
        }
    }
    Entry e;
    e.target = target;
    e.alive = target->liveness();
    e.action = action;
    e.events = events;
    entries_.push_back(std::move(e));
}

void Control::removeTarget(const Responder* target, const std::string& action, unsigned events) {
    for (auto& e : entries_) {
        if (e.handler) continue;
        if (target && e.target != target) continue;
        if (!action.empty() && e.action != action) continue;
        e.events &= ~events;
    }
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                  [](const Entry& e) { return e.events == 0 || (!e.handler && e.alive.expired()); }),
                   entries_.end());
}

std::vector<std::string> Control::actionsForTarget(const Responder* target, unsigned event) const {
    std::vector<std::string> out;
    for (const auto& e : entries_) {
        if (!e.handler && e.target == target && !e.alive.expired() && (e.events & event)) out.push_back(e.action);
    }
    return out;
}

bool Control::hasActionsFor(unsigned events) const {
    for (const auto& e : entries_) {
        if ((e.events & events) && (e.handler || !e.alive.expired())) return true;
    }
    return false;
}

int Control::addHandler(std::function<void(Control&)> handler, unsigned events) {
    Entry e;
    e.handler = std::move(handler);
    e.events = events;
    e.handlerId = nextHandlerId_++;
    entries_.push_back(std::move(e));
    return entries_.back().handlerId;
}

void Control::removeHandler(int id) {
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(), [id](const Entry& e) { return e.handlerId == id; }),
                   entries_.end());
}

void Control::sendActionsForControlEvents(unsigned events) {
    auto keep = sharedFromThis();  // an action may remove this control from the screen
    for (unsigned bit = 1; bit != 0; bit <<= 1) {
        if (!(events & bit)) continue;
        // Actions may add or remove targets; work on a copy.
        auto entries = entries_;
        for (const auto& e : entries) {
            if (!(e.events & bit)) continue;
            if (e.handler) {
                e.handler(*this);
                continue;
            }
            if (e.alive.expired()) continue;
            // A shared target stays alive through its action, even when the action lets go of it.
            auto keepTarget = e.target->weak_from_this().lock();
            if (!e.target->performAction(e.action, this)) {
                sys::Log::warningFormat("unrecognized action %s sent to %s", e.action.c_str(), typeid(*e.target).name());
            }
        }
    }
}

void Control::setEnabled(bool on) {
    if (enabled_ == on) return;
    setNeedsDisplay();  // the look of the old state may reach elsewhere
    enabled_ = on;
    stateChanged();
}

void Control::setSelected(bool on) {
    if (selected_ == on) return;
    setNeedsDisplay();
    selected_ = on;
    stateChanged();
}

void Control::setHighlighted(bool on) {
    if (highlighted_ == on) return;
    setNeedsDisplay();
    highlighted_ = on;
    stateChanged();
}

unsigned Control::state() const {
    unsigned s = ControlState::Normal;
    if (highlighted_) s |= ControlState::Highlighted;
    if (!enabled_) s |= ControlState::Disabled;
    if (selected_) s |= ControlState::Selected;
    return s;
}

void Control::roleChanged() { roleChangedAt_ = sys::RunLoop::main().now(); }

void Control::touchesBegan(const TouchSet& touches, const Event& event) {
    if (!enabled_ || touches.empty()) return;
    const Touch& touch = *touches.front();
    // The first tap changed what the control offers (the reply to it gave the button another role):
    // the second tap of the double tap was aimed at what it offered before.
    staleTouch_ = touch.tapCount() > 1 && roleChangedAt_ >= touch.previousTapTime();
    if (staleTouch_) return;
    touchBeganAt_ = touch.timestamp();
    tracking_ = beginTracking(touch, event);
    touchInside_ = true;
    setHighlighted(true);
    unsigned events = ControlEvent::TouchDown;
    if (touch.tapCount() > 1) events |= ControlEvent::TouchDownRepeat;
    sendActionsForControlEvents(events);
}

void Control::touchesMoved(const TouchSet& touches, const Event& event) {
    if (!enabled_ || staleTouch_ || touches.empty()) return;
    const Touch& touch = *touches.front();
    Point p = touch.locationInView(this);
    bool inside = bounds().insetBy(-kTouchSlop, -kTouchSlop).contains(p);
    if (tracking_) tracking_ = continueTracking(touch, event);
    unsigned events = inside ? ControlEvent::TouchDragInside : ControlEvent::TouchDragOutside;
    if (inside && !touchInside_) events |= ControlEvent::TouchDragEnter;
    if (!inside && touchInside_) events |= ControlEvent::TouchDragExit;
    touchInside_ = inside;
    setHighlighted(inside);
    sendActionsForControlEvents(events);
}

void Control::touchesEnded(const TouchSet& touches, const Event& event) {
    if (touches.empty()) return;
    const Touch& touch = *touches.front();
    if (!enabled_ || std::exchange(staleTouch_, false)) {
        tracking_ = false;
        setHighlighted(false);
        return;
    }
    // Changed under the finger: lifting it is no tap on what the control offers now.
    if (roleChangedAt_ > touchBeganAt_ || !isShown()) {
        touchesCancelled(touches, event);
        return;
    }
    Point p = touch.locationInView(this);
    bool inside = bounds().insetBy(-kTouchSlop, -kTouchSlop).contains(p);
    if (tracking_) endTracking(touch, event);
    tracking_ = false;
    touchInside_ = inside;
    setHighlighted(false);
    sendActionsForControlEvents(inside ? ControlEvent::TouchUpInside : ControlEvent::TouchUpOutside);
}

void Control::touchesCancelled(const TouchSet& touches, const Event& event) {
    staleTouch_ = false;
    if (tracking_) cancelTracking(event);
    tracking_ = false;
    setHighlighted(false);
    if (enabled_) sendActionsForControlEvents(ControlEvent::TouchCancel);
}

}  // namespace zuno::ui
