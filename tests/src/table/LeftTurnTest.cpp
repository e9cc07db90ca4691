// A table left during my turn leaves nothing of that turn on the next table of its game: every table
// screen is made once and taken again by each join, so the join must show the new table alone.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "games/banker/BaiCaoLogicHandler.h"
#include "games/banker/BaiCaoView.h"
#include "games/banker/XiZachLogicHandler.h"
#include "games/banker/XiZachView.h"
#include "games/blocks/BlocksLogicHandler.h"
#include "games/blocks/BlocksView.h"
#include "games/caro/CaroLogicHandler.h"
#include "games/caro/CaroView.h"
#include "games/cotuong/CoTuongLogicHandler.h"
#include "games/cotuong/CoTuongView.h"
#include "games/cotuong/Piece.h"
#include "games/covua/CoVuaLogicHandler.h"
#include "games/covua/CoVuaView.h"
#include "games/phom/PhomLogicHandler.h"
#include "games/phom/PhomNewLogicHandler.h"
#include "games/phom/PhomView.h"
#include "games/poker/PokerLogicHandler.h"
#include "games/poker/PokerView.h"
#include "games/tienlen/TienLenLogicHandler.h"
#include "games/tienlen/TienLenView.h"
#include "src/table/TableFixture.h"
#include "support/AceLowCards.h"
#include "support/NoLeftTurn.h"

namespace zuno::testing {
namespace {

using Players = std::vector<PlayerPtr>;

// A game's table: how the join reply opens it, and the events that make the turn mine.
struct TableOfGame {
    const char* name;
    int8_t type;
    std::function<Players(const PlayerPtr& me)> firstPlayers;
    std::function<void(ui::ViewController&)> myTurnBegins;
};

std::vector<TienLenPlayerPtr> cardPlayers(const Players& players) {
    std::vector<TienLenPlayerPtr> out;
    for (const auto& player : players) out.push_back(std::dynamic_pointer_cast<TienLenPlayer>(player));
    return out;
}

ChessPlayers boardPlayers(const Players& players) {
    ChessPlayers out;
    for (const auto& player : players) {
        auto chess = std::make_shared<ChessPlayer>();
        chess->setIDDB(player->IDDB());
        chess->setName(player->name());
        chess->setMoney(player->money());
        chess->setIsReady(player->isReady());
        out.push_back(chess);
    }
    return out;
}

class LeftTurn : public TableTest {
protected:
    // The join reply of a table, as the game's decoder hands it over: the game's screen opened on it.
    std::shared_ptr<ui::ViewController> join(int8_t type, int8_t board, int32_t owner, const Players& players) {
        UIController::setGameType(type);
        const auto joined = [&](const auto& handler, auto list) {
            handler->onJoinGameSuccessWithRoomId(1, board, owner, 100, std::move(list));
        };
        switch (type) {
            case 3: joined(TienLenLogicHandler::getInstance(), players); break;
            case 12: joined(TienLenMBLogicHandler::getInstance(), players); break;
            case 7: joined(PhomLogicHandler::getInstance(), cardPlayers(players)); break;
            case 13: joined(PhomNewLogicHandler::getInstance(), cardPlayers(players)); break;
            case 4: joined(PokerLogicHandler::getInstance(), cardPlayers(players)); break;
            case 11: joined(BaiCaoLogicHandler::getInstance(), cardPlayers(players)); break;
            case 2: joined(XiZachLogicHandler::getInstance(), cardPlayers(players)); break;
            case 5: joined(CoTuongLogicHandler::getInstance(), boardPlayers(players)); break;
            case 9: joined(CoVuaLogicHandler::getInstance(), boardPlayers(players)); break;
            case 1: joined(CaroLogicHandler::getInstance(), boardPlayers(players)); break;
            default: joined(BlocksLogicHandler::getInstance(), boardPlayers(players)); break;
        }
        run(1);
        return nav().topViewController();
    }
};

// I (10) am at every first table with others, and my turn begins there; I leave in the middle of it
// and join the next table of the same game, another owner's, where no deal or game runs.
TEST_F(LeftTurn, NothingOfAMyTurnLeftShowsAtTheNextTableOfItsGame) {
    const auto cardTable = [](const PlayerPtr& me) {
        return Players{seatPlayer(20, "an"), me, seatPlayer(30, "binh"), seatPlayer(40, "chi")};
    };
    const auto boardTable = [](const PlayerPtr& me) { return Players{me, seatPlayer(20, "an", 5000, true)}; };
    const auto tienLen = [](ui::ViewController& screen) {
        auto& table = dynamic_cast<TienLenView&>(screen);
        table.startWithWhoMoveFirst(10, 20, {40, 4, 0, 5, 9, 13, 17, 21, 25, 29, 33, 37, 41});
        sys::RunLoop::main().runFor(2);
        table.myCards()[3]->setSelected();  // fire is lit
    };
    const auto phom = [](ui::ViewController& screen) {
        dynamic_cast<PhomView&>(screen).start(30, aceLowCards("5S 5C 5D 9H TH JH KD 2C 7S"), 10, 10);
        sys::RunLoop::main().runFor(1.5);  // my name has blinked
    };
    const TableOfGame games[] = {
        {"Tien Len", 3, cardTable, tienLen},
        {"Tien Len Mien Bac", 12, cardTable, tienLen},
        {"Phom", 7, cardTable, phom},
        {"new Phom", 13, cardTable, phom},
        {"Bai Cao", 11, cardTable,
         [](ui::ViewController& screen) {
             dynamic_cast<BaiCaoView&>(screen).startWithInterval(20, std::nullopt, {4, 8, 12});
             sys::RunLoop::main().runFor(3);
         }},
        {"Xi Zach", 2, cardTable,
         [](ui::ViewController& screen) {
             dynamic_cast<XiZachView&>(screen).startWithInterval(20, 10, {4, 8});
             sys::RunLoop::main().runFor(3);
         }},
        {"Poker", 4,
         [](const PlayerPtr& me) {
             Players nine{me, seatPlayer(20, "an"), seatPlayer(30, "binh")};
             while (nine.size() < 9) nine.push_back(seatPlayer(-1, ""));
             return nine;
         },
         [](ui::ViewController& screen) {
             auto& table = dynamic_cast<PokerView&>(screen);
             table.onJoinBoard({10, 20, 30}, {1000, 1000, 1000});
             table.start(20, {12, 40}, 30, 10, 20, 50, 10, {}, {});
             sys::RunLoop::main().runFor(2.5);
         }},
        {"Co Tuong", 5, boardTable,
         [](ui::ViewController& screen) {
             auto& table = dynamic_cast<CoTuongView&>(screen);
             table.startWithMoveFirst(10, 30000);
             const auto horse = Piece::convertPoint(1, 0);
             table.board->tapAt({horse.x, horse.y});  // held, with its hints
         }},
        {"Co Vua", 9, boardTable,
         [](ui::ViewController& screen) {
             auto& table = dynamic_cast<CoVuaView&>(screen);
             table.startWithMoveFirst(10, 30);
             table.board->tapAt(CoVuaCodes::pieceCentre({6, 4}));  // it blinks, its targets marked
         }},
        {"Caro", 1, boardTable,
         [](ui::ViewController& screen) { dynamic_cast<CaroView&>(screen).startWithMoveFirst(10, 20000); }},
        {"Blocks", 8, boardTable,
         [](ui::ViewController& screen) { dynamic_cast<BlocksView&>(screen).startWithBricks({1, 2, 3}); }},
    };
    for (const auto& game : games) {
        SCOPED_TRACE(game.name);
        auto first = join(game.type, 2, 10, game.firstPlayers(me));
        ASSERT_TRUE(first);
        game.myTurnBegins(*first);
        run(1);
        ASSERT_FALSE(turnShown(*first).empty()) << "my turn shows nothing to leave behind";

        UIController::leaveTableNow();
        run(1);
        // The next table: its owner and I, between deals, the other places empty.
        Players next = {seatPlayer(50, "dung", 5000, true), me};
        const size_t places = game.firstPlayers(me).size();
        while (next.size() < places) next.push_back(seatPlayer(-1, ""));
        auto again = join(game.type, 3, 50, next);
        ASSERT_EQ(again, first);
        EXPECT_TRUE(expectNoLeftTurn(again.get()));
        run(3);
        EXPECT_TRUE(expectNoLeftTurn(again.get())) << "a few seconds on";
        UIController::leaveTableNow();
        run(1);
    }
}

}  // namespace
}  // namespace zuno::testing
