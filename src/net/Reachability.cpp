#include "net/Reachability.h"

#include <arpa/inet.h>
#include <netinet/in.h>

#include <mutex>

#include "platform/core/Log.h"
#include "platform/core/NotificationCenter.h"
#include "platform/core/RunLoop.h"

namespace zuno {

using Flags = sys::NetworkReachability;

namespace {

std::shared_ptr<Reachability> forIPv4(const char* address, bool localWiFi) {
    sockaddr_in in{};
    in.sin_family = AF_INET;
    ::inet_pton(AF_INET, address, &in.sin_addr);
    auto handle = sys::NetworkReachability::createWithAddress(reinterpret_cast<const sockaddr*>(&in));
    if (!handle) return nullptr;
    return std::make_shared<Reachability>(std::move(handle), localWiFi);
}
}  // namespace

std::shared_ptr<Reachability> Reachability::reachabilityWithHostName(const std::string& hostName) {
    auto handle = sys::NetworkReachability::createWithName(hostName);
    if (!handle) return nullptr;
    return std::make_shared<Reachability>(std::move(handle));
}

std::shared_ptr<Reachability> Reachability::reachabilityWithAddress(const struct sockaddr* address) {
    auto handle = sys::NetworkReachability::createWithAddress(address);
    if (!handle) return nullptr;
    return std::make_shared<Reachability>(std::move(handle));
}

std::shared_ptr<Reachability> Reachability::reachabilityForInternetConnection() { return forIPv4("0.0.0.0", false); }

std::shared_ptr<Reachability> Reachability::reachabilityForLocalWiFi() { return forIPv4("169.254.0.0", true); }

Reachability::~Reachability() { stopNotifier(); }

Reachability::NetworkStatus Reachability::currentReachabilityStatus() const {
    if (!reachabilityRef) {
        sys::Log::line("currentNetworkStatus called with NULL reachabilityRef");
        return NotReachable;
    }
    uint32_t flags = 0;
    if (!reachabilityRef->getFlags(flags)) return NotReachable;
    return localWiFiRef ? localWiFiStatusForFlags(flags) : networkStatusForFlags(flags);
}

bool Reachability::connectionRequired() const {
    if (!reachabilityRef) {
        sys::Log::line("connectionRequired called with NULL reachabilityRef");
        return false;
    }
    uint32_t flags = 0;
    if (!reachabilityRef->getFlags(flags)) return false;
    return (flags & Flags::kConnectionRequired) != 0;
}

Reachability::NetworkStatus Reachability::networkStatusForFlags(uint32_t flags) const {
    if (!(flags & Flags::kReachable)) return NotReachable;
    NetworkStatus status = NotReachable;
    if (!(flags & Flags::kConnectionRequired)) status = ReachableViaWiFi;
    if ((flags & (Flags::kConnectionOnDemand | Flags::kConnectionOnTraffic)) && !(flags & Flags::kInterventionRequired))
        status = ReachableViaWiFi;
    if (flags & Flags::kIsWWAN) status = ReachableViaWWAN;
    return status;
}

Reachability::NetworkStatus Reachability::localWiFiStatusForFlags(uint32_t flags) const {
    return (flags & Flags::kReachable) && (flags & Flags::kIsDirect) ? ReachableViaWiFi : NotReachable;
}

bool Reachability::startNotifier() {
    if (!reachabilityRef) return false;
    std::weak_ptr<Reachability> weak = weak_from_this();
    reachabilityRef->setCallback([weak] {
        if (auto self = weak.lock()) self->postChanged();
    });
    sys::RunLoop* loop = sys::RunLoop::current();
    return reachabilityRef->scheduleWithRunLoop(loop ? *loop : sys::RunLoop::main());
}

void Reachability::stopNotifier() {
    if (reachabilityRef) reachabilityRef->unscheduleFromRunLoop();
}

void Reachability::postChanged() {
    sys::NotificationCenter::defaultCenter().postNotificationName(kNetworkReachabilityChangedNotification, this);
}

}  // namespace zuno
