// Phom deals in the desktop program, headless, against the stand-in's robots, reached by the robot's
// invitation from the main menu. At An's table: ready, the deal, an eat of cards that do not meld
// refused in my bubble with eat and draw offered again, my kings eaten, draws and fires by the buttons,
// the lay-down offered on my fourth turn, the finish with its marks and continue. At my own table: Binh
// sits and gets ready, and my start deals.
#include <gtest/gtest.h>

#include <algorithm>

#include "games/phom/PhomView.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Application.h"
#include "platform/ui/Window.h"
#include "screens/LoginView.h"
#include "screens/MainView.h"
#include "screens/ServerView.h"
#include "shell/CustomLabel.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "shell/ZunoOnlineAppDelegate.h"
#include "standin-server/StandinPhom.h"
#include "standin-server/StandinRobotTables.h"
#include "support/AceLowCards.h"
#include "support/ProgramRoadTest.h"
#include "support/ViewTexts.h"

using namespace zuno;
using namespace zuno::standin;
using zuno::testing::collectTexts;
using zuno::testing::aceLowCards;
using zuno::testing::aceLowCard;

namespace {

constexpr int32_t kMe = 4711;

std::string text(const char* key) { return Resources::getInstance().textForKey(key); }

class PhomScreenRoadTest : public zuno::testing::ProgramRoadTest {
protected:
    void start(StandinTableKind kind, uint8_t turnSeconds = 120) {
        ASSERT_NO_FATAL_FAILURE(startStandin());
        signIn->addAccount({"lan", "hoa sen", kMe, 500000, 12, 250});
        StandinRobotTables::Options options;
        options.invitationDelay = 1;
        options.robotDelay = 0;
        options.seed = 7;
        options.turnSeconds = turnSeconds;  // 120: no turn runs out while the test looks
        robots = StandinRobotTables::installOn(server, signIn, nullptr, options);
        phom = StandinPhom::addTo(*robots);
        robots->setNextInvitation(7, kind);
        ASSERT_NO_FATAL_FAILURE(launchProgram("phom-road"));
        UIController::setInviting(true);
        settle();
        signInFromTheLoginScreen("lan", "hoa sen");
        ASSERT_TRUE(pump([] { return dialogText() == StandinPhom::kInvitation; })) << dialogText();
        auto alerts = ui::AlertView::visibleAlerts();
        ASSERT_FALSE(alerts.empty());
        alerts.back()->tapButtonAtIndex(alerts.back()->firstOtherButtonIndex());
        table = waitForTop<PhomView>();
        ASSERT_TRUE(table);
        ASSERT_TRUE(pump([&] {
            auto binh = table->table().playerAtSeat(table->getSeatFromID(StandinRobotTables::kRobotId));
            return binh && binh->isReady();
        }));
        settle();
    }

    static std::string dialogText() { return UIController::shownDialogMessage().value_or(""); }
    static std::string title(const std::shared_ptr<ui::Button>& button) {
        return button->isHidden() ? std::string() : button->titleForState(ui::ControlState::Normal).value_or("");
    }
    std::string myBubble() const {
        std::string out;
        if (auto bubble = table->bubble(4); bubble && !bubble->isHidden()) collectTexts(*bubble, out);
        return out;
    }
    // A tap on the part of my card the bottom bar leaves uncovered.
    void tapCard(int8_t id) {
        for (const auto& sprite : table->handSprites()) {
            if (sprite->cardID != id) continue;
            auto window = ZunoOnlineAppDelegate::current()->window;
            const ui::Point point = sprite->convertPointToView({30, 20}, window.get());
            window->tap(point);
            return;
        }
        ADD_FAILURE() << "no card " << int{id} << " in my hand";
    }
    // My turn's draw or eat is offered.
    bool myTakingTurn() const { return title(table->btnStart) == text("ZUNO_eat"); }
    // Fires my first card outside a meld.
    void fireAFreeCard() {
        const auto& cards = table->phom().hand.myCards;
        auto free = std::find_if(cards.begin(), cards.end(), [](const PhomCard& c) { return c.isFree(); });
        ASSERT_NE(free, cards.end());
        tapCard(free->cardID);
        ASSERT_EQ(title(table->btnStart), text("ZUNO_fire"));
        tap(*table->btnStart);
    }

    std::shared_ptr<StandinRobotTables> robots;
    std::shared_ptr<StandinPhom> phom;
    std::shared_ptr<PhomView> table;
};

}  // namespace

TEST_F(PhomScreenRoadTest, ARefusedEatMyKingsEatenALayDownAndTheFinish) {
    ASSERT_NO_FATAL_FAILURE(start(StandinTableKind::Robots));
    // An opens with the king of diamonds; I hold two kings.
    phom->setNextDeal({aceLowCards("AS 3C 5D 7H 9S JC KD 2H 4S"), aceLowCards("KS KC 2C 6D 8H TS QC 3D 5H"),
                       aceLowCards("2S 4C 6H 8D TC QD AH 3H 9D")},
                      aceLowCards("7C 7D JS JD 4D 6C 8C TD QS AC 9C 5C"));
    ASSERT_EQ(title(table->btnStart), text("ZUNO_ready"));
    tap(*table->btnStart);
    ASSERT_TRUE(pump([&] { return myTakingTurn(); }));
    settle();
    EXPECT_EQ(table->handSprites().size(), 9u);
    EXPECT_EQ(title(table->btnConfig), text("ZUNO_get"));

    // Two cards that do not meld with the king: refused in my bubble, eat and draw offered again.
    tapCard(aceLowCard("2C"));
    tapCard(aceLowCard("6D"));
    tap(*table->btnStart);
    ASSERT_TRUE(pump([&] { return myBubble().find(text("ZUNO_notPhom")) != std::string::npos; })) << myBubble();
    EXPECT_TRUE(myTakingTurn());

    tapCard(aceLowCard("KS"));
    tapCard(aceLowCard("KC"));
    tap(*table->btnStart);
    ASSERT_TRUE(pump([&] { return title(table->btnStart) == text("ZUNO_fire"); }));
    EXPECT_EQ(table->phom().numCardEat[0], 1);
    ASSERT_NO_FATAL_FAILURE(fireAFreeCard());

    // Then draw and fire each turn; the fourth offers the lay-down of my kings.
    bool laid = false;
    for (int turn = 1; turn < 4; ++turn) {
        ASSERT_TRUE(pump([&] { return myTakingTurn() || table->phom().finish; }));
        if (table->phom().finish) break;
        tap(*table->btnConfig);
        ASSERT_TRUE(pump([&] {
            return title(table->btnStart) == text("ZUNO_fire") || title(table->btnStart) == text("ZUNO_haPhom");
        }));
        if (title(table->btnStart) == text("ZUNO_haPhom")) {
            tap(*table->btnStart);
            ASSERT_TRUE(pump([&] { return table->phom().isHaPhom; }));
            laid = true;
            EXPECT_GE(table->laidSprites(0).size(), 3u);  // my kings, and what my draws melded
            ASSERT_TRUE(pump([&] { return title(table->btnStart) == text("ZUNO_fire"); }));
        }
        ASSERT_NO_FATAL_FAILURE(fireAFreeCard());
    }
    EXPECT_TRUE(laid);
    ASSERT_TRUE(pump([&] { return title(table->btnStart) == text("ZUNO_continuee"); }));
    settle();
    int marks = 0;
    for (const auto& mark : {table->imgEnd0, table->imgEnd1, table->imgEnd2, table->imgEnd3})
        marks += mark && !mark->isHidden();
    EXPECT_EQ(marks, 3);

    tap(*table->btnStart);
    settle();
    EXPECT_TRUE(table->handSprites().empty());
    EXPECT_EQ(title(table->btnStart), text("ZUNO_ready"));
}

// Six-second turns: on my fourth turn I leave the lay-down button alone; the table lays down for me
// two seconds before the end and passes nothing for me after.
TEST_F(PhomScreenRoadTest, MyTurnRunsOutWithTheLayDownShowing) {
    ASSERT_NO_FATAL_FAILURE(start(StandinTableKind::Robots, 6));
    phom->setNextDeal({aceLowCards("AS 3C 5D 7H 9S JC KD 2H 4S"), aceLowCards("KS KC 2C 6D 8H TS QC 3D 5H"),
                       aceLowCards("2S 4C 6H 8D TC QD AH 3H 9D")},
                      aceLowCards("7C 7D JS JD 4D 6C 8C TD QS AC 9C 5C"));
    tap(*table->btnStart);
    ASSERT_TRUE(pump([&] { return myTakingTurn(); }));
    settle();  // the dealt cards in their places
    tapCard(aceLowCard("KS"));
    tapCard(aceLowCard("KC"));
    tap(*table->btnStart);
    ASSERT_TRUE(pump([&] { return title(table->btnStart) == text("ZUNO_fire"); }));
    ASSERT_NO_FATAL_FAILURE(fireAFreeCard());
    for (int turn = 1; turn < 4; ++turn) {
        ASSERT_TRUE(pump([&] { return myTakingTurn(); }));
        tap(*table->btnConfig);
        ASSERT_TRUE(pump([&] {
            return title(table->btnStart) == text("ZUNO_fire") || title(table->btnStart) == text("ZUNO_haPhom");
        }));
        if (title(table->btnStart) == text("ZUNO_haPhom")) break;
        ASSERT_NO_FATAL_FAILURE(fireAFreeCard());
    }
    ASSERT_EQ(title(table->btnStart), text("ZUNO_haPhom"));
    const int64_t end = table->table().dieTime;
    ASSERT_TRUE(pump([&] { return table->phom().isHaPhom; }));
    EXPECT_LE(GameCardView::clockSeconds(), end - 1);
    EXPECT_FALSE(table->isTurnClockRunning());
    // Past the end of the turn: my clock sent no skip (it would have given the turn up).
    ASSERT_FALSE(pump([&] { return GameCardView::clockSeconds() > end + 1 && table->currentPlayer() != kMe; }, 60));
}

TEST_F(PhomScreenRoadTest, AsOwnerIStartADeal) {
    ASSERT_NO_FATAL_FAILURE(start(StandinTableKind::Empty));
    ASSERT_EQ(table->ownerID(), kMe);
    ASSERT_EQ(title(table->btnStart), text("ZUNO_start"));
    tap(*table->btnStart);
    ASSERT_TRUE(pump([&] { return table->handSprites().size() == 9u; }));
    EXPECT_EQ(phom->dealCount(), 1);
}
