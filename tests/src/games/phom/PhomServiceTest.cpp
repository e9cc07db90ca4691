#include <gtest/gtest.h>

#include "games/phom/PhomNewService.h"
#include "games/phom/PhomService.h"
#include "support/ServiceRecording.h"

using namespace zuno;
using zuno::testing::ServiceRecording;

TEST(PhomServiceTest, SeatCountOfBothGames) {
    ServiceRecording phom(PhomService::getInstance());
    PhomService::getInstance().setMaxPlayer(1, 5, 3);
    EXPECT_EQ(phom.takeOne(), (sys::Data{56, 1, 5, 3}));

    ServiceRecording phomNew(PhomNewService::getInstance());
    PhomNewService::getInstance().setMaxPlayer(1, 5, 2);
    EXPECT_EQ(phomNew.takeOne(), (sys::Data{56, 1, 5, 2}));
}
