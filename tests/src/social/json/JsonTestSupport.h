#pragma once

#include <string>

#include "social/json/JsonBase.h"

namespace zuno::testing {

// The descriptions of a trace, innermost first, joined by " | ".
inline std::string traceText(const JsonBase& component) {
    std::string out;
    for (const auto& error : component.errorTrace()) out += (out.empty() ? "" : " | ") + error->description;
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
