#include <gtest/gtest.h>

#include "platform/net/NetworkReachability.h"

using zuno::sys::NetworkInterface;
using zuno::sys::NetworkReachability;

TEST(NetworkReachability, OnlyAnotherInterfaceUpWithAnAddressIsReachableAndDirect) {
    const uint32_t direct = NetworkReachability::kReachable | NetworkReachability::kIsDirect;
    const NetworkInterface lo{"lo", true, true, true};
    EXPECT_EQ(NetworkReachability::flagsForInterfaces({}), 0u);
    EXPECT_EQ(NetworkReachability::flagsForInterfaces({lo}), 0u);
    EXPECT_EQ(NetworkReachability::flagsForInterfaces({lo, {"wlan0", true, false, true}}), direct);
    EXPECT_EQ(NetworkReachability::flagsForInterfaces({{"wlan0", false, false, true}}), 0u);  // down
    EXPECT_EQ(NetworkReachability::flagsForInterfaces({{"wlan0", true, false, false}}), 0u);  // no address
}

TEST(NetworkReachability, ReadsTheMachinesInterfaces) {
    auto interfaces = NetworkReachability::readInterfaces();
    ASSERT_TRUE(interfaces);
    bool sawLoopback = false;
    for (const auto& i : *interfaces) sawLoopback |= i.loopback;
    EXPECT_TRUE(sawLoopback);
    auto target = NetworkReachability::createWithName("localhost");
    ASSERT_TRUE(target);
    uint32_t flags = 0xFFFF;
    EXPECT_TRUE(target->getFlags(flags));
    EXPECT_EQ(flags, NetworkReachability::flagsForInterfaces(*interfaces));
}
