#pragma once

#include <stdexcept>
#include <string>

namespace zuno::sys {

// The failure our readers and services raise. It carries a name (what decoders log as
// "Exception <name>") and a reason for people.
class Exception : public std::runtime_error {
public:
    Exception(std::string name, std::string reason)
        : std::runtime_error(name + ": " + reason), name_(std::move(name)), reason_(std::move(reason)) {}

    const std::string& name() const { return name_; }
    const std::string& reason() const { return reason_; }

    // Names used across the platform.
    static constexpr const char* kRange = "RangeException";
    static constexpr const char* kInvalidArgument = "InvalidArgumentException";

private:
    std::string name_;
    std::string reason_;
};

// The name a decoder logs for any caught failure: ours carry one, others give their type's message.
inline std::string failureName(const std::exception& e) {
    if (auto* ours = dynamic_cast<const Exception*>(&e)) return ours->name();
    return e.what();
}

}  // namespace zuno::sys
