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

}  // namespace zuno::testing
