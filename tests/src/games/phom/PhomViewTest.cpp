// The Phom and new Phom tables on the virtual clock: the drag that fires or reorders, the turn clock's
// skip and automatic lay-down, the timers a table left stops, and new Phom's own turn steps.
#include <gtest/gtest.h>

#include "games/phom/PhomNewService.h"
#include "games/phom/PhomNewView.h"
#include "games/phom/PhomService.h"
#include "games/phom/PhomView.h"
#include "shell/Resources.h"
#include "src/games/phom/PhomTestCards.h"
#include "src/table/TableFixture.h"

namespace zuno::testing {
namespace {

std::string text(const char* key) { return Resources::getInstance().textForKey(key); }

// Nine cards without a meld: A S, 3 C, 5 D, 7 H, 9 S, J C, K D, 2 H, 6 S.
const std::vector<int8_t> kHand = {0, 9, 18, 27, 32, 41, 50, 7, 20};

class PhomScreen : public TableTest {
protected:
    // I am 10 at index 1: binh (30) sits at my right (seat 1), chi (40) at the top, an (20) at my left.
    std::shared_ptr<PhomView> phom() {
        UIController::setGameType(7);
        GameController::showPhomScreenWithRoom(1, 2, 10, 100, fourPlayers());
        run(1);
        return GameController::getPhomView();
    }
    std::shared_ptr<PhomNewView> phomNew() {
        UIController::setGameType(13);
        GameController::showPhomNewScreenWithRoom(1, 2, 10, 100, fourPlayers());
        run(1);
        return GameController::getPhomNewView();
    }
    static std::string startTitle(PhomView& table) {
        return table.btnStart->titleForState(ui::ControlState::Normal).value_or("");
    }
    // My turn after binh's fire, a card drawn: the fire button is live.
    void myFireTurn(PhomView& table) {
        table.start(30, kHand, 20, 20);
        run(3);
        table.onFire(10, 40, 4, 0);
        table.onGetCard(12);
        run(2);
    }
    static void drag(PhomView& table, int from, std::optional<int> over, ui::Point to) {
        table.touchBeganAt(table.handSprites()[static_cast<size_t>(from)]->center());
        if (over) table.touchMovedTo(table.handSprites()[static_cast<size_t>(*over)]->center());
        table.touchMovedTo(to);
        table.touchEndedAt(to);
    }
};

TEST_F(PhomScreen, BothBarButtonsKeepTheirRolesAfterAVisitToTheMailbox) {
    auto table = phom();
    table->createBottomMenu(6);  // eat, or draw
    table->clickMailBox();
    run(1.5);
    nav().popViewControllerAnimated(false);
    run(1.5);
    EXPECT_EQ(nav().topViewController(), table);
    EXPECT_EQ(table->btnConfig->currentTitle(), text("ZUNO_get"));
    EXPECT_EQ(table->btnConfig->currentImage()->name(), "bar-take-card.png");
    EXPECT_EQ(startTitle(*table), text("ZUNO_eat"));
    EXPECT_EQ(table->btnStart->currentImage()->name(), "bar-eat.png");
}

TEST_F(PhomScreen, ADragReleasedAboveTheFireLineFiresBelowItReorders) {
    auto table = phom();
    myFireTurn(*table);
    ASSERT_TRUE(table->phom().isDoFire);
    ASSERT_EQ(table->handSprites().size(), 10u);
    ServiceRecording rec(PhomService::getInstance());

    const int8_t dragged = table->handSprites()[0]->cardID;
    drag(*table, 0, 3, {100, 200});
    EXPECT_TRUE(rec.session->sent().empty());
    EXPECT_EQ(table->phom().hand.myCards[3].cardID, dragged);

    const int8_t fired = table->handSprites()[5]->cardID;
    drag(*table, 5, std::nullopt, {100, 199});
    EXPECT_EQ(rec.takeOne(), bytesOf(PhomService::getInstance(), [&](auto& s) { s.fire(1, 2, fired); }));
}

TEST_F(PhomScreen, MyTurnRunningOutSkipsOnceAndAnothersNever) {
    auto table = phom();
    ServiceRecording rec(PhomService::getInstance());
    table->start(5, kHand, 20, 20);  // an's turn
    run(20);
    EXPECT_TRUE(rec.session->sent().empty());

    table->start(5, kHand, 10, 10);  // mine
    run(8);
    EXPECT_EQ(rec.takeOne(), bytesOf(PhomService::getInstance(), [](auto& s) { s.skipWithRoomId(1, 2); }));
    run(20);
    EXPECT_TRUE(rec.session->sent().empty());
}

TEST_F(PhomScreen, TheLayDownGoesTwoSecondsBeforeTheEndAndNoSkipFollows) {
    auto table = phom();
    ServiceRecording rec(PhomService::getInstance());
    table->start(10, kHand, 10, 10);
    table->createBottomMenu(static_cast<int>(PhomMenu::LayDown));
    ASSERT_EQ(startTitle(*table), text("ZUNO_haPhom"));
    run(7.5);
    EXPECT_TRUE(rec.session->sent().empty());
    run(1.0);
    const std::vector<PhomCard> hand = table->phom().hand.myCards;
    EXPECT_EQ(rec.takeOne(), bytesOf(PhomService::getInstance(), [&](auto& s) { s.haPhom(1, 2, hand); }));
    run(20);
    EXPECT_TRUE(rec.session->sent().empty());
}

TEST_F(PhomScreen, LeavingStopsEveryTimer) {
    for (const bool isNew : {false, true}) {
        std::shared_ptr<PhomView> table = isNew ? std::static_pointer_cast<PhomView>(phomNew()) : phom();
        table->start(5, kHand, 10, 10);
        table->resetReady();
        run(0.15);
        ASSERT_TRUE(table->hasPendingTimers());
        ASSERT_TRUE(table->isTurnClockRunning());
        table->createBottomMenu(static_cast<int>(PhomMenu::Continue));  // a blinking title
        table->viewWillDisappear(false);
        EXPECT_FALSE(table->hasPendingTimers()) << isNew;
        EXPECT_FALSE(table->isTurnClockRunning()) << isNew;
        EXPECT_FALSE(table->isTurnBarRunning()) << isNew;
        ServiceRecording rec(PhomService::getInstance());
        ServiceRecording recNew(PhomNewService::getInstance());
        const auto image = table->btnStart->backgroundImageForState(ui::ControlState::Normal);
        run(30);
        EXPECT_TRUE(rec.session->sent().empty()) << isNew;
        EXPECT_TRUE(recNew.session->sent().empty()) << isNew;
        EXPECT_EQ(table->btnStart->backgroundImageForState(ui::ControlState::Normal), image) << isNew;
    }
}

TEST_F(PhomScreen, TheHandIsDealtOneCardATenthThenLaidOut) {
    auto table = phom();
    table->start(30, kHand, 20, 20);
    run(0.05);
    EXPECT_FALSE(table->handSprites()[8]->isHidden() && table->handSprites()[0]->isHidden());
    EXPECT_TRUE(table->handSprites()[8]->isHidden());
    run(3);
    // Nine cards 44 pt apart from x 60.
    EXPECT_EQ(table->handSprites()[0]->center(), (ui::Point{60, PhomView::kHandY}));
    EXPECT_EQ(table->handSprites()[1]->center().x - table->handSprites()[0]->center().x, 44);
}

TEST_F(PhomScreen, NewPhomReadsTheFirerFirstAndNeverPlaysForMe) {
    auto table = phomNew();
    ServiceRecording rec(PhomNewService::getInstance());
    table->start(5, kHand, 10, 10);
    rec.session->clear();
    // chi (40) fired; I act next: eat or draw.
    table->onFire(40, 10, 4, 0);
    EXPECT_EQ(table->phom().currentPlayers, 10);
    EXPECT_EQ(table->phom().cardShow[2][0], 4);  // chi sits at the top
    EXPECT_EQ(startTitle(*table), text("ZUNO_eat"));
    run(30);
    EXPECT_TRUE(rec.session->sent().empty());
}

TEST_F(PhomScreen, NewPhomSendsCardsAfterItsLayDownAndRefusesAFireUntilItStops) {
    auto table = phomNew();
    table->start(30, kHand, 10, 10);
    run(3);
    PhomLaidCards laid;
    laid.fill(-1);
    laid[0] = 0;
    laid[1] = 9;
    table->setCurrentPlayer(10);
    table->onHaPhom(true, laid, false, {}, 10);
    EXPECT_EQ(startTitle(*table), text("ZUNO_guiPhom"));
    EXPECT_FALSE(table->btnSkip->isHidden());
    EXPECT_EQ(table->newHand().myCards.size(), kHand.size() - 2);
    ASSERT_TRUE(table->phom().isDoFire);

    ServiceRecording rec(PhomNewService::getInstance());
    drag(*table, 0, std::nullopt, {100, 150});
    EXPECT_TRUE(rec.session->sent().empty());
    EXPECT_EQ(table->chatPlayers()[4].empty() ? text("ZUNO_CancelBeforeFire") : table->chatPlayers()[4],
              text("ZUNO_CancelBeforeFire"));

    // Nothing selected: the whole hand is sent.
    table->doAddCard();
    const std::vector<PhomCard> hand = table->newHand().myCards;
    EXPECT_EQ(rec.takeOne(), bytesOf(PhomNewService::getInstance(), [&](auto& s) { s.addCard(1, 2, hand); }));

    table->doSkipToDownPhom(nullptr);
    EXPECT_TRUE(table->btnSkip->isHidden());
    EXPECT_EQ(startTitle(*table), text("ZUNO_discard"));
}

}  // namespace
}  // namespace zuno::testing

namespace zuno::testing {
namespace {

TEST_F(PhomScreen, LeavingAsksFirstDuringADealOrWhenIAmTheReadyOwner) {
    struct Case {
        const char* name;
        bool dealRuns, ready;
        int32_t owner;
        bool asks;
    };
    const Case cases[] = {
        {"between deals", false, false, 10, false},
        {"ready, not the owner", false, true, 20, false},
        {"the ready owner", false, true, 10, true},
        {"a deal runs", true, false, 20, true},
    };
    for (const auto& c : cases) {
        auto table = phom();
        table->setOwnerID(c.owner);
        table->setIsGameEnd(!c.dealRuns);
        me->setIsReady(c.ready);
        EXPECT_EQ(table->leaveNeedsConfirmation(), c.asks) << c.name;
    }
}

TEST_F(PhomScreen, NobodySeatedGivesNoGiftNorFlyTextAndChatsInTheMiddle) {
    auto table = phom();
    const size_t before = table->view()->subviews().size();
    table->onShowGift(5, 99, 30);   // the giver has no seat
    table->onShowGift(5, 30, 99);   // nor the receiver
    table->showFlyTextWirhFromId(99, 500);
    EXPECT_EQ(table->view()->subviews().size(), before);
    table->onChatFromWithId(99, std::string("guest"), "hello");
    EXPECT_FALSE(table->bubble(4)->isHidden());
}

}  // namespace
}  // namespace zuno::testing
