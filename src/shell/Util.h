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
    // The time of day now, "HH:mm".
    static std::string getDayMonth();
    // The date, given in seconds since 1970, as "dd/MM/yyyy".
    static std::string getDateString(double secondsSince1970);
    // The amount with digit grouping, as money is shown everywhere: 1234567 -> "1,234,567".
    static std::string formatNumber(int64_t value);
    // Vibrates when the player left vibration on.
    static void callRung();
    // A time quota in milliseconds as "mm:ss"; a negative quota shows "00:00".
    static std::string convertIntToQuotaTime(int32_t quota);
};

}  // namespace zuno
