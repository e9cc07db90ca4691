#include "shell/Util.h"

#include "net/Reachability.h"
#include "platform/core/Format.h"

namespace zuno {

std::string Util::getNetworkType() {
    auto reachability = Reachability::reachabilityForLocalWiFi();
    if (!reachability) return "Others";
    reachability->startNotifier();
    switch (reachability->currentReachabilityStatus()) {
        case 1: return "WIFI";
        case 2: return "GPRS/3G";
        default: return "Others";
    }
}

bool Util::connectedToInternet() {
    auto reachability = Reachability::reachabilityForInternetConnection();
    return reachability && reachability->currentReachabilityStatus() != 0;
}

std::string Util::formatNumber(int64_t value) { return sys::formatNumber(value); }

}  // namespace zuno
