#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/ui/Bindings.h"
#include "platform/ui/Object.h"
#include "platform/ui/Touch.h"

namespace zuno::ui {

// Something that takes part in the chain that touches and key input travel along (a view, its
// controller, its superview, ..., the window, the application), and the owner of a table of outlets and
// actions.
class Responder : public Object, public std::enable_shared_from_this<Responder> {
public:
    Responder();
    ~Responder() override;

    virtual Responder* nextResponder() const { return nullptr; }

    // Each passes the touches on to the next responder unless overridden.
    virtual void touchesBegan(const TouchSet& touches, const Event& event);
    virtual void touchesMoved(const TouchSet& touches, const Event& event);
    virtual void touchesEnded(const TouchSet& touches, const Event& event);
    virtual void touchesCancelled(const TouchSet& touches, const Event& event);

    // One first responder at a time takes key input.
    virtual bool canBecomeFirstResponder() const { return false; }
    virtual bool canResignFirstResponder() const { return true; }
    virtual bool becomeFirstResponder();
    virtual bool resignFirstResponder();
    bool isFirstResponder() const;
    static Responder* firstResponder();
    // Forgets the first responder without telling it (between tests).
    static void clearFirstResponder();

    static const BindingTable& bindings();
    virtual const BindingTable& bindingTable() const { return bindings(); }
    // Runs the named action of this object's table; false when it has no such action.
    bool performAction(std::string_view name, Object* sender);

    // Expires when this object is destroyed; lets others hold it weakly without a shared_ptr.
    std::weak_ptr<const void> liveness() const { return token_; }

private:
    std::shared_ptr<const void> token_;
};

// Implemented by responders that take typed text (text fields, the emoticon field).
class KeyInput {
public:
    virtual ~KeyInput() = default;
    // "\n" is the return key.
    virtual void insertText(const std::string& text) = 0;
    virtual void deleteBackward() = 0;
    virtual bool hasText() const = 0;
};

}  // namespace zuno::ui
