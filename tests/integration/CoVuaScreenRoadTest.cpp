// A Co Vua game in the desktop program, headless, against the stand-in's robot: An's invitation to his
// table accepted from the main menu opens the table screen; I look at An's card and give him a gift; I
// get ready and An starts with me as White and the move clock counting; we chat; I castle king-side by
// two clicks and see the rook jump; An's pawn answers; my pawn reaches the last rank, the chooser asks
// for the piece and a click on the queen promotes it, giving check; my rook and queen move into the
// ranks where the bubbles begin and everyone talks again; my draw offer is refused; An's is declined; I
// resign, read the results, continue and leave.
#include <gtest/gtest.h>

#include <regex>

#include "games/board/BoardTableModel.h"
#include "games/covua/CoVuaView.h"
#include "platform/ui/Application.h"
#include "platform/ui/Window.h"
#include "screens/MainView.h"
#include "standin-server/StandinCoVua.h"
#include "standin-server/StandinRobotTables.h"
#include "support/AlertButtons.h"
#include "support/BoardRoadTest.h"

using namespace zuno;
using namespace zuno::standin;
using zuno::testing::answerAlert;

namespace {

constexpr int32_t kAn = StandinRobotTables::kOwnerId;
using C = CoVuaCodes;

class CoVuaScreenRoadTest : public zuno::testing::BoardRoadTest {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(startWith(coVua, 500000, StandinTableKind::Robots, "covua-road")); }

    // A click on a square of my board (row 0 at the top, column 0 at the left).
    void click(const CoVuaView& table, CoVuaSquare square) {
        program->delegate()->window->tap(table.board->convertPointToView(PieceView::restingCentre(square), nullptr));
    }
    int8_t onStandin(const char* square) {
        return robots->locked([&] { return coVua->pieceOn(StandinCoVua::square(square)); });
    }
    // The stand-in's next position, laid on my board too when the game has started (the client
    // always starts from the usual one).
    using Position = std::vector<std::pair<int8_t, int8_t>>;
    static void layOut(CoVuaView& table, const Position& position) {
        auto& board = table.board->game().board();
        for (int row = 0; row < 8; ++row)
            for (int col = 0; col < 8; ++col) board.setPieceAt(row, col, C::kEmpty);
        for (const auto& [code, piece] : position)
            if (auto s = C::squareOfCode(code, table.isWhite())) board.setPieceAt(s->row, s->col, piece);
        table.board->paintChessCell();
    }
    static int8_t spriteOn(const CoVuaView& table, CoVuaSquare s) {
        auto piece = table.board->pieceAt(s);
        return piece ? piece->chessId() : 0;
    }
    // My piece moved by two clicks, announced, and An's answer announced.
    void myMoveAnswered(const CoVuaView& table, CoVuaSquare from, CoVuaSquare to) {
        const int8_t piece = spriteOn(table, from);
        click(table, from);
        settle();
        click(table, to);
        ASSERT_TRUE(pump([&] { return spriteOn(table, to) == piece && table.table().turn == kMe; }))
            << from.row << "," << from.col << " to " << to.row << "," << to.col;
        settle();
    }

    std::shared_ptr<StandinCoVua> coVua;
};

}  // namespace

TEST_F(CoVuaScreenRoadTest, AGameAgainstAnToMyResignation) {
    const auto sq = &StandinCoVua::square;
    const Position position{{sq("e1"), 16}, {sq("h1"), 14}, {sq("b7"), 11}, {sq("e8"), 26}, {sq("h7"), 21}};
    robots->locked([&] {
        coVua->setNextFirstMover(kMe);
        coVua->setNextPosition(position);
    });
    ASSERT_NO_FATAL_FAILURE(signInAndAccept(StandinCoVua::kInvitation));
    auto table = waitForTop<CoVuaView>();
    ASSERT_TRUE(table);
    ASSERT_TRUE(pump([&] { return table->table().getPlayerWithID(kAn) != nullptr; }));
    settle();
    ASSERT_NO_FATAL_FAILURE(cardAndGiftOfTheRobot(*table, "An"));
    ASSERT_NO_FATAL_FAILURE(everyoneTalks(*table));

    // Ready: An, the owner, starts; I play White and my clock counts down from two minutes.
    ASSERT_EQ(title(table->btnStart), BoardTableModel::startKind(1, 0).title);
    tap(*table->btnStart);
    ASSERT_TRUE(pump([&] { return table->table().isInBoard; }));
    settle();
    EXPECT_TRUE(table->isWhite());
    EXPECT_EQ(table->table().turn, kMe);
    EXPECT_TRUE(std::regex_match(title(table->btnStart), std::regex("01:[0-5][0-9]"))) << title(table->btnStart);
    EXPECT_EQ(table->lblQuotaTime0->text(), "10:00");
    layOut(*table, position);
    settle();
    ASSERT_NO_FATAL_FAILURE(chatWithTheRobot(*table));

    // Castling by two clicks: the king to g1, the rook jumps to f1.
    click(*table, {7, 4});
    ASSERT_FALSE(table->board->marks().empty());
    settle();
    click(*table, {7, 6});
    ASSERT_TRUE(pump([&] { return onStandin("g1") == 16; }));
    EXPECT_EQ(onStandin("f1"), 14);
    ASSERT_TRUE(pump([&] { return spriteOn(*table, {7, 6}) == 16 && spriteOn(*table, {7, 5}) == 14; }));
    // An's pawn: h7-h5.
    ASSERT_TRUE(pump([&] { return spriteOn(*table, {3, 7}) == 21 && table->table().turn == kMe; }));
    settle();
    EXPECT_EQ(spriteOn(*table, {1, 7}), 0);

    // My pawn reaches b8: the chooser asks, the queen is chosen, the queen gives check.
    click(*table, {1, 1});
    click(*table, {0, 1});
    ASSERT_TRUE(pump([&] { return table->isChooserShown(); }));
    settle();
    tap(*table->pcView->btnHau);
    ASSERT_TRUE(pump([&] { return spriteOn(*table, {0, 1}) == 15; }));
    EXPECT_EQ(onStandin("b8"), 15);
    EXPECT_TRUE(pump([&] { return !table->isChooserShown(); })) << "the chooser slides out";
    settle();
    ASSERT_TRUE(pump([&] { return table->table().turn == kMe; }));
    settle();
    EXPECT_EQ(spriteOn(*table, {4, 7}), 21) << "An's pawn went on";

    // Pieces into the rows where the bubbles begin, An answering each: my rook into my third rank, my
    // queen into his. Then everyone talks.
    ASSERT_NO_FATAL_FAILURE(myMoveAnswered(*table, {7, 5}, {5, 5}));
    ASSERT_NO_FATAL_FAILURE(myMoveAnswered(*table, {0, 1}, {2, 1}));
    ASSERT_NO_FATAL_FAILURE(everyoneTalks(*table));

    // My draw offer: refused.
    table->clickDraw();
    ASSERT_TRUE(dialogSays(text("ZUNO_oppNotAgree"))) << dialogText();
    settle();
    answerAlert(true);
    settle();
    EXPECT_EQ(title(table->btnDraw), text("ZUNO_pleaseDraw"));

    // An's offer: declined, the game goes on.
    robots->locked([&] { coVua->offerDraw(*robots); });
    ASSERT_TRUE(dialogSays(text("ZUNO_oppWantDraw"))) << dialogText();
    settle();
    answerAlert(false);
    settle();
    EXPECT_TRUE(table->table().isInBoard);

    // Resign, confirmed: I lose and the result shows.
    const int64_t before = UIController::myInfo()->money();
    const int32_t stake = table->table().dmoney;
    table->clickLose();
    ASSERT_TRUE(dialogSays(text("ZUNO_confirm_lose"))) << dialogText();
    settle();
    answerAlert(true);
    ASSERT_TRUE(pump([&] { return !table->table().isInBoard; }));
    ASSERT_TRUE(pump([&] { return UIController::myInfo()->money() == before - stake; }));
    ASSERT_TRUE(pump([] { return dialogText().find(text("ZUNO_lose")) != std::string::npos; })) << dialogText();
    settle();
    closeDialogs();
    EXPECT_EQ(title(table->btnStart), BoardTableModel::startKind(3, 0).title);
    EXPECT_FALSE(table->board->isEmpty()) << "the final position stays";

    // Continue clears the board; the next game is lost on my clock; leaving between games needs no
    // confirmation.
    tap(*table->btnStart);
    settle();
    EXPECT_TRUE(table->board->isEmpty());
    EXPECT_EQ(title(table->btnStart), BoardTableModel::startKind(1, 0).title);
    ASSERT_NO_FATAL_FAILURE(nextGameLostOnMyClock(*table));
    ASSERT_NO_FATAL_FAILURE(leaveAndJoinTheNext(table, StandinCoVua::kGameType, StandinTableKind::Robots));
    ASSERT_NO_FATAL_FAILURE(pressLeave(table));
    ASSERT_TRUE(waitForTop<MainView>());
}
