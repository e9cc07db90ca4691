// The table messages every board table shares, decoded alike by the four games.
#include "BoardDecoderFixture.h"
#include "games/blocks/BlocksMessageHandler.h"
#include "games/caro/CaroMessageHandler.h"
#include "games/cotuong/CoTuongMessageHandler.h"
#include "games/covua/CoVuaMessageHandler.h"

using namespace zuno;
using namespace zuno::testing;

namespace {

std::vector<BoardGame> allBoardGames() {
    return {
        boardGame<RecordingCoTuong>("Co Tuong", CoTuongMessageHandler::getInstance()),
        boardGame<RecordingCoVua>("Co Vua", CoVuaMessageHandler::getInstance()),
        boardGame<RecordingCaro>("Caro", CaroMessageHandler::getInstance()),
        boardGame<RecordingBlocks>("Blocks", BlocksMessageHandler::getInstance()),
    };
}

// A taken seat of the join reply.
sys::Data seat(int32_t id, const std::string& name, int64_t money, int16_t avatar, int32_t exp, bool ready) {
    return bytes({int32Bytes(id), utf(name), i64(money), int16Bytes(avatar), int32Bytes(exp), {uint8_t(ready)}});
}

const sys::Data kJoinHead = bytes({{1, 2}, int32Bytes(9001), int32Bytes(5000)});

class BoardTableMessagesTest : public BoardDecoderTest {};

}  // namespace

TEST_F(BoardTableMessagesTest, SharedMessages) {
    for (const BoardGame& game : allBoardGames()) {
        expectEach(game, {
            {"chat", 9, bytes({{1, 0xFE}, int32Bytes(77), utf("xin chào")}), {"chat 1 -2 'xin chào' 77"}},
            {"kick", 11, bytes({{1, 2}, int32Bytes(kMe)}), {"kicked 1 2 4711"}},
            {"newcomer keeps the case of his name", 12,
             bytes({{1}, int32Bytes(88), utf("Minh"), i64(3000000000LL), int16Bytes(4), int32Bytes(90)}),
             {"sits 1 [88 'Minh' 3000000000 4 90 -]"}},
            {"newcomer at a third seat", 12, bytes({{2}, int32Bytes(88), utf("Minh"), i64(1), int16Bytes(4), int32Bytes(90)}), {}, true},
            {"newcomer at seat -1", 12, bytes({{0xFF}, int32Bytes(88), utf("Minh"), i64(1), int16Bytes(4), int32Bytes(90)}), {}, true},
            {"leave", 14, bytes({int32Bytes(88), int32Bytes(kMe)}), {"leaves 88 4711"}},
            {"ready", 16, bytes({int32Bytes(88), {1}}), {"ready 88 yes"}},
            {"not ready", 16, bytes({int32Bytes(88), {0}}), {"ready 88 no"}},
            {"stake", 19, bytes({{1, 2}, int32Bytes(20000)}), {"stake 1 2 20000"}},
            {"time loss", 23, bytes({{1, 2}, int32Bytes(88)}), {"timeLoss 1 2 88"}},
            {"draw offer", 24, {1, 2}, {"drawOffer 1 2"}},
            {"draw offer without its table byte reads it as 0", 24, {1}, {"drawOffer 1 0"}, false},
            {"result", 37, bytes({{1}, int32Bytes(kMe), int32Bytes(-50), int32Bytes(4000), {0xFF}, int32Bytes(88), int32Bytes(10), int32Bytes(-4000)}),
             {"result {(1 4711 -50 4000),(-1 88 10 -4000)}"}},
            {"result without rows", 37, {}, {"result {}"}},
            {"result cut inside a row", 37, bytes({{1}, int32Bytes(kMe), int32Bytes(-50)}), {}, true},
            {"buzz", 103, bytes({utf("hoa"), utf("nhanh lên")}), {"buzz 'hoa: nhanh lên'"}},
            {"command 13 is not a table message", 13, {1, 2, 3}, {}},
            {"another game's command", 49, {1, 2}, {}},
        });
    }
}

TEST_F(BoardTableMessagesTest, JoinReplySeatsTheTableAndUpdatesMeOnceReadWhole) {
    const sys::Data reply = bytes({kJoinHead, seat(9001, "Hoa", 7000, 3, 120, true), int32Bytes(-1),
                                   seat(kMe, "LAN", 2500, 12, 250, false)});
    for (const BoardGame& game : allBoardGames()) {
        me->setMoney(100);
        me->setExp(5);
        // Co Vua keeps the names as sent; the others keep them in small letters for the rules and
        // show them as sent.
        const std::string myName = game.name == "Co Vua" ? "LAN" : "lan' shown 'LAN";
        const std::string hostName = game.name == "Co Vua" ? "Hoa" : "hoa' shown 'Hoa";
        expectEach(game, {
            {"empty seat between two players", 8, reply,
             {"join 1 2 9001 5000 {[9001 '" + hostName + "' 7000 3 120 ready],[-1 ''],[4711 '" + myName + "' 2500 12 250 -]}"}},
        });
        EXPECT_EQ(me->money(), 2500) << game.name;
        EXPECT_EQ(me->exp(), 250) << game.name;

        me->setMoney(100);
        me->setExp(5);
        sys::Data cut = reply;
        cut.pop_back();  // the signed-in player's ready flag is missing
        expectEach(game, {
            {"ends after an empty seat", 8, bytes({kJoinHead, int32Bytes(-1)}), {"join 1 2 9001 5000 {[-1 '']}"}},
            {"no seats", 8, kJoinHead, {"join 1 2 9001 5000 {}"}},
            {"cut inside the last seat", 8, cut, {}, true},
        });
        EXPECT_EQ(me->money(), 100) << game.name << ": a join reply cut short must not touch the signed-in player";
        EXPECT_EQ(me->exp(), 5) << game.name;
    }
}

TEST_F(BoardTableMessagesTest, DrawAndResignationAreNotBlocksMessages) {
    const std::vector<DecoderCase> duel = {
        {"draw agreed", 25, {1, 2}, {"draw 1 2"}},
        {"draw refused", 26, {1, 2}, {"drawRefused 1 2"}},
        {"resignation", 27, bytes({{1, 2}, int32Bytes(88)}), {"resigned 1 2 88"}},
        {"resignation cut short", 27, {1, 2, 0}, {}, true},
    };
    for (const BoardGame& game : allBoardGames()) {
        if (game.name != "Blocks") {
            expectEach(game, duel);
            continue;
        }
        for (const DecoderCase& c : duel) expectEach(game, {{c.name, c.commandId, c.payload, {}}});
    }
}
