#include "platform/ui/Bindings.h"

namespace zuno::ui {

BindingTable::BindingTable(const BindingTable* base, std::vector<Entry> entries) : base_(base) {
    for (auto& e : entries) {
        if (e.isOutlet) {
            outlets_.push_back(std::move(e.outlet));
        } else {
            actions_.push_back(std::move(e.action));
        }
    }
}

const BindingTable::Outlet* BindingTable::findOutlet(std::string_view name) const {
    for (const auto& o : outlets_) {
        if (o.name == name) return &o;
    }
    return base_ ? base_->findOutlet(name) : nullptr;
}

const BindingTable::Action* BindingTable::findAction(std::string_view name) const {
    for (const auto& a : actions_) {
        if (a.name == name) return &a;
    }
    return base_ ? base_->findAction(name) : nullptr;
}

std::vector<std::string> BindingTable::outletNames() const {
    std::vector<std::string> names = base_ ? base_->outletNames() : std::vector<std::string>{};
    for (const auto& o : outlets_) names.push_back(o.name);
    return names;
}

std::vector<std::string> BindingTable::actionNames() const {
    std::vector<std::string> names = base_ ? base_->actionNames() : std::vector<std::string>{};
    for (const auto& a : actions_) names.push_back(a.name);
    return names;
}

}  // namespace zuno::ui
