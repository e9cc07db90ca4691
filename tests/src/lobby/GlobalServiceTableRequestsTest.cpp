#include <gtest/gtest.h>

#include "LobbyRequestFixture.h"
#include "shell/UIController.h"

using namespace zuno;
using zuno::testing::bytes;
using zuno::testing::int32Bytes;
using zuno::testing::LobbyRequestTest;
using zuno::testing::utf;

namespace {
using TableRequestTest = LobbyRequestTest;
}  // namespace

TEST_F(TableRequestTest, LobbyRoad) {
    expectEach({
        {"game type", [](GlobalService& s) { s.setGameType(7); }, {61, 7}},
        {"game type cut to a byte", [](GlobalService& s) { s.setGameType(300); }, {61, 0x2C}},
        {"room list", [](GlobalService& s) { s.requestRoomList(); }, {6}},
        {"any table", [](GlobalService& s) { s.joinAnyBoard(); }, {28}},
        {"table list", [](GlobalService& s) { s.requestBoardListWithRoomId(-2); }, {7, 0xFE}},
        {"table 3 of room 2 without password", [](GlobalService& s) { s.joinBoardWithroomId(2, 3, ""); },
         {8, 2, 3, 0, 0}},
        {"join with a password", [](GlobalService& s) { s.joinBoardWithroomId(2, 3, "ab"); },
         bytes({{8, 2, 3}, utf("ab")})},
        {"join with the password missing", [](GlobalService& s) { s.joinBoardWithroomId(2, 3, std::nullopt); },
         {8, 2, 3}},
    });
}

TEST_F(TableRequestTest, SharedTableRequests) {
    expectEach({
        {"chat", [](GlobalService& s) { s.chatToBoardWithRoom(1, 4, "xin chào"); },
         bytes({{9, 1, 4}, utf("xin chào")})},
        {"kick", [](GlobalService& s) { s.kickWithRoomId(1, 4, 70000); }, bytes({{11, 1, 4}, int32Bytes(70000)})},
        {"leave", [](GlobalService& s) { s.leaveBoardWithRoomId(1, 4); }, {15, 1, 4}},
        {"not ready", [](GlobalService& s) { s.readyWithRoomId(1, 4, false); }, {16, 1, 4, 0}},
        {"ready", [](GlobalService& s) { s.readyWithRoomId(1, 4, true); }, {16, 1, 4, 1}},
        {"password", [](GlobalService& s) { s.setPasswordWithRoomId(1, 4, "123"); },
         bytes({{18, 1, 4}, utf("123")})},
        {"start", [](GlobalService& s) { s.startGameWithRoomId(1, 4); }, {20, 1, 4}},
        {"start with a time limit", [](GlobalService& s) { s.startGameWithRoomId(1, 4, 30); }, {20, 1, 4, 30}},
        {"nudge", [](GlobalService& s) { s.requestBuzzWithId(-1); }, {103, 0xFF, 0xFF, 0xFF, 0xFF}},
    });
}

TEST_F(TableRequestTest, StakeCommandFollowsTheGameType) {
    const sys::Data stake{1, 4, 0x00, 0x00, 0x13, 0x88};
    for (int8_t type : {11, 2}) {
        UIController::setGameType(type);
        expectEach({{"banker stake", [](GlobalService& s) { s.setMoneyWithRoomId(1, 4, 5000); },
                     bytes({{24}, stake})}});
    }
    for (int8_t type : {3, 4, 7, -1}) {
        UIController::setGameType(type);
        expectEach({{"stake", [](GlobalService& s) { s.setMoneyWithRoomId(1, 4, 5000); }, bytes({{19}, stake})}});
    }
}

TEST_F(TableRequestTest, PlayersAndInvitations) {
    expectEach({
        {"player details", [](GlobalService& s) { s.requestInfoOfWithIDDB(258); }, {34, 0, 0, 1, 2}},
        {"invite", [](GlobalService& s) { s.requestInviteWithUserId(77); }, {74, 0, 0, 0, 77}},
        {"waiting players", [](GlobalService& s) { s.requestWaitingList(); }, {78, 2}},
    });
}
