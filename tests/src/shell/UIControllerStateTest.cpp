#include <gtest/gtest.h>

#include <thread>

#include "shell/UIController.h"

using namespace zuno;

TEST(UIControllerState, StartsWithNoPendingActionAndNoGame) {
    EXPECT_EQ(UIController::okValue(), UIController::okNone);
    EXPECT_EQ(UIController::gameType(), -1);
    ASSERT_NE(UIController::myInfo(), nullptr);
    EXPECT_TRUE(UIController::listMessage().empty());
    EXPECT_TRUE(UIController::object().isNull());
}

TEST(UIControllerState, InboxCountsUnreadAndSurvivesAppendsFromAnotherThread) {
    auto read = std::make_shared<ZunoMessage>();
    read->setIsRead(true);
    UIController::addMessage(read);
    std::thread reader([] {
        for (int i = 0; i < 100; ++i) UIController::addMessage(std::make_shared<ZunoMessage>());
    });
    for (int i = 0; i < 100; ++i) (void)UIController::unreadMessageCount();
    reader.join();
    EXPECT_EQ(UIController::listMessage().size(), 101u);
    EXPECT_EQ(UIController::unreadMessageCount(), 100u);
    UIController::removeMessage(read);
    EXPECT_EQ(UIController::listMessage().size(), 100u);
}

TEST(UIControllerState, MissingPlayerIsReplacedByAnEmptyOne) {
    UIController::setMyInfo(nullptr);
    ASSERT_NE(UIController::myInfo(), nullptr);
    EXPECT_EQ(UIController::myInfo()->IDDB(), 0);
}
