#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/net/NetworkReachability.h"

struct sockaddr;

namespace zuno {

// Whether the internet (or the local Wi-Fi) can be reached, and over which kind of link, read on
// demand from the platform's reachability flags.
class Reachability : public std::enable_shared_from_this<Reachability> {
public:
    enum NetworkStatus : int32_t { NotReachable = 0, ReachableViaWiFi = 1, ReachableViaWWAN = 2 };

    static constexpr const char* kNetworkReachabilityChangedNotification = "kNetworkReachabilityChangedNotification";

    // Nothing when the platform gives no handle.
    static std::shared_ptr<Reachability> reachabilityWithHostName(const std::string& hostName);
    static std::shared_ptr<Reachability> reachabilityWithAddress(const struct sockaddr* address);
    // For 0.0.0.0.
    static std::shared_ptr<Reachability> reachabilityForInternetConnection();
    // For the link-local 169.254.0.0, answering by the Wi-Fi rule.
    static std::shared_ptr<Reachability> reachabilityForLocalWiFi();

    explicit Reachability(std::shared_ptr<sys::NetworkReachability> handle, bool localWiFi = false)
        : localWiFiRef(localWiFi ? 1 : 0), reachabilityRef(std::move(handle)) {}
    ~Reachability();

    // 0 when the flags cannot be read, or when there is no handle.
    NetworkStatus currentReachabilityStatus() const;
    bool connectionRequired() const;

    // Watches for changes on the current thread's run loop; each change posts
    // kNetworkReachabilityChangedNotification with this instance (a Reachability*) as its object.
    bool startNotifier();
    void stopNotifier();

    NetworkStatus networkStatusForFlags(uint32_t flags) const;
    NetworkStatus localWiFiStatusForFlags(uint32_t flags) const;

    // Where the change notification goes: the program's notification centre hooks in here.

    int8_t localWiFiRef = 0;
    std::shared_ptr<sys::NetworkReachability> reachabilityRef;

private:
    void postChanged();
};

}  // namespace zuno
