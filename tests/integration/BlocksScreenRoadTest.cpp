// Blocks games in the desktop program, headless, against the stand-in's robot: the invitation accepted
// from the main menu opens the table, and the window turns upright; I look at An's card and give him a
// gift; I get ready and An starts; we chat. The
// piece moves by the arrow keys and by the finger (a click turns it, a quick long drag down drops it);
// each landing reaches the stand-in as its report; garbage rows wait for the next landing; the marker
// follows An's height; a new level re-times the drop at the next piece. Stacking up, I lose with one
// report: the result, continue, leave, and the window is landscape again. In a second run An's stack
// overflows first and I win.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "Program.h"
#include "games/blocks/BlocksView.h"
#include "games/board/BoardTableModel.h"
#include "platform/ui/Application.h"
#include "platform/ui/Window.h"
#include "screens/MainView.h"
#include "shell/GameKeys.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "standin-server/StandinBlocks.h"
#include "standin-server/StandinRobotTables.h"
#include "support/AlertButtons.h"
#include "support/BoardRoadTest.h"

using namespace zuno;
using namespace zuno::standin;
using zuno::testing::answerAlert;

namespace {

class BlocksScreenRoadTest : public zuno::testing::BoardRoadTest {
protected:
    // The robot's own steps are off: the test sends its garbage, height and level.
    void start(int robotLosesAfter) {
        ASSERT_NO_FATAL_FAILURE(startStandin());
        signIn->addAccount({"lan", "hoa sen", kMe, 500000, 12, 250});
        StandinRobots::addTo(*signIn);
        StandinSocial::installOn(server, signIn);
        StandinMoney::installOn(server, signIn, ZUNO_STANDIN_PICTURES);
        StandinRobotTables::Options options;
        options.invitationDelay = 1;
        options.robotDelay = 0;
        options.seed = 7;
        robots = StandinRobotTables::installOn(server, signIn, nullptr, options);
        blocks = StandinBlocks::addTo(*robots, {16, robotLosesAfter, 0, 0, 0});
        robots->setNextInvitation(StandinBlocks::kGameType);
        ASSERT_NO_FATAL_FAILURE(launchProgram("blocks-road"));
        UIController::setInviting(true);
        settle();
        ASSERT_NO_FATAL_FAILURE(signInFromTheLoginScreen("lan", "hoa sen"));
        ASSERT_TRUE(pump([] { return dialogText() == StandinBlocks::kInvitation; })) << dialogText();
        answerAlert(true);
        table = waitForTop<BlocksView>();
        ASSERT_TRUE(table);
    }

    ui::Size windowSize() const { return program->delegate()->window->frame().size; }

    // Ready; An starts a moment later and the first piece falls.
    void readyAndStart() {
        ASSERT_EQ(title(table->btnStart), BoardTableModel::startKind(1, 0).title);
        tap(*table->btnStart);
        ASSERT_TRUE(pump([&] { return table->isPlaying() && game().gameBlock(); }));
    }
    BlocksGame& game() { return table->game(); }
    const tBlock& piece() { return *game().gameBlock(); }
    // The piece drops to the stack (Space) and lands at the next tick; the next one falls.
    void dropAndLand() {
        const int32_t landed = game().gameMoveCount();
        ASSERT_TRUE(app::pressGameKey(GameKey::Space));
        ASSERT_TRUE(pump([&] { return game().gameMoveCount() > landed && game().gameBlock(); }));
    }
    // A finger on the well, in window points.
    ui::Point onWell(double dx, double dy) const {
        const ui::Rect frame = table->wellView->bounds();
        return table->wellView->convertPointToView({frame.width() / 2 + dx, frame.height() / 2 + dy}, nullptr);
    }
    static int losses(const std::vector<StandinBlocksRobot::Report>& reports) {
        return static_cast<int>(std::count_if(reports.begin(), reports.end(), [](const auto& r) { return r.loss(); }));
    }

    std::shared_ptr<StandinBlocks> blocks;
    std::shared_ptr<BlocksView> table;
};

TEST_F(BlocksScreenRoadTest, MovesLandingsGarbageHeightLevelAndALoss) {
    ASSERT_NO_FATAL_FAILURE(start(40));
    EXPECT_EQ(windowSize(), (ui::Size{320, 480}));
    ASSERT_TRUE(pump([&] { return table->table().opponent() != nullptr; }));
    settle();
    ASSERT_NO_FATAL_FAILURE(cardAndGiftOfTheRobot(*table, "An"));
    ASSERT_NO_FATAL_FAILURE(everyoneTalks(*table));
    ASSERT_NO_FATAL_FAILURE(readyAndStart());
    settle();
    ASSERT_NO_FATAL_FAILURE(chatWithTheRobot(*table));
    EXPECT_EQ(table->customInterval(), 1);
    EXPECT_EQ(game().blockLenght(), 16);
    EXPECT_EQ(game().curBlockKind(), blocks->sequence()[0]);

    // Keys: Left and Right a column, Down a row, Up turns.
    const ui::Point at = piece().pos();
    ASSERT_TRUE(app::pressGameKey(GameKey::Left));
    EXPECT_EQ(piece().pos().y, at.y - 1);
    ASSERT_TRUE(app::pressGameKey(GameKey::Right));
    ASSERT_TRUE(app::pressGameKey(GameKey::Right));
    EXPECT_EQ(piece().pos().y, at.y + 1);
    ASSERT_TRUE(app::pressGameKey(GameKey::Down));
    EXPECT_EQ(piece().pos().x, at.x + 1);
    int8_t kind = piece().blockKind();
    ASSERT_TRUE(app::pressGameKey(GameKey::Up));
    EXPECT_NE(piece().blockKind(), kind);

    // The finger: a click turns the piece, a quick drag of 120 points down drops it to the stack.
    kind = piece().blockKind();
    auto& app = ui::Application::shared();
    app.touchDown(onWell(0, -100));
    app.touchUp(onWell(0, -100));
    EXPECT_NE(piece().blockKind(), kind);
    app.touchDown(onWell(0, -100));
    app.touchMove(onWell(0, 20));
    app.touchUp(onWell(0, 20));
    ASSERT_TRUE(game().isColideDown(piece()));
    const tBlock resting = piece();

    // It lands at the next tick: the stand-in hears where.
    ASSERT_TRUE(pump([&] { return blocks->reports().size() == 1; }));
    const auto report = blocks->reports()[0];
    EXPECT_EQ(report.index, 0);
    EXPECT_EQ(report.type, resting.blockKind() / 4);
    EXPECT_EQ(report.ro, (4 - resting.blockKind() % 4) % 4);
    EXPECT_EQ(report.posX, static_cast<int>(resting.pos().y));
    EXPECT_EQ(report.posY, static_cast<int>(resting.pos().x) + 2);
    EXPECT_EQ(report.idMessage, 0);

    // Garbage waits for the next landing, then comes in under the stack, oldest row first.
    ASSERT_TRUE(pump([&] { return game().gameBlock() != nullptr; }));
    blocks->sendGarbage(2, {4, 6});
    std::vector<int32_t> bottom;
    for (int column = 0; column < 10; ++column) bottom.push_back(game().gameBoard()->getValueAtRow(19, column));
    ASSERT_TRUE(pump([&] { return game().addingRowCount() == 2; }));
    ASSERT_EQ(game().gameMoveCount(), 1);
    for (int column = 0; column < 10; ++column) EXPECT_EQ(game().gameBoard()->getValueAtRow(19, column), bottom[column]);
    ASSERT_NO_FATAL_FAILURE(dropAndLand());
    for (auto [row, hole] : {std::pair{18, 4}, std::pair{19, 6}})
        for (int column = 0; column < 10; ++column)
            EXPECT_EQ(game().gameBoard()->getValueAtRow(row, column), column == hole ? 0 : 10) << row << "," << column;
    EXPECT_EQ(table->lblOwnerMark->text().value_or(""), "2");
    EXPECT_FALSE(table->lblOwnerMarkTitle->isHidden()) << "the count has its caption";
    settle();
    ASSERT_TRUE(pump([&] { return blocks->reports().size() == 2; }));
    EXPECT_EQ(blocks->reports()[1].idMessage, 1);

    // An's height after two of my landings (of forty): one row; the marker moves there and stops.
    const double before = table->enemyHeightTarget();
    blocks->sendHeight();
    ASSERT_TRUE(pump([&] { return game().fHeight() == 1; }));
    EXPECT_DOUBLE_EQ(table->enemyHeightTarget(), before - 18);
    ASSERT_TRUE(pump([&] { return !table->isRopeAnimating(); }));
    EXPECT_LE(std::abs(table->rope->center().y - table->enemyHeightTarget()), 0.5);
    settle();

    // Level 2: the next piece falls every 0.4 s.
    blocks->raiseLevel();
    ASSERT_TRUE(pump([&] { return game().nLevel() == 2; }));
    EXPECT_FLOAT_EQ(game().dropTime(), 0.5f);
    ASSERT_NO_FATAL_FAILURE(dropAndLand());
    EXPECT_FLOAT_EQ(game().dropTime(), 0.4f);

    // Stacking up at the middle until a new piece has no room: one loss report, the result.
    for (int i = 0; i < 40 && !game().isGameEnd(); ++i) {
        const int32_t landed = game().gameMoveCount();
        app::pressGameKey(GameKey::Space);
        pump([&] { return game().gameMoveCount() > landed || game().isGameEnd(); });
    }
    ASSERT_TRUE(game().isGameEnd());
    ASSERT_TRUE(pump([] { return dialogText().find(text("ZUNO_lose")) != std::string::npos; })) << dialogText();
    EXPECT_FALSE(table->isPlaying());
    settle();
    EXPECT_EQ(losses(blocks->reports()), 1);
    closeDialogs();

    // Continue, leave: the lobby, landscape again.
    EXPECT_EQ(title(table->btnStart), BoardTableModel::startKind(3, 0).title);
    tap(*table->btnStart);
    settle();
    EXPECT_EQ(title(table->btnStart), BoardTableModel::startKind(1, 0).title);
    EXPECT_TRUE(table->lblOwnerMarkTitle->isHidden()) << "no count between games";
    ASSERT_NO_FATAL_FAILURE(leaveAndJoinTheNext(table, StandinBlocks::kGameType, StandinTableKind::Robots));
    ASSERT_NO_FATAL_FAILURE(pressLeave(table));
    ASSERT_TRUE(waitForTop<MainView>());
    EXPECT_EQ(windowSize(), (ui::Size{480, 320}));
}

TEST_F(BlocksScreenRoadTest, AnsStackOverflowsFirst) {
    ASSERT_NO_FATAL_FAILURE(start(3));
    ASSERT_NO_FATAL_FAILURE(readyAndStart());
    for (size_t landed = 1; landed <= 3; ++landed) {
        ASSERT_TRUE(app::pressGameKey(GameKey::Space));
        ASSERT_TRUE(pump([&] { return blocks->reports().size() == landed; }));
    }
    ASSERT_TRUE(pump([] { return dialogText().find(text("ZUNO_won")) != std::string::npos; })) << dialogText();
    settle();
    EXPECT_FALSE(table->isPlaying());
    EXPECT_EQ(losses(blocks->reports()), 0);
}

}  // namespace
