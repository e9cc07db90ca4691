#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/core/Value.h"

namespace zuno {

// One-call conversions with a fresh reader or writer each time. On failure they log the error trace
// and give nothing.

// An object or array as JSON text.
std::optional<std::string> JSONRepresentation(const sys::Value& value);
// Any value as JSON text.
std::optional<std::string> JSONFragment(const sys::Value& value);
// JSON text that holds an object or an array.
std::optional<sys::Value> JSONValue(std::string_view text);
// JSON text that holds any one value.
std::optional<sys::Value> JSONFragmentValue(std::string_view text);

}  // namespace zuno
