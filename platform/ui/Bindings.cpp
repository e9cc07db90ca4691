#include "platform/ui/Bindings.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace zuno::ui {

BindingTable::BindingTable(const BindingTable* base, std::vector<Entry> entries) : base_(base) {
    for (auto& e : entries) {
        switch (e.kind) {
            case Entry::Kind::Outlet: outlets_.push_back(std::move(e.outlet)); break;
            case Entry::Kind::Action: actions_.push_back(std::move(e.action)); break;
            case Entry::Kind::Attribute: attributes_.push_back(std::move(e.attribute)); break;
        }
    }
}

const BindingTable::Attribute* BindingTable::findAttribute(std::string_view name) const {
    for (const auto& a : attributes_) {
        if (a.name == name) return &a;
    }
    return base_ ? base_->findAttribute(name) : nullptr;
}

bool parseAttribute(const std::string& text, std::string& out) {
    out = text;
    return true;
}

bool parseAttribute(const std::string& text, double& out) {
    char* end = nullptr;
    double v = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !std::isfinite(v)) return false;
    out = v;
    return true;
}

bool parseAttribute(const std::string& text, int& out) {
    char* end = nullptr;
    errno = 0;
    long v = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno != 0 || v < INT_MIN || v > INT_MAX) return false;
    out = static_cast<int>(v);
    return true;
}

bool parseAttribute(const std::string& text, bool& out) {
    if (text == "true" || text == "yes" || text == "1") out = true;
    else if (text == "false" || text == "no" || text == "0") out = false;
    else return false;
    return true;
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

std::vector<std::string> BindingTable::requiredOutletNames() const {
    std::vector<std::string> names = base_ ? base_->requiredOutletNames() : std::vector<std::string>{};
    for (const auto& o : outlets_)
        if (!o.optional) names.push_back(o.name);
    return names;
}

std::vector<std::string> BindingTable::actionNames() const {
    std::vector<std::string> names = base_ ? base_->actionNames() : std::vector<std::string>{};
    for (const auto& a : actions_) names.push_back(a.name);
    return names;
}

}  // namespace zuno::ui
