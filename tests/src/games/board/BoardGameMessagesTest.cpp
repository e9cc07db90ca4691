// Each board game's own table messages.
#include "BoardDecoderFixture.h"
#include "games/blocks/BlocksMessageHandler.h"
#include "games/caro/CaroMessageHandler.h"
#include "games/cotuong/CoTuongMessageHandler.h"
#include "games/cotuong/CoTuongUtils.h"
#include "games/covua/CoVuaMessageHandler.h"

using namespace zuno;
using namespace zuno::testing;

namespace {
class BoardGameMessagesTest : public BoardDecoderTest {};
}  // namespace

TEST_F(BoardGameMessagesTest, CoTuong) {
    expectEach(boardGame<RecordingCoTuong>("Co Tuong", CoTuongMessageHandler::getInstance()), {
        // The time per move comes before the first mover: 30 s per move, user 1234 first, 10 min each.
        {"start", 20, bytes({{1, 2}, int32Bytes(30000), int32Bytes(1234), int32Bytes(600000), int32Bytes(540000)}),
         {"start 1 2 1234 30000 600000 540000"}},
        {"move to wire square 203", 21, bytes({{1, 2}, int32Bytes(1234), {0x54, 0xCB}, int32Bytes(kMe), int32Bytes(598000)}),
         {"move 1 2 1234 84 -53 4711 598000"}},
        {"move cut in its time", 21, bytes({{1, 2}, int32Bytes(1234), {0x54, 0xCB}, int32Bytes(kMe), {0, 0}}), {}, true},
        {"winning move", 22, bytes({{1, 2}, int32Bytes(1234), {0x54, 0x33}}), {"winningMove 1 2 1234 84 51"}},
        {"winning move without its last square reads it as 0", 22, bytes({{1, 2}, int32Bytes(1234), {0x54}}), {"winningMove 1 2 1234 84 0"}, false},
        {"start cut short", 20, bytes({{1, 2}, int32Bytes(30000), int32Bytes(1234), int32Bytes(600000)}), {}, true},
    });
    EXPECT_EQ(CoTuongUtils::convertPointWithValue(-53), (CoTuongPoint{8, 9}));  // 203: the last square
}

TEST_F(BoardGameMessagesTest, CoVua) {
    auto move = [](int8_t kind) {
        return bytes({int32Bytes(1234), {14, 16}, int32Bytes(kMe), int32Bytes(290), {uint8_t(kind)}});
    };
    expectEach(boardGame<RecordingCoVua>("Co Vua", CoVuaMessageHandler::getInstance()), {
        {"start: interval, first mover, owner's time, other's time", 20,
         bytes({{1, 2}, int32Bytes(30), int32Bytes(1234), int32Bytes(600), int32Bytes(590)}),
         {"start 1 2 1234 30 600 590"}},
        {"plain move", 21, move(0), {"move 1234 14 16 4711 290"}},
        {"castling on the king's side: the rook first", 21, move(8), {"castling 1234 1", "move 1234 14 16 4711 290"}},
        {"castling on the queen's side", 21, move(9), {"castling 1234 2", "move 1234 14 16 4711 290"}},
        {"promotion to a queen before the pawn arrives", 21, move(5), {"promotion 5", "move 1234 14 16 4711 290"}},
        {"promotion to a knight", 21, move(2), {"promotion 2", "move 1234 14 16 4711 290"}},
        {"move without its kind byte reads it as 0", 21, bytes({int32Bytes(1234), {14, 16}, int32Bytes(kMe), int32Bytes(290)}), {"move 1234 14 16 4711 290"}, false},
        {"Black's king in check", 62, {1}, {"check 1"}},
        {"check without its side reads it as 0", 62, {}, {"check 0"}, false},
        {"promotion choice, first byte 8", 91, bytes({{8}, int32Bytes(kMe)}), {"choosePromotion 4711"}},
        {"promotion choice, first byte ignored whatever it is", 91, bytes({{0x9C}, int32Bytes(kMe)}), {"choosePromotion 4711"}},
        {"promotion choice cut short", 91, bytes({{8}, {0, 0}}), {}, true},
        {"a winning move is not a Co Vua message", 22, bytes({{1, 2}, int32Bytes(1234), {4, 5}}), {}},
    });
}

TEST_F(BoardGameMessagesTest, Caro) {
    expectEach(boardGame<RecordingCaro>("Caro", CaroMessageHandler::getInstance()), {
        // The first mover comes before the time per move here.
        {"start", 20, bytes({{1, 2}, int32Bytes(1234), int32Bytes(20000), {1}}), {"start 1 2 1234 20000 yes"}},
        {"start of a later game", 20, bytes({{1, 2}, int32Bytes(1234), int32Bytes(20000), {0}}), {"start 1 2 1234 20000 no"}},
        {"move", 21, bytes({{1, 2}, int32Bytes(1234), {7, 19}, int32Bytes(kMe)}), {"move 1 2 1234 7 19 4711"}},
        {"winning move", 22, bytes({{1, 2}, int32Bytes(1234), {7, 9, 11, 9, 1, 0}}), {"winningMove 1 2 1234 7 9 11 9 1 0"}},
        {"winning move without its last direction reads it as 0", 22, bytes({{1, 2}, int32Bytes(1234), {7, 9, 11, 9, 1}}), {"winningMove 1 2 1234 7 9 11 9 1 0"}, false},
        {"winning move cut before its directions", 22, bytes({{1, 2}, int32Bytes(1234), {7, 9, 11, 9}}), {}, true},
        {"start without its first-game flag", 20, bytes({{1, 2}, int32Bytes(1234), int32Bytes(20000)}), {}, true},
    });
}

TEST_F(BoardGameMessagesTest, Blocks) {
    auto garbage = [](int32_t target, std::initializer_list<uint8_t> rows) {
        return bytes({{0, 2}, int32Bytes(target), {uint8_t(rows.size())}, sys::Data(rows)});
    };
    expectEach(boardGame<RecordingBlocks>("Blocks", BlocksMessageHandler::getInstance()), {
        {"start with the piece sequence", 20, {1, 2, 3, 4, 1, 6}, {"start 1 2 <4 1 6>"}},
        {"start with an empty sequence", 20, {1, 2, 0}, {"start 1 2 <>"}},
        {"start cut inside the sequence", 20, {1, 2, 3, 4, 1}, {}, true},
        {"garbage rows for me", 80, garbage(kMe, {3, 7}), {"opponentCleared 2", "garbage 4711 2 <3 7>"}},
        {"no garbage rows for me still counts the cleared rows", 80, garbage(kMe, {}),
         {"opponentCleared 2", "garbage 4711 0 <>"}},
        {"garbage rows for the other player", 80, garbage(88, {3, 7}), {}},
        {"garbage rows cut short", 80, bytes({{0, 2}, int32Bytes(kMe), {2, 3}}), {}, true},
        {"opponent's height", 80, {1, 9}, {"opponentHeight 9"}},
        {"level", 80, {2, 3}, {"level 3"}},
        {"sub 7 is a level message", 80, {7, 4}, {"level 4"}},
        {"a negative sub is a level message too", 80, {0x80, 5}, {"level 5"}},
        {"level without its value reads it as 0", 80, {2}, {"level 0"}, false},
        {"a move is not a Blocks message", 21, bytes({{1, 2}, int32Bytes(1234), {4, 5}, int32Bytes(kMe)}), {}},
    });
}
