#include <gtest/gtest.h>

#include "games/cotuong/CoTuongService.h"
#include "support/ServiceRecording.h"

using namespace zuno;
using zuno::testing::ServiceRecording;

TEST(CoTuongServiceTest, DrawAnswerAndResignation) {
    auto& service = CoTuongService::getInstance();
    ServiceRecording rec(service);
    service.answerDrawWithRoomId(2, 6, true);
    EXPECT_EQ(rec.takeOne(), (sys::Data{24, 2, 6, 1}));
    service.answerDrawWithRoomId(2, 6, false);
    EXPECT_EQ(rec.takeOne(), (sys::Data{24, 2, 6, 0}));
    service.requestLoseWithRoomId(2, 6);
    EXPECT_EQ(rec.takeOne(), (sys::Data{27, 2, 6}));
}
