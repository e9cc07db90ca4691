#pragma once

#include <cstdint>
#include <string>

namespace zuno {

// Small helpers used across the application.
class Util {
public:
    // The kind of link the local network reachability reports: "WIFI", "GPRS/3G" or "Others".
    static std::string getNetworkType();
    // YES when the internet is reachable by any link.
    static bool connectedToInternet();
    // The amount with digit grouping, as money is shown everywhere: 1234567 -> "1,234,567".
    static std::string formatNumber(int64_t value);
};

}  // namespace zuno
