// The invitation the stand-in's robots send next: a one-off choice first, then the rotation, each
// table with its kind.
#include <gtest/gtest.h>

#include "standin-server/StandinInvitation.h"

namespace zuno::standin {
namespace {

using Kind = StandinTableKind;

std::pair<int, Kind> current(const StandinInvitation& invitation) {
    auto choice = invitation.current();
    return choice ? std::pair<int, Kind>{choice->gameType, choice->kind} : std::pair<int, Kind>{-1, Kind::Robots};
}

TEST(StandinInvitationTest, TheRotationKeepsEachTablesKindAndAOneOffGoesFirst) {
    StandinInvitation invitation;
    EXPECT_FALSE(invitation.current());
    invitation.setRotation({{11, Kind::Robots}, {11, Kind::Empty}, {2, Kind::Empty}});
    invitation.setNext(8);
    const std::vector<std::pair<int, Kind>> expected = {
        {8, Kind::Robots}, {11, Kind::Robots}, {11, Kind::Empty}, {2, Kind::Empty}, {11, Kind::Robots}};
    for (const auto& step : expected) {
        EXPECT_EQ(current(invitation), step);
        invitation.advance();
    }
    // Game types alone are robots' tables.
    invitation.setRotation({3, 12});
    EXPECT_EQ(current(invitation), (std::pair<int, Kind>{3, Kind::Robots}));
}

}  // namespace
}  // namespace zuno::standin
