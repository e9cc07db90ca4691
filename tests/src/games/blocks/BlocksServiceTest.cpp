#include <gtest/gtest.h>

#include "games/blocks/BlocksService.h"
#include "support/ServiceRecording.h"

using namespace zuno;
using zuno::testing::ServiceRecording;

TEST(BlocksServiceTest, DrawAnswerHasTheBoardGamesBytes) {
    ServiceRecording rec(BlocksService::getInstance());
    BlocksService::getInstance().answerDrawWithRoomId(0, 1, true);
    EXPECT_EQ(rec.takeOne(), (sys::Data{24, 0, 1, 1}));
}
