#include <gtest/gtest.h>

#include "net/Reachability.h"
#include "platform/core/Log.h"

using namespace zuno;
using sys::NetworkInterface;
using sys::NetworkReachability;

namespace {

class ReachabilityTest : public ::testing::Test {
protected:
    void TearDown() override { NetworkReachability::setInterfaceSource(nullptr); }

    static void useInterfaces(std::vector<NetworkInterface> interfaces) {
        NetworkReachability::setInterfaceSource([interfaces] { return interfaces; });
    }

    static NetworkInterface loopback() { return {"lo", true, true, true}; }
    static NetworkInterface ethernet(bool up) { return {"eth0", up, false, true}; }
};

TEST_F(ReachabilityTest, NetworkAndWiFiRules) {
    const Reachability internet(nullptr), wifi(nullptr, true);
    struct Case {
        uint32_t flags;
        Reachability::NetworkStatus network, local;
    };
    const Case cases[] = {
        {0x0, Reachability::NotReachable, Reachability::NotReachable},
        {0x2, Reachability::ReachableViaWiFi, Reachability::NotReachable},
        {0x6, Reachability::NotReachable, Reachability::NotReachable},
        {0x0E, Reachability::ReachableViaWiFi, Reachability::NotReachable},  // on traffic
        {0x1E, Reachability::NotReachable, Reachability::NotReachable},      // and intervention required
        {0x26, Reachability::ReachableViaWiFi, Reachability::NotReachable},  // on demand
        {0x2 | 0x40000, Reachability::ReachableViaWWAN, Reachability::NotReachable},
        {0x1E | 0x40000, Reachability::ReachableViaWWAN, Reachability::NotReachable},
        {0x40000, Reachability::NotReachable, Reachability::NotReachable},
        {0x2 | 0x20000, Reachability::ReachableViaWiFi, Reachability::ReachableViaWiFi},
        {0x20000, Reachability::NotReachable, Reachability::NotReachable},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(internet.networkStatusForFlags(c.flags), c.network) << std::hex << c.flags;
        EXPECT_EQ(wifi.localWiFiStatusForFlags(c.flags), c.local) << std::hex << c.flags;
    }
}

TEST_F(ReachabilityTest, WithoutAHandleAnswersNotReachableAndNo) {
    Reachability r(nullptr);
    EXPECT_EQ(r.currentReachabilityStatus(), Reachability::NotReachable);
    EXPECT_FALSE(r.connectionRequired());
    EXPECT_FALSE(r.startNotifier());
    EXPECT_TRUE(sys::Log::contains("currentNetworkStatus called with NULL reachabilityRef"));
    EXPECT_TRUE(sys::Log::contains("connectionRequired called with NULL reachabilityRef"));
}

TEST_F(ReachabilityTest, StatusFollowsTheMachinesInterfaces) {
    auto internet = Reachability::reachabilityForInternetConnection();
    auto wifi = Reachability::reachabilityForLocalWiFi();
    auto host = Reachability::reachabilityWithHostName("example.org");
    ASSERT_TRUE(internet && wifi && host);
    EXPECT_EQ(wifi->localWiFiRef, 1);
    EXPECT_EQ(internet->localWiFiRef, 0);

    useInterfaces({loopback(), ethernet(true)});
    EXPECT_EQ(internet->currentReachabilityStatus(), Reachability::ReachableViaWiFi);
    EXPECT_EQ(wifi->currentReachabilityStatus(), Reachability::ReachableViaWiFi);
    EXPECT_EQ(host->currentReachabilityStatus(), Reachability::ReachableViaWiFi);
    EXPECT_FALSE(internet->connectionRequired());

    useInterfaces({loopback(), ethernet(false)});
    EXPECT_EQ(internet->currentReachabilityStatus(), Reachability::NotReachable);
    EXPECT_EQ(wifi->currentReachabilityStatus(), Reachability::NotReachable);

    NetworkReachability::setInterfaceSource([] { return std::nullopt; });  // cannot be read
    EXPECT_EQ(internet->currentReachabilityStatus(), Reachability::NotReachable);
    EXPECT_FALSE(internet->connectionRequired());
}

TEST_F(ReachabilityTest, NoInstanceWithoutATargetAndTheNotifierStops) {
    EXPECT_EQ(Reachability::reachabilityWithHostName(""), nullptr);
    EXPECT_EQ(Reachability::reachabilityWithAddress(nullptr), nullptr);
    auto wifi = Reachability::reachabilityForLocalWiFi();
    EXPECT_TRUE(wifi->startNotifier());
    wifi->stopNotifier();
    EXPECT_TRUE(wifi->startNotifier());  // and is stopped with the instance
}

}  // namespace
