#pragma once

#include <optional>
#include <string_view>

#include "platform/core/Value.h"

namespace zuno::json {

// The value of a number text that already matched the JSON number grammar. Whole numbers without a
// fraction or an exponent that fit 64 bits become integers, everything else a double (correctly
// rounded). A magnitude too large for a double gives nothing; one too small gives zero.
std::optional<sys::Value> numberValue(std::string_view text);

}  // namespace zuno::json
