#include "platform/ui/Responder.h"

namespace zuno::ui {

namespace {
// The first responder; cleared when it goes.
Responder* gFirstResponder = nullptr;
}  // namespace

Responder::Responder() : token_(std::make_shared<char>(0)) {}

Responder::~Responder() {
    if (gFirstResponder == this) gFirstResponder = nullptr;
}

void Responder::touchesBegan(const TouchSet& touches, const Event& event) {
    if (auto* next = nextResponder()) next->touchesBegan(touches, event);
}

void Responder::touchesMoved(const TouchSet& touches, const Event& event) {
    if (auto* next = nextResponder()) next->touchesMoved(touches, event);
}

void Responder::touchesEnded(const TouchSet& touches, const Event& event) {
    if (auto* next = nextResponder()) next->touchesEnded(touches, event);
}

void Responder::touchesCancelled(const TouchSet& touches, const Event& event) {
    if (auto* next = nextResponder()) next->touchesCancelled(touches, event);
}

bool Responder::becomeFirstResponder() {
    if (gFirstResponder == this) return true;
    if (!canBecomeFirstResponder()) return false;
    if (gFirstResponder && !gFirstResponder->resignFirstResponder()) return false;
    gFirstResponder = this;
    return true;
}

bool Responder::resignFirstResponder() {
    if (gFirstResponder != this) return true;
    if (!canResignFirstResponder()) return false;
    gFirstResponder = nullptr;
    return true;
}

bool Responder::isFirstResponder() const { return gFirstResponder == this; }

Responder* Responder::firstResponder() { return gFirstResponder; }

void Responder::clearFirstResponder() { gFirstResponder = nullptr; }

const BindingTable& Responder::bindings() {
    static const BindingTable table;
    return table;
}

bool Responder::performAction(std::string_view name, Object* sender) {
    const auto* action = bindingTable().findAction(name);
    if (!action) return false;
    action->call(*this, sender);
    return true;
}

}  // namespace zuno::ui
