// Every game's table with unread mail: the unread-mail button keeps its place over the table's top-right
// corner and nothing else lies under it, so Leave takes its own tap; Escape is Leave at every table.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Program.h"
#include "games/board/BoardTableView.h"
#include "games/poker/PokerView.h"
#include "lobby/GlobalLogicHandler.h"
#include "lobby/GameRegistry.h"
#include "lobby/model/ZunoMessage.h"
#include "screens/MessageView.h"
#include "shell/Resources.h"
#include "src/table/TableFixture.h"
#include "support/MailCorner.h"
#include "support/SnapshotCompare.h"

namespace zuno::testing {
namespace {

std::shared_ptr<ui::Button> leaveButton(const ui::View& view, ui::ViewController& screen) {
    for (const auto& sub : view.subviews()) {
        if (auto button = std::dynamic_pointer_cast<ui::Button>(sub)) {
            for (const auto& action : button->actionsForTarget(&screen, ui::ControlEvent::TouchUpInside))
                if (action == "clickLeaveBoard" || action == "doLeaveBoard:") return button;
        }
        if (auto found = leaveButton(*sub, screen)) return found;
    }
    return nullptr;
}

class TableCornerTest : public TableTest {
protected:
    void SetUp() override {
        TableTest::SetUp();
        auto unread = std::make_shared<ZunoMessage>();
        unread->setIsRead(false);
        UIController::setListMessage({unread});
    }

    // The game's table, owned by the other player, between games.
    std::shared_ptr<ui::ViewController> openTable(const GameDescriptor& game) {
        UIController::setGameType(game.type);
        game.openTable(1, 2, 20, 100, {seatPlayer(20, "an"), me});
        run(1.5);
        return game.screen();
    }
};

TEST_F(TableCornerTest, TheMailButtonCoversNothingAndLeaveTakesItsTap) {
    for (const GameDescriptor* game : GameRegistry::games()) {
        SCOPED_TRACE(game->screenClass);
        auto screen = openTable(*game);
        ASSERT_TRUE(screen);
        auto mail = UIController::btnAlertMessage();
        ASSERT_TRUE(mail);
        EXPECT_EQ(mail->frame(), kMailButtonFrame);
        EXPECT_EQ(mail->superview(), screen->view());
        EXPECT_EQ(viewsUnderTheMailButton(*screen, UnderMail::anyView), std::vector<std::string>{});
        if (game->type == 3 || game->type == 5) {
            EXPECT_TRUE(matchesReference(*screen->view(), "corner_mail_" + game->screenClass));
        }
        // A running game's right-hand column, and the Poker chat panel opened.
        if (auto board = std::dynamic_pointer_cast<BoardTableView>(screen)) {
            board->createRightButtonsWithKindOf(1);
            EXPECT_EQ(viewsUnderTheMailButton(*screen, UnderMail::anyView), std::vector<std::string>{});
        }
        if (auto poker = std::dynamic_pointer_cast<PokerView>(screen)) {
            poker->clickShowChatBoard(nullptr);
            run(1);
            EXPECT_EQ(viewsUnderTheMailButton(*screen, UnderMail::anyView), std::vector<std::string>{});
            EXPECT_TRUE(matchesReference(*screen->view(), "corner_mail_PokerView_chat"));
            poker->clickShowChatBoard(nullptr);
            run(1);
        }

        auto leave = leaveButton(*screen->view(), *screen);
        ASSERT_TRUE(leave);
        ServiceRecording lobby(GlobalService::getInstance());
        app->window->tapView(*leave);
        run(1.5);
        EXPECT_FALSE(std::dynamic_pointer_cast<MessageView>(nav().topViewController()));
        EXPECT_EQ(lobby.takeOne(), bytesOf(GlobalService::getInstance(), [](auto& s) { s.leaveBoardWithRoomId(1, 2); }));
        EXPECT_NE(nav().topViewController(), screen);
        nav().popToRootViewControllerAnimated(false);
        run(1);
    }
}

// A private message that arrives while a table is on top shows the same corner button, over nothing of
// the table: Leave still takes its own tap.
TEST_F(TableCornerTest, MailArrivingAtATableTakesTheCornerOnly) {
    UIController::setListMessage({});
    for (const GameDescriptor* game : GameRegistry::games()) {
        SCOPED_TRACE(game->screenClass);
        auto screen = openTable(*game);
        ASSERT_TRUE(screen);
        auto message = std::make_shared<ZunoMessage>();
        message->setIsRead(false);
        GlobalLogicHandler::onViewControllerChatFromWithMessage(message);
        auto mail = std::dynamic_pointer_cast<ui::Button>(UIController::btnAlertMessage());
        ASSERT_TRUE(mail);
        EXPECT_EQ(mail->frame(), kMailButtonFrame);
        EXPECT_EQ(mail->superview(), screen->view());
        EXPECT_EQ(viewsUnderTheMailButton(*screen, UnderMail::anyView), std::vector<std::string>{});
        auto leave = leaveButton(*screen->view(), *screen);
        ASSERT_TRUE(leave);
        ServiceRecording lobby(GlobalService::getInstance());
        app->window->tapView(*leave);
        run(1.5);
        EXPECT_FALSE(std::dynamic_pointer_cast<MessageView>(nav().topViewController()));
        EXPECT_NE(nav().topViewController(), screen);
        nav().popToRootViewControllerAnimated(false);
        run(1);
        UIController::setListMessage({});
    }
}

TEST_F(TableCornerTest, EscapeBetweenGamesLeavesEveryTable) {
    for (const GameDescriptor* game : GameRegistry::games()) {
        SCOPED_TRACE(game->screenClass);
        auto screen = openTable(*game);
        ASSERT_TRUE(screen);
        ServiceRecording lobby(GlobalService::getInstance());
        app::goBack();
        run(1.5);
        EXPECT_EQ(lobby.takeOne(), bytesOf(GlobalService::getInstance(), [](auto& s) { s.leaveBoardWithRoomId(1, 2); }));
        EXPECT_NE(nav().topViewController(), screen);
        nav().popToRootViewControllerAnimated(false);
        run(1);
    }
}

}  // namespace
}  // namespace zuno::testing
