#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeinfo>
#include <vector>

#include "platform/ui/Object.h"

namespace zuno::ui {

// The outlets, actions and attributes of one class, by name: interface files bind through it, and
// controls call actions through it. A table extends its base class's table. Attributes are what an
// interface file may set on a custom view (or object) beyond those of its built-in kind.
class BindingTable {
public:
    // Answers false when the value is not of the outlet's kind.
    using OutletSetter = std::function<bool(Object& owner, const std::shared_ptr<Object>& value)>;
    using ActionCall = std::function<void(Object& owner, Object* sender)>;
    // Answers false when the text is not a value of the attribute.
    using AttributeSetter = std::function<bool(Object& owner, const std::string& text)>;

    struct Outlet {
        std::string name;
        OutletSetter set;
        bool optional = false;  // a file may leave it unconnected
    };
    struct Action {
        std::string name;
        ActionCall call;
    };
    struct Attribute {
        std::string name;
        AttributeSetter set;
        bool isText = false;  // a text, which may name a language key ("@KEY")
    };
    struct Entry {
        enum class Kind { Action, Outlet, Attribute };
        Kind kind = Kind::Action;
        Outlet outlet;
        Action action;
        Attribute attribute;
    };

    BindingTable() = default;
    BindingTable(const BindingTable* base, std::vector<Entry> entries);

    const Outlet* findOutlet(std::string_view name) const;
    const Action* findAction(std::string_view name) const;
    const Attribute* findAttribute(std::string_view name) const;
    std::vector<std::string> outletNames() const;
    // The outlets every file of the class must connect.
    std::vector<std::string> requiredOutletNames() const;
    std::vector<std::string> actionNames() const;

private:
    const BindingTable* base_ = nullptr;
    std::vector<Outlet> outlets_;
    std::vector<Action> actions_;
    std::vector<Attribute> attributes_;
};

// Values of attributes from their text; false when the text is not one.
bool parseAttribute(const std::string& text, std::string& out);
bool parseAttribute(const std::string& text, double& out);
bool parseAttribute(const std::string& text, int& out);
bool parseAttribute(const std::string& text, bool& out);

// An attribute set by a member function taking a text, a number or a flag.
//   B::attribute("caption", &Badge::setCaption)    caption="@ZUNO_new" or caption="New"
//   B::attribute("count", &Badge::setCount)        count="3"
template <class C>
struct BindAttribute {
    template <class T>
    static BindingTable::Entry make(std::string name, void (C::*fn)(T)) {
        using V = std::remove_cvref_t<T>;
        BindingTable::Entry e;
        e.kind = BindingTable::Entry::Kind::Attribute;
        e.attribute.name = std::move(name);
        e.attribute.isText = std::is_same_v<V, std::string>;
        e.attribute.set = [fn](Object& owner, const std::string& text) {
            auto* self = dynamic_cast<C*>(&owner);
            if (!self) return false;
            V value;
            if (!parseAttribute(text, value)) return false;
            (self->*fn)(value);
            return true;
        };
        return e;
    }
};

// Builders of table entries for class C.
template <class C>
struct Bind {
    template <class V>
    static BindingTable::Entry outlet(std::string name, std::shared_ptr<V> C::*field) {
        BindingTable::Entry e;
        e.kind = BindingTable::Entry::Kind::Outlet;
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
    // An outlet that only some of the class's files have.
    template <class V>
    static BindingTable::Entry optionalOutlet(std::string name, std::shared_ptr<V> C::*field) {
        BindingTable::Entry e = outlet(std::move(name), field);
        e.outlet.optional = true;
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

    template <class T>
    static BindingTable::Entry attribute(std::string name, void (C::*fn)(T)) {
        return BindAttribute<C>::make(std::move(name), fn);
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
