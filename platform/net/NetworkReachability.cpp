#include "platform/net/NetworkReachability.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <net/if.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <map>
#include <mutex>
#include <thread>

#include "platform/core/RunLoop.h"

namespace zuno::sys {

namespace {
std::mutex sourceMutex;
NetworkReachability::InterfaceSource interfaceSource;

std::optional<std::vector<NetworkInterface>> currentInterfaces() {
    NetworkReachability::InterfaceSource source;
    {
        std::lock_guard<std::mutex> lock(sourceMutex);
        source = interfaceSource;
    }
    return source ? source() : NetworkReachability::readInterfaces();
}
}  // namespace

// Listens to the kernel's interface and address changes on a thread of its own and posts the owner's
// callback to the loop. Stopping wakes the thread through an event descriptor.
struct NetworkReachability::Watcher {
    int netlink = -1;
    int stopEvent = -1;
    std::mutex mutex;
    RunLoop* loop = nullptr;
    std::function<void()> callback;

    ~Watcher() {
        if (netlink >= 0) ::close(netlink);
        if (stopEvent >= 0) ::close(stopEvent);
    }

    bool start(const std::shared_ptr<Watcher>& self) {
        netlink = ::socket(AF_NETLINK, SOCK_RAW | SOCK_CLOEXEC, NETLINK_ROUTE);
        stopEvent = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
        if (netlink < 0 || stopEvent < 0) return false;
        sockaddr_nl addr{};
        addr.nl_family = AF_NETLINK;
        addr.nl_groups = RTMGRP_LINK | RTMGRP_IPV4_IFADDR | RTMGRP_IPV6_IFADDR;
        if (::bind(netlink, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) return false;
        try {
            std::thread([self] { self->run(); }).detach();
        } catch (const std::system_error&) {
            return false;
        }
        return true;
    }

    void stop() {
        {
            std::lock_guard<std::mutex> lock(mutex);
            loop = nullptr;
            callback = nullptr;
        }
        uint64_t one = 1;
        ssize_t ignored = ::write(stopEvent, &one, sizeof one);
        (void)ignored;
    }

    void run() {
        char buffer[8192];
        for (;;) {
            pollfd fds[2] = {{stopEvent, POLLIN, 0}, {netlink, POLLIN, 0}};
            int n = ::poll(fds, 2, -1);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0 || fds[0].revents) return;
            if (fds[1].revents & (POLLERR | POLLHUP | POLLNVAL)) return;
            if (::recv(netlink, buffer, sizeof buffer, 0) < 0 && errno != EINTR && errno != ENOBUFS) return;
            RunLoop* target;
            std::function<void()> cb;
            {
                std::lock_guard<std::mutex> lock(mutex);
                target = loop;
                cb = callback;
            }
            if (target && cb) target->post(cb);
        }
    }
};

std::shared_ptr<NetworkReachability> NetworkReachability::createWithName(const std::string& host) {
    if (host.empty()) return nullptr;
    return std::shared_ptr<NetworkReachability>(new NetworkReachability(host));
}

std::shared_ptr<NetworkReachability> NetworkReachability::createWithAddress(const struct sockaddr* address) {
    if (!address) return nullptr;
    char text[INET6_ADDRSTRLEN] = "?";
    if (address->sa_family == AF_INET) {
        ::inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(address)->sin_addr, text, sizeof text);
    } else if (address->sa_family == AF_INET6) {
        ::inet_ntop(AF_INET6, &reinterpret_cast<const sockaddr_in6*>(address)->sin6_addr, text, sizeof text);
    }
    return std::shared_ptr<NetworkReachability>(new NetworkReachability(text));
}

NetworkReachability::~NetworkReachability() { unscheduleFromRunLoop(); }

bool NetworkReachability::getFlags(uint32_t& flags) const {
    auto interfaces = currentInterfaces();
    if (!interfaces) return false;
    flags = flagsForInterfaces(*interfaces);
    return true;
}

void NetworkReachability::setCallback(std::function<void()> callback) { callback_ = std::move(callback); }

bool NetworkReachability::scheduleWithRunLoop(RunLoop& loop) {
    if (watcher_) return true;
    auto watcher = std::make_shared<Watcher>();
    watcher->loop = &loop;
    watcher->callback = callback_;
    if (!watcher->start(watcher)) return false;
    watcher_ = std::move(watcher);
    return true;
}

void NetworkReachability::unscheduleFromRunLoop() {
    if (!watcher_) return;
    watcher_->stop();
    watcher_.reset();
}

uint32_t NetworkReachability::flagsForInterfaces(const std::vector<NetworkInterface>& interfaces) {
    for (const auto& i : interfaces)
        if (i.up && !i.loopback && i.hasAddress) return kReachable | kIsDirect;
    return 0;
}

std::optional<std::vector<NetworkInterface>> NetworkReachability::readInterfaces() {
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0) return std::nullopt;
    std::map<std::string, NetworkInterface> byName;
    for (ifaddrs* a = list; a; a = a->ifa_next) {
        if (!a->ifa_name) continue;
        NetworkInterface& i = byName[a->ifa_name];
        i.name = a->ifa_name;
        i.up = (a->ifa_flags & IFF_UP) && (a->ifa_flags & IFF_RUNNING);
        i.loopback = (a->ifa_flags & IFF_LOOPBACK) != 0;
        if (a->ifa_addr && (a->ifa_addr->sa_family == AF_INET || a->ifa_addr->sa_family == AF_INET6))
            i.hasAddress = true;
    }
    ::freeifaddrs(list);
    std::vector<NetworkInterface> out;
    for (auto& [name, i] : byName) out.push_back(std::move(i));
    return out;
}

void NetworkReachability::setInterfaceSource(InterfaceSource source) {
    std::lock_guard<std::mutex> lock(sourceMutex);
    interfaceSource = std::move(source);
}

}  // namespace zuno::sys
