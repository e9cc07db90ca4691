// The invitation the stand-in's robots send next: a one-off choice first, then the rotation, each
// table with its kind.
#include <gtest/gtest.h>

#include "standin-server/StandinInvitation.h"

namespace zuno::standin {
namespace {

using Kind = StandinTableKind;

constexpr int32_t kDemo = 1001, kNewcomer = 1002;

std::pair<int, Kind> current(const StandinInvitation& invitation, int32_t account = kDemo) {
    auto choice = invitation.current(account);
    return choice ? std::pair<int, Kind>{choice->gameType, choice->kind} : std::pair<int, Kind>{-1, Kind::Robots};
}

TEST(StandinInvitationTest, TheRotationKeepsEachTablesKindAndAOneOffGoesFirst) {
    StandinInvitation invitation;
    EXPECT_FALSE(invitation.current(kDemo));
    invitation.setRotation({{11, Kind::Robots}, {11, Kind::Empty}, {2, Kind::Empty}});
    invitation.setNext(8);
    const std::vector<std::pair<int, Kind>> expected = {
        {8, Kind::Robots}, {11, Kind::Robots}, {11, Kind::Empty}, {2, Kind::Empty}, {11, Kind::Robots}};
    for (const auto& step : expected) {
        EXPECT_EQ(current(invitation), step);
        invitation.advance(kDemo);
    }
    // Game types alone are robots' tables.
    invitation.setRotation({3, 12});
    EXPECT_EQ(current(invitation), (std::pair<int, Kind>{3, Kind::Robots}));
}

TEST(StandinInvitationTest, EachAccountTakesTheRotationFromItsFirstTable) {
    StandinInvitation invitation;
    invitation.setRotation({3, 12, 7});
    invitation.advance(kDemo);
    invitation.advance(kDemo);
    EXPECT_EQ(current(invitation, kDemo).first, 7);
    EXPECT_EQ(current(invitation, kNewcomer).first, 3);
    invitation.advance(kNewcomer);
    EXPECT_EQ(current(invitation, kNewcomer).first, 12);
    EXPECT_EQ(current(invitation, kDemo).first, 7);
}

}  // namespace
}  // namespace zuno::standin
