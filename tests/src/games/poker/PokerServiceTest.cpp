#include <gtest/gtest.h>

#include "games/poker/PokerService.h"
#include "support/ServiceRecording.h"

using namespace zuno;
using zuno::testing::ServiceRecording;

TEST(PokerServiceTest, WatchOrDeclineAFullTable) {
    ServiceRecording rec(PokerService::getInstance());
    PokerService::getInstance().doSendObserver(1, 7, 1);
    EXPECT_EQ(rec.takeOne(), (sys::Data{82, 1, 7, 12, 1}));
    PokerService::getInstance().doSendObserver(1, 7, 0);
    EXPECT_EQ(rec.takeOne(), (sys::Data{82, 1, 7, 12, 0}));
}
