#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/View.h"

namespace zuno::ui {

// Control events (bit flags), as the toolkit numbers them.
namespace ControlEvent {
constexpr unsigned TouchDown = 1 << 0;
constexpr unsigned TouchDownRepeat = 1 << 1;
constexpr unsigned TouchDragInside = 1 << 2;
constexpr unsigned TouchDragOutside = 1 << 3;
constexpr unsigned TouchDragEnter = 1 << 4;
constexpr unsigned TouchDragExit = 1 << 5;
constexpr unsigned TouchUpInside = 1 << 6;
constexpr unsigned TouchUpOutside = 1 << 7;
constexpr unsigned TouchCancel = 1 << 8;
constexpr unsigned ValueChanged = 1 << 12;
constexpr unsigned EditingDidBegin = 1 << 16;
constexpr unsigned EditingChanged = 1 << 17;
constexpr unsigned EditingDidEnd = 1 << 18;
constexpr unsigned EditingDidEndOnExit = 1 << 19;
constexpr unsigned AllTouchEvents = 0x00000FFF;
constexpr unsigned AllEditingEvents = 0x000F0000;
constexpr unsigned AllEvents = 0xFFFFFFFF;
}  // namespace ControlEvent

// Control states (bit flags); Normal is none of them.
namespace ControlState {
constexpr unsigned Normal = 0;
constexpr unsigned Highlighted = 1 << 0;
constexpr unsigned Disabled = 1 << 1;
constexpr unsigned Selected = 1 << 2;
}  // namespace ControlState

// A view that turns touches into control events and sends each event's actions to their targets.
// A target is held weakly; the same target and action added again for an event is not added twice.
// A tap acts on what the control offered when it was aimed: one lifted after the control took another
// role (a button's title changed) or went out of sight under it, and the second tap of a quick double
// tap that comes after the first changed the control's role, do nothing.
class Control : public View {
public:
    using View::View;

    void addTarget(Responder* target, const std::string& action, unsigned events);
    // target nullptr: every target; action empty: every action of the target.
    void removeTarget(const Responder* target, const std::string& action, unsigned events);
    std::vector<std::string> actionsForTarget(const Responder* target, unsigned event) const;
    size_t targetActionCount() const { return entries_.size(); }
    bool hasActionsFor(unsigned events) const;
    // A plain function for an event (code and tests); answers an id for removeHandler.
    int addHandler(std::function<void(Control& sender)> handler, unsigned events);
    void removeHandler(int id);

    // Sends the actions of every given event, in the order they were added.
    void sendActionsForControlEvents(unsigned events);

    bool isEnabled() const { return enabled_; }
    virtual void setEnabled(bool on);
    bool isSelected() const { return selected_; }
    virtual void setSelected(bool on);
    bool isHighlighted() const { return highlighted_; }
    virtual void setHighlighted(bool on);
    unsigned state() const;
    // What the control offers a tap has changed (a button's title): taps aimed before act no more.
    void roleChanged();
    bool isTracking() const { return tracking_; }
    bool isTouchInside() const { return touchInside_; }
    // Whether a scroll view may take a drag that began on this control away from it.
    virtual bool canBeCancelledByScrollView() const { return true; }

    // Tracking hooks; the touch methods call them. Returning false from begin/continue ends tracking.
    virtual bool beginTracking(const Touch& touch, const Event& event) { return true; }
    virtual bool continueTracking(const Touch& touch, const Event& event) { return true; }
    virtual void endTracking(const Touch& touch, const Event& event) {}
    virtual void cancelTracking(const Event& event) {}

    void touchesBegan(const TouchSet& touches, const Event& event) override;
    void touchesMoved(const TouchSet& touches, const Event& event) override;
    void touchesEnded(const TouchSet& touches, const Event& event) override;
    void touchesCancelled(const TouchSet& touches, const Event& event) override;

protected:
    virtual void stateChanged() { setNeedsDisplay(); }

private:
    struct Entry {
        Responder* target = nullptr;
        std::weak_ptr<const void> alive;
        std::string action;
        unsigned events = 0;
        int handlerId = 0;
        std::function<void(Control&)> handler;
    };
    std::vector<Entry> entries_;
    int nextHandlerId_ = 1;
    bool enabled_ = true;
    bool selected_ = false;
    bool highlighted_ = false;
    bool tracking_ = false;
    bool touchInside_ = false;
    double roleChangedAt_ = -1;
    double touchBeganAt_ = 0;
    bool staleTouch_ = false;  // the touch under way was aimed at a role the control no longer has
};

}  // namespace zuno::ui
