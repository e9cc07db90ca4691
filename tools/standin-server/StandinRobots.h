#pragma once

#include <array>
#include <cstdint>

#include "standin-server/StandinSignIn.h"

namespace zuno::standin {

// The people of the stand-in server: the demo account and about 25 robots with money, avatars,
// statistics and status lines (some with emoticons). Robots never sign in; some count as online.
// The demo account has five robot friends, three of them online.
struct StandinRobots {
    static constexpr int32_t kDemoId = 1001;
    static constexpr int32_t kFirstRobotId = 9001;  // An, who also owns the Tien Len table
    static constexpr int kRobotCount = 25;
    // The demo account's friends: the first three online, the last two not.
    static constexpr std::array<int32_t, 5> kDemoFriends = {9003, 9004, 9005, 9006, 9007};

    // Adds demo / demo and the robots.
    static void addTo(StandinSignIn& signIn);
};

}  // namespace zuno::standin
