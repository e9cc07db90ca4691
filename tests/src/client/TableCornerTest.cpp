// Every game's table with unread mail: the unread-mail button keeps its place over the table's top-right
// corner and nothing else lies under it, so Leave takes its own tap; Escape is Leave at every table.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Program.h"
#include "games/board/BoardTableView.h"
#include "games/poker/PokerView.h"
#include "lobby/GameRegistry.h"
#include "lobby/model/ZunoMessage.h"
#include "platform/ui/Label.h"
#include "screens/MessageView.h"
#include "shell/Resources.h"
#include "src/table/TableFixture.h"
#include "support/SnapshotCompare.h"

namespace zuno::testing {
namespace {


const ui::Rect kMailFrame(435, 30, 44, 32);

std::string describe(const ui::View& view) {
    std::string name = typeid(view).name();
    if (auto* label = dynamic_cast<const ui::Label*>(&view)) name += " \"" + label->text().value_or("") + "\"";
    if (auto* button = dynamic_cast<const ui::Button*>(&view)) name += " \"" + button->currentTitle().value_or("") + "\"";
    const ui::Rect f = view.convertRectToView(view.bounds(), nullptr);
    return name + " at " + std::to_string(int(f.x())) + "," + std::to_string(int(f.y())) + " " +
           std::to_string(int(f.size.width)) + "x" + std::to_string(int(f.size.height));
}

// Every view of the screen, shown or not (a hidden label shows during a game), that lies partly under
// the mail button's place; a backdrop that holds the whole place lies under everything anyway.
void collectUnder(const ui::View& view, const ui::View& mail, std::vector<std::string>& found) {
    for (const auto& sub : view.subviews()) {
        if (sub.get() == &mail) continue;
        const ui::Rect frame = sub->convertRectToView(sub->bounds(), nullptr);
        const bool backdrop = frame.contains(kMailFrame.origin) &&
                              frame.contains({kMailFrame.maxX() - 1, kMailFrame.maxY() - 1});
        if (frame.intersects(kMailFrame) && !backdrop) found.push_back(describe(*sub));
        collectUnder(*sub, mail, found);
    }
}

std::vector<std::string> viewsUnderTheMailButton(ui::ViewController& screen) {
    std::vector<std::string> found;
    if (auto mail = UIController::btnAlertMessage()) collectUnder(*screen.view(), *mail, found);
    return found;
}

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
        EXPECT_EQ(mail->frame(), kMailFrame);
        EXPECT_EQ(mail->superview(), screen->view());
        EXPECT_EQ(viewsUnderTheMailButton(*screen), std::vector<std::string>{});
        if (game->type == 3 || game->type == 5) {
            EXPECT_TRUE(matchesReference(*screen->view(), "corner_mail_" + game->screenClass));
        }
        // A running game's right-hand column, and the Poker chat panel opened.
        if (auto board = std::dynamic_pointer_cast<BoardTableView>(screen)) {
            board->createRightButtonsWithKindOf(1);
            EXPECT_EQ(viewsUnderTheMailButton(*screen), std::vector<std::string>{});
        }
        if (auto poker = std::dynamic_pointer_cast<PokerView>(screen)) {
            poker->clickShowChatBoard(nullptr);
            run(1);
            EXPECT_EQ(viewsUnderTheMailButton(*screen), std::vector<std::string>{});
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
