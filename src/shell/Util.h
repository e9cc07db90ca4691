#pragma once

#include <cstdint>
#include <string>

namespace zuno {

// Small helpers used across the application.
class Util {
public:
    // The amount with digit grouping, as money is shown everywhere: 1234567 -> "1,234,567".
    static std::string formatNumber(int64_t value);
};

}  // namespace zuno
