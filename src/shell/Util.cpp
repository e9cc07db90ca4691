#include "shell/Util.h"

#include "net/Reachability.h"
#include "platform/core/Clock.h"
#include "platform/core/Format.h"
#include "platform/core/Log.h"
#include "platform/media/Sound.h"
#include "shell/UIController.h"

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

std::string Util::getDayMonth() { return sys::formatDate("HH:mm", sys::currentTimeSeconds()); }

std::string Util::getDateString(double secondsSince1970) { return sys::formatDate("dd/MM/yyyy", secondsSince1970); }

std::string Util::formatNumber(int64_t value) { return sys::formatNumber(value); }

void Util::callRung() {
    if (UIController::rung()) sys::Sound::vibrate();
}

std::string Util::convertIntToQuotaTime(int32_t quota) {
    int32_t tenths = quota / 10000;
    int32_t minutes = tenths / 6;
    sys::Log::format("%d %d %d", tenths, minutes, tenths - 6 * minutes);
    // A quota already run out (below 0) shows as nothing left rather than as a negative clock.
    if (quota < 0) return "00:00";
    int32_t seconds = (quota / 1000) % 60;
    return sys::format("%02d:%02d", minutes, seconds);
}

}  // namespace zuno
