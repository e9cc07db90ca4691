#include <gtest/gtest.h>

#include "games/banker/BaiCaoService.h"
#include "games/banker/XiZachService.h"
#include "support/ServiceRecording.h"

using namespace zuno;
using zuno::testing::ServiceRecording;

TEST(BankerServiceTest, SeatCountOfBothGames) {
    ServiceRecording baiCao(BaiCaoService::getInstance());
    BaiCaoService::getInstance().setMaxPlayerWithRoomId(3, 9, 4);
    EXPECT_EQ(baiCao.takeOne(), (sys::Data{56, 3, 9, 4}));

    ServiceRecording xiZach(XiZachService::getInstance());
    XiZachService::getInstance().setMaxPlayerWithRoomId(3, 9, 2);
    EXPECT_EQ(xiZach.takeOne(), (sys::Data{56, 3, 9, 2}));
}
