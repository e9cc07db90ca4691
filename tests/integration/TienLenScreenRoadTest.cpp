// A whole Tien Len deal in the desktop program, headless, against the stand-in's robots: the robot's
// invitation accepted from the main menu opens the table screen; the player gets ready, sees the deal,
// plays a set chosen by tapping cards, passes, sees the robots' moves, the finish and the money
// change, and gets ready for the next deal. A move the server refuses shows its text.
#include <gtest/gtest.h>

#include <typeinfo>

#include "games/tienlen/TienLenService.h"
#include "games/tienlen/TienLenView.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Application.h"
#include "platform/ui/Label.h"
#include "shell/CustomLabel.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "standin-server/StandinRobotTables.h"
#include "standin-server/StandinTienLen.h"
#include "support/ProgramRoadTest.h"

using namespace zuno;
using namespace zuno::standin;

namespace {

constexpr int32_t kMe = 4711;
using Ids = std::vector<int8_t>;

class TienLenScreenRoadTest : public zuno::testing::ProgramRoadTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(startStandin());
        signIn->addAccount({"lan", "hoa sen", kMe, 500000, 12, 250});
        StandinRobotTables::Options options;
        options.invitationDelay = 1;  // the main menu is up by then
        options.robotDelay = 0;
        options.seed = 7;
        options.turnSeconds = 120;  // no turn runs out while the test looks
        robots = StandinRobotTables::installOn(server, signIn, nullptr, options);
        tienLen = StandinTienLen::addTo(*robots, 3);
        robots->setInvitationRotation({3});
        ASSERT_NO_FATAL_FAILURE(launchProgram("tienlen-road"));
        UIController::setInviting(true);
        settle();
    }


    std::shared_ptr<CardView> mySprite(const TienLenView& table, int8_t id) {
        for (const auto& card : table.myCards())
            if (card->cardID == id) return card;
        return nullptr;
    }
    static std::string bubbleText(TienLenView& table, int seat) {
        std::string out;
        if (auto bubble = table.bubble(seat)) out += textsIn(*bubble);
        for (const auto& sub : table.view()->subviews()) {
            auto label = std::dynamic_pointer_cast<ui::Label>(sub);
            if (label && !label->isHidden()) out += label->text().value_or("") + "|";
        }
        return out;
    }

    std::shared_ptr<StandinRobotTables> robots;
    std::shared_ptr<StandinTienLen> tienLen;
};

TEST_F(TienLenScreenRoadTest, AcceptTheInvitationPlayADealAndGetReadyForTheNext) {
    signInFromTheLoginScreen("lan", "hoa sen");
    ASSERT_TRUE(pump([] { return dialogText() == StandinTienLen::kInvitation; }))
        << dialogText() << " inviting " << UIController::inviting() << " top "
        << program->navigation().topViewController()->nibName().value_or("?");
    pressDialogOk();
    auto table = waitForTop<TienLenView>();
    ASSERT_TRUE(table);
    EXPECT_EQ(UIController::gameType(), 3);
    ASSERT_TRUE(pump([&] { return table->getSeatFromID(StandinTienLen::kRobotId) == 1; }));
    EXPECT_EQ(table->lblName0->text(), "lan");

    // An leads the 3 of spades and is out; Binh holds the 4 of clubs and a 2.
    tienLen->setNextHands({Ids{0}, Ids{4, 9, 14, 20, 24, 28, 33, 37, 41, 44, 45, 47, 50}, Ids{5, 49}});
    ASSERT_EQ(table->btnStart->titleForState(ui::ControlState::Normal), Resources::getInstance().textForKey("ZUNO_ready"));
    tap(*table->btnStart);
    ASSERT_TRUE(pump([&] { return table->currentPlayer() == kMe; }));
    settle();
    EXPECT_EQ(table->myCardIds().size(), 13u);
    EXPECT_EQ(table->currentCardsValue, Ids{0});

    // A set the server refuses: its text is shown at my seat, and the turn stays mine.
    TienLenService::getInstance().moveWithRoomId(StandinTienLen::kRoom, StandinTienLen::kBoard, Ids{4, 9});
    ASSERT_TRUE(pump([&] { return bubbleText(*table, 0).find(StandinTienLen::kCannotBeat.english) != std::string::npos; }));
    EXPECT_EQ(table->currentPlayer(), kMe);

    // Tap the 4 of spades and fire it; Binh beats it with the 4 of clubs.
    auto four = mySprite(*table, 4);
    ASSERT_TRUE(four);
    tap(*four);
    settle();
    EXPECT_EQ(table->myPlayer()->getSelectedCardsValue(), Ids{4});
    tap(*table->btnStart);
    ASSERT_TRUE(pump([&] { return table->currentCardsValue == Ids{5} && table->currentPlayer() == kMe; }));
    EXPECT_EQ(table->myCardIds().size(), 12u);

    // Pass (the button offers it with nothing selected, and asks first); Binh leads his 2 and is out,
    // which ends the deal with my hand shown and my loss taken.
    EXPECT_EQ(table->btnStart->titleForState(ui::ControlState::Normal), Resources::getInstance().textForKey("ZUNO_skip"));
    tap(*table->btnStart);
    ASSERT_TRUE(pump([] { return !dialogText().empty(); }));
    pressDialogOk();
    ASSERT_TRUE(pump([&] { return table->isGameEnd() && table->cardShows.size() == 12; }));
    ASSERT_TRUE(pump([] { return UIController::myInfo()->money() == 498000; }));
    settle();
    EXPECT_EQ(table->btnStart->titleForState(ui::ControlState::Normal), Resources::getInstance().textForKey("ZUNO_continuee"));

    // Continue, then ready: the next deal comes.
    tap(*table->btnStart);
    settle();
    EXPECT_EQ(table->btnStart->titleForState(ui::ControlState::Normal), Resources::getInstance().textForKey("ZUNO_ready"));
    tap(*table->btnStart);
    ASSERT_TRUE(pump([&] { return tienLen->dealCount() == 2 && !table->isGameEnd(); }));
    settle();
    EXPECT_EQ(table->myCardIds().size(), 13u);
}

}  // namespace
