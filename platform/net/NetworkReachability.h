#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct sockaddr;

namespace zuno::sys {

class RunLoop;

// One network interface of the machine, as far as reachability cares.
struct NetworkInterface {
    std::string name;
    bool up = false;        // administratively up and running
    bool loopback = false;
    bool hasAddress = false;  // holds an IPv4 or IPv6 address
};

// Reachability flags read from the machine's network interfaces. Loopback alone reaches nothing; any
// other interface that is up with an address makes every target reachable, directly (a local network,
// never a mobile one).
class NetworkReachability {
public:
    static constexpr uint32_t kReachable = 0x2;
    static constexpr uint32_t kConnectionRequired = 0x4;
    static constexpr uint32_t kConnectionOnTraffic = 0x8;
    static constexpr uint32_t kInterventionRequired = 0x10;
    static constexpr uint32_t kConnectionOnDemand = 0x20;
    static constexpr uint32_t kIsDirect = 0x20000;
    static constexpr uint32_t kIsWWAN = 0x40000;

    // Nothing for an empty name or a missing address.
    static std::shared_ptr<NetworkReachability> createWithName(const std::string& host);
    static std::shared_ptr<NetworkReachability> createWithAddress(const struct sockaddr* address);
    ~NetworkReachability();

    // False when the interfaces cannot be read.
    bool getFlags(uint32_t& flags) const;

    // Change watching: the callback runs on the scheduled loop whenever the interfaces change.
    void setCallback(std::function<void()> callback);
    bool scheduleWithRunLoop(RunLoop& loop);
    void unscheduleFromRunLoop();

    static uint32_t flagsForInterfaces(const std::vector<NetworkInterface>& interfaces);
    static std::optional<std::vector<NetworkInterface>> readInterfaces();
    // Tests put in interfaces of their choosing; an empty function restores the machine's.
    using InterfaceSource = std::function<std::optional<std::vector<NetworkInterface>>()>;
    static void setInterfaceSource(InterfaceSource source);

    const std::string& target() const { return target_; }

private:
    explicit NetworkReachability(std::string target) : target_(std::move(target)) {}
    struct Watcher;

    std::string target_;
    std::function<void()> callback_;
    std::shared_ptr<Watcher> watcher_;
};

}  // namespace zuno::sys
