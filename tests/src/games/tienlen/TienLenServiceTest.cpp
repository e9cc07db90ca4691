#include <gtest/gtest.h>

#include "games/tienlen/TienLenMBService.h"
#include "games/tienlen/TienLenService.h"
#include "support/ServiceRecording.h"

using namespace zuno;
using zuno::testing::ServiceRecording;

TEST(TienLenServiceTest, BothGamesWriteTheSamePassAndSeatCount) {
    TienLenService* services[] = {&TienLenService::getInstance(), &TienLenMBService::getInstance()};
    ASSERT_NE(services[0], services[1]);
    for (TienLenService* service : services) {
        ServiceRecording rec(*service);
        service->skipWithRoomId(2, -3);
        EXPECT_EQ(rec.takeOne(), (sys::Data{49, 2, 0xFD}));
        service->setMaxPlayerWithRoomId(2, 3, 4);
        EXPECT_EQ(rec.takeOne(), (sys::Data{56, 2, 3, 4}));
    }
}
