#pragma once

namespace zuno {

// Dates of the social client, in seconds since 1970. They follow the main run loop's clock: on the
// virtual clock of the tests a day passes in one runFor(), with time 0 at kVirtualClockEpoch.
double socialNow();

constexpr double kVirtualClockEpoch = 1767225600.0;  // 2026-01-01
constexpr double kDistantFuture = 64092211200.0;     // 4001-01-01
constexpr double kDistantPast = -62135596800.0;      // 0001-01-01

}  // namespace zuno
