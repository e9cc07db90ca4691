#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <typeinfo>
#include <vector>

#include "platform/ui/Object.h"

namespace zuno::ui {

// The outlets and actions of one class, by name: interface files bind through it, and controls call
// actions through it. A table extends its base class's table.
class BindingTable {
public:
    // Answers false when the value is not of the outlet's kind.
    using OutletSetter = std::function<bool(Object& owner, const std::shared_ptr<Object>& value)>;
    using ActionCall = std::function<void(Object& owner, Object* sender)>;

    struct Outlet {
        std::string name;
        OutletSetter set;
    };
    struct Action {
        std::string name;
        ActionCall call;
    };
    struct Entry {
        bool isOutlet = false;
        Outlet outlet;
        Action action;
    };

    BindingTable() = default;
    BindingTable(const BindingTable* base, std::vector<Entry> entries);

    const Outlet* findOutlet(std::string_view name) const;
    const Action* findAction(std::string_view name) const;
    std::vector<std::string> outletNames() const;
    std::vector<std::string> actionNames() const;

private:
    const BindingTable* base_ = nullptr;
    std::vector<Outlet> outlets_;
    std::vector<Action> actions_;
};

// Builders of table entries for class C.
template <class C>
struct Bind {
    template <class V>
    static BindingTable::Entry outlet(std::string name, std::shared_ptr<V> C::*field) {
        BindingTable::Entry e;
        e.isOutlet = true;
        e.outlet.name = std::move(name);
        e.outlet.set = [field](Object& owner, const std::shared_ptr<Object>& value) {
            auto* self = dynamic_cast<C*>(&owner);
            if (!self) return false;
            if (!value) {
                self->*field = nullptr;
                return true;
            }
            auto typed = std::dynamic_pointer_cast<V>(value);
            if (!typed) return false;
            self->*field = std::move(typed);
            return true;
        };
        return e;
    }

    static BindingTable::Entry action(std::string name, void (C::*fn)()) {
        BindingTable::Entry e;
        e.action.name = std::move(name);
        e.action.call = [fn](Object& owner, Object*) {
            if (auto* self = dynamic_cast<C*>(&owner)) (self->*fn)();
        };
        return e;
    }

    // The sender is handed over when it is of the parameter's kind, else nullptr.
    template <class S>
    static BindingTable::Entry action(std::string name, void (C::*fn)(S*)) {
        BindingTable::Entry e;
        e.action.name = std::move(name);
        e.action.call = [fn](Object& owner, Object* sender) {
            if (auto* self = dynamic_cast<C*>(&owner)) (self->*fn)(dynamic_cast<S*>(sender));
        };
        return e;
    }
};

}  // namespace zuno::ui

// Inside a class: declares its table. The table itself is defined in the class's source file:
//   const ui::BindingTable& LoginView::bindings() {
//       using B = ui::Bind<LoginView>;
//       static const ui::BindingTable table(&Base::bindings(), {B::outlet(...), B::action(...)});
//       return table;
//   }
#define ZUNO_BINDINGS                                        \
public:                                                      \
    static const ::zuno::ui::BindingTable& bindings();       \
    const ::zuno::ui::BindingTable& bindingTable() const override { return bindings(); }
