#pragma once

#include <cstdint>

namespace zuno::sys {

// Wall-clock time in milliseconds since 1970.
int64_t currentTimeMillis();
// Wall-clock time in seconds since 1970, with a fraction.
double currentTimeSeconds();
// A monotonic clock in seconds, for measuring durations.
double monotonicSeconds();

}  // namespace zuno::sys
