// A Co Tuong game in the desktop program, headless, against the stand-in's robot: the invitation to an
// empty table accepted from the main menu opens the table screen; Binh sits down and gets ready; I look
// at his card and give him a gift; my start is refused while my balance is below the stake; a top-up
// from the table shows at my seat when the table is back, then the game starts with Binh moving first
// and the move clock counting; we chat; Binh's cannon takes my horse; I move a soldier by two clicks on
// my turned board, its hints showing; Binh answers; pieces move into the rows where the bubbles begin
// and onto the river's banks, and everyone talks again; my draw offer is refused; Binh's is declined; I
// resign, read the results (my seat shows the stake gone), continue and leave.
#include <gtest/gtest.h>

#include <regex>

#include "games/board/BoardTableModel.h"
#include "games/cotuong/CoTuongView.h"
#include "games/cotuong/Piece.h"
#include "games/cotuong/Team.h"
#include "platform/ui/Application.h"
#include "platform/ui/Window.h"
#include "screens/MainView.h"
#include "standin-server/StandinCoTuong.h"
#include "standin-server/StandinRobotTables.h"
#include "support/AlertButtons.h"
#include "support/BoardRoadTest.h"

using namespace zuno;
using namespace zuno::standin;
using zuno::testing::answerAlert;

namespace {

constexpr int32_t kBinh = StandinRobotTables::kRobotId;

class CoTuongScreenRoadTest : public zuno::testing::BoardRoadTest {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(startWith(coTuong, 500, StandinTableKind::Empty, "cotuong-road")); }

    // A click on a square of my board (file from the left, rank from my bottom).
    void click(const CoTuongView& table, int x, int y) {
        program->delegate()->window->tap(table.board->convertPointToView(Piece::convertPoint(x, y), nullptr));
    }
    std::string onStandin(int file, int rank) {
        return robots->locked([&] { return coTuong->pieceOn(StandinCoTuong::square(file, rank)); });
    }
    // My piece moved by two clicks, announced, and Binh's answer announced.
    void myMoveAnswered(const CoTuongView& table, CoTuongSquare from, CoTuongSquare to) {
        click(table, from.x, from.y);
        settle();
        click(table, to.x, to.y);
        ASSERT_TRUE(pump([&] {
            const Piece* moved = table.board->model().getUnitAtPoint(to.x, to.y);
            return moved && table.table().turn == kMe;
        })) << from.x << "," << from.y << " to " << to.x << "," << to.y;
        settle();
    }

    std::shared_ptr<StandinCoTuong> coTuong;
};

}  // namespace

TEST_F(CoTuongScreenRoadTest, AGameAgainstBinhToMyResignation) {
    ASSERT_NO_FATAL_FAILURE(signInAndAccept(StandinCoTuong::kInvitation));
    auto table = waitForTop<CoTuongView>();
    ASSERT_TRUE(table);
    ASSERT_TRUE(pump([&] {
        auto binh = table->table().getPlayerWithID(kBinh);
        return binh && binh->isReady();
    }));
    settle();
    signIn->addToBalance(kMe, 1000);  // the gift's price, on the stand-in only
    ASSERT_NO_FATAL_FAILURE(cardAndGiftOfTheRobot(*table, "Binh"));
    ASSERT_NO_FATAL_FAILURE(everyoneTalks(*table));

    // Short of the stake: refused here, nothing sent.
    ASSERT_EQ(title(table->btnStart), BoardTableModel::startKind(0, 0).title);
    tap(*table->btnStart);
    ASSERT_TRUE(dialogSays(text("ZUNO_youCantStartLessMoney"))) << dialogText();
    answerAlert(true);
    settle();
    EXPECT_EQ(robots->locked([&] { return coTuong->gameCount(); }), 0);

    // Topped up from the table by a direct charge: my seat shows the new balance when the table is back.
    ASSERT_NO_FATAL_FAILURE(openTheTopUp(*table));
    ASSERT_NO_FATAL_FAILURE(chargeDirectlyAndGoBack());
    ASSERT_EQ(waitForTop<CoTuongView>(), table);
    EXPECT_EQ(table->lblMoney0->text(), amountShown(50500));
    robots->locked([&] { coTuong->setNextFirstMover(kBinh); });
    tap(*table->btnStart);
    ASSERT_TRUE(pump([&] { return table->table().isInBoard; }));
    EXPECT_TRUE(table->isBottomRed());
    EXPECT_TRUE(std::regex_match(title(table->btnStart), std::regex("0[12]:[0-5][0-9]"))) << title(table->btnStart);
    settle();
    ASSERT_NO_FATAL_FAILURE(chatWithTheRobot(*table));

    // Binh's cannon takes my horse: the square of my left horse is his cannon's now.
    ASSERT_TRUE(pump([&] { return table->table().turn == kMe; }));
    settle();
    Piece* taker = table->board->model().getUnitAtPoint(7, 0);
    ASSERT_TRUE(taker);
    EXPECT_EQ(taker->name(), "b_pao");

    // My soldier on the left edge steps forward: on the wire, as the first mover sees it, the
    // right-hand file and one rank further down.
    click(*table, 0, 3);
    ASSERT_FALSE(table->board->hints().empty());
    settle();
    click(*table, 0, 4);
    ASSERT_TRUE(pump([&] { return onStandin(8, 4) == "r_zu"; }));
    // My move's echo, then Binh's answer.
    ASSERT_TRUE(pump([&] { return table->board->model().getUnitAtPoint(0, 4) && table->table().turn == kMe; }));
    settle();

    // Pieces into the rows of every bubble, Binh answering each move: my chariot into my second rank,
    // my cannons into his second rank and onto his bank of the river, a second soldier onto mine
    // (Binh's cannon meanwhile takes what it can on my back rank). Then everyone talks.
    const std::pair<CoTuongSquare, CoTuongSquare> moves[] = {
        {{8, 0}, {8, 1}}, {{7, 2}, {7, 8}}, {{1, 2}, {1, 5}}, {{4, 3}, {4, 4}}};
    for (const auto& [from, to] : moves) ASSERT_NO_FATAL_FAILURE(myMoveAnswered(*table, from, to));
    ASSERT_NO_FATAL_FAILURE(everyoneTalks(*table));

    ASSERT_NO_FATAL_FAILURE(drawRefusedDeclinedThenResign(*table, *coTuong));
    EXPECT_EQ(UIController::myInfo()->money(), 49500) << "the stake went to Binh";
    EXPECT_EQ(signIn->balance(kMe), 49500);
    EXPECT_EQ(table->lblMoney0->text(), amountShown(49500));

    // Continue clears the board; the next game is lost on my clock; leaving between games needs no
    // confirmation.
    tap(*table->btnStart);
    settle();
    EXPECT_TRUE(table->board->isEmpty());
    EXPECT_EQ(title(table->btnStart), BoardTableModel::startKind(0, 0).title);
    ASSERT_NO_FATAL_FAILURE(nextGameLostOnMyClock(*table));
    ASSERT_NO_FATAL_FAILURE(leaveAndJoinTheNext(table, StandinCoTuong::kGameType, StandinTableKind::Empty));
    ASSERT_NO_FATAL_FAILURE(pressLeave(table));
    ASSERT_TRUE(waitForTop<MainView>());
    ASSERT_TRUE(pump([&] { return robots->locked([&] { return robots->placeCount() == 0; }); }));
}
