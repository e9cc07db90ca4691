#pragma once

#include <string>
#include <vector>

#include "social/json/JsonBase.h"

namespace zuno::testing {

// The descriptions of a trace, innermost first.
inline std::vector<std::string> descriptions(const JsonBase& component) {
    std::vector<std::string> out;
    for (const auto& error : component.errorTrace()) out.push_back(error->description);
    return out;
}

// The record a caller reports: the last one.
inline std::string lastError(const JsonBase& component) {
    auto trace = component.errorTrace();
    return trace.empty() ? std::string("(no error)") : trace.back()->description;
}

inline JsonErrorCode lastCode(const JsonBase& component) {
    auto trace = component.errorTrace();
    return trace.empty() ? JsonErrorCode{} : trace.back()->code;
}

}  // namespace zuno::testing
