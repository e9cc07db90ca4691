#include <gtest/gtest.h>

#include "DecoderCases.h"
#include "games/phom/PhomMessageHandler.h"
#include "games/phom/PhomNewMessageHandler.h"
#include "platform/core/Log.h"
#include "shell/UIController.h"

using namespace zuno;
using namespace zuno::testing;

namespace {

class PhomMessagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        PhomMessageHandler::getInstance()->setPhomLogicHandler(phom);
        PhomNewMessageHandler::getInstance()->setPhomNewLogicHandler(phomNew);
    }
    void TearDown() override {
        PhomMessageHandler::getInstance()->setPhomLogicHandler(PhomLogicHandler::getInstance());
        PhomNewMessageHandler::getInstance()->setPhomNewLogicHandler(PhomNewLogicHandler::getInstance());
    }
    void expectPhom(const std::vector<DecoderCase>& cases) { expectEach(*PhomMessageHandler::getInstance(), phom->log, cases); }
    void expectNew(const std::vector<DecoderCase>& cases) { expectEach(*PhomNewMessageHandler::getInstance(), phomNew->log, cases); }
    void expectBoth(const std::vector<DecoderCase>& cases) {
        expectPhom(cases);
        expectNew(cases);
    }

    std::shared_ptr<RecordingPhomLogic> phom = std::make_shared<RecordingPhomLogic>();
    std::shared_ptr<RecordingPhomNewLogic> phomNew = std::make_shared<RecordingPhomNewLogic>();
};

const std::string kNoMoney = "[-1 -1 -1 -1]";
const std::string kNoLaid = "[-1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1]";

}  // namespace

TEST_F(PhomMessagesTest, SharedLayouts) {
    expectBoth({
        {"join with an empty seat", 8, bytes({{3, 9}, I(77), I(500), seat(77, "an", 9000, 4, 120, true), I(-1)}),
         {"join(3, 9, 77, 500, [{77 an 9000 4 120 ready} {-1  0 0 0 -}])"}},
        {"join without seats", 8, bytes({{3, 9}, I(77), I(500)}), {"join(3, 9, 77, 500, [])"}},
        {"join cut inside a seat", 8, bytes({{3, 9}, I(77), I(500), I(5), utf("an")}), {}},
        {"chat", 9, bytes({{3, 9}, I(5), utf("chào")}), {"chat(3, 9, \"chào\", 5)"}},
        {"kick", 11, bytes({{0x83, 9}, I(5)}), {"kick(-125, 9, 5)"}},
        {"someone sits at seat 3", 12, bytes({{3}, I(6), utf("binh"), L(70), int16Bytes(2), I(10)}),
         {"sit(3, {6 binh 70 2 10 -}, -1)"}},
        {"seat 4 is outside the table", 12, bytes({{4}, I(6), utf("binh"), L(70), int16Bytes(2), I(10)}), {}},
        {"seat -1 is outside the table", 12, bytes({{0xFF}, I(6), utf("binh"), L(70), int16Bytes(2), I(10)}), {}},
        {"leave", 14, bytes({I(6), I(7)}), {"leave(6, 7)"}},
        {"ready", 16, bytes({I(6), {1}}), {"ready(6, yes)"}},
        {"stake", 19, bytes({{3, 9}, I(2000)}), {"stake(3, 9, 2000)"}},
        {"fire", 21, bytes({{3, 9}, I(6), I(7), {12, 2}}), {"fire(3, 9, 6, 7, 12, 2)"}},
        {"fire without its place reads place 0", 21, bytes({{3, 9}, I(6), I(7), {12}}), {"fire(3, 9, 6, 7, 12, 0)"}},
        {"fire without its card is dropped", 21, bytes({{3, 9}, I(6), I(7)}), {}},
        {"fire cut inside an int", 21, bytes({{3, 9}, I(6), {0, 0}}), {}},
        {"skip", 49, bytes({{3, 9}, I(6), I(7)}), {"skip(3, 9, 6, 7)"}},
        {"bonus", 52, bytes({{3, 9}, I(6), I(-300), utf("thua")}), {"bonus(3, 9, 6, -300, \"thua\")"}},
        {"one win", 70, bytes({{3, 9}, I(900)}), {"oneWin(3, 9, 900)"}},
        {"nudge", 103, bytes({utf("an"), utf("dậy đi")}), {"buzz(\"an: dậy đi\")"}},
        {"an id of neither game", 99, {1, 2, 3}, {}},
    });
}

TEST_F(PhomMessagesTest, PhomOwnLayouts) {
    const sys::Data nine{0, 1, 2, 3, 4, 5, 6, 7, 0xFF};
    expectPhom({
        {"deal of nine ids", 20, bytes({{3, 9, 200}, nine, I(6), I(7)}),
         {"start(3, 9, [0 1 2 3 4 5 6 7 -1], 200, 6, 7)"}},
        {"deal cut inside its cards", 20, bytes({{3, 9, 20}, {0, 1, 2}}), {}},
        {"leftover rows", 51, bytes({{3, 9}, I(10), I(20), I(30), I(40), I(1), I(2), I(3), I(4), {3, 0xFF, 7, 8, 0xFF, 0xFF, 9}}),
         {"finish(3, 9, [1 2 3 4], [[3 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1] [7 8 -1 -1 -1 -1 -1 -1 -1 -1 -1] "
          "[-1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1] [9 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1]], [10 20 30 40])"}},
        {"a -1 in the last row restarts it; the twelfth card overwrites slot 10", 51,
         bytes({{3, 9}, I(0), I(0), I(0), I(0), I(0), I(0), I(0), I(0),
                {0xFF, 0xFF, 0xFF, 9, 8, 0xFF, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}}),
         {"finish(3, 9, [0 0 0 0], [[-1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1] [-1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1] "
          "[-1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1] [1 2 3 4 5 6 7 8 9 10 12]], [0 0 0 0])"}},
        {"running deal: a full eaten row goes on with the next, -2 ends a row", 62,
         bytes({{3, 9, 0xF0}, I(6), I(7), I(8), {1, 2, 3, 4, 0xFE, 0xFF, 5, 0xFF}, {10, 11, 0xFF, 12, 0xFF, 0xFF, 13, 0xFF, 14, 15, 16, 17}}),
         {"playing(3, 9, -16, 6, 7, [[10 11 -1 -1] [12 -1 -1 -1] [-1 -1 -1 -1] [13 -1 14 17]], "
          "[[1 2 3] [4 -1 -1] [-1 -1 -1] [5 -1 -1]], 8)"}},
        {"running deal cut inside the eaten rows", 62, bytes({{3, 9, 20}, I(6), I(7), I(8), {1, 0xFF}}), {}},
        {"draw, unsigned", 63, {3, 9, 0xC8}, {"draw(3, 9, 200)"}},
        {"eat accepted", 64, bytes({{3, 9}, I(6), {1, 2, 5}}), {"eat(3, 9, yes, 2, 6, 5)"}},
        {"eat refused reads no count", 64, bytes({{3, 9}, I(6), {0, 5}}), {"eat(3, 9, no, 0, 6, 5)"}},
        {"eat without its row reads row 0", 64, bytes({{3, 9}, I(6), {1, 2}}), {"eat(3, 9, yes, 2, 6, 0)"}},
        {"eat accepted, cut before its count", 64, bytes({{3, 9}, I(6), {1}}), {}},
        {"lay-down", 65, bytes({{3, 9}, I(6), {1, 0}, I(1), I(2), I(3), I(4), {4, 8, 12, 0xFF, 30}}),
         {"haPhom(3, 9, yes, [4 8 12 -1 30 -1 -1 -1 -1 -1 -1 -1], no, [1 2 3 4], 6)"}},
        {"lay-down ending in its money list is passed on", 65, bytes({{3, 9}, I(6), {1, 1}, I(-5), I(5)}),
         {"haPhom(3, 9, yes, " + kNoLaid + ", yes, [-5 5 -1 -1], 6)"}},
        {"lay-down keeps twelve cards", 65, bytes({{3, 9}, I(6), {1, 0}, I(0), I(0), I(0), I(0), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}}),
         {"haPhom(3, 9, yes, [1 2 3 4 5 6 7 8 9 10 11 12], no, [0 0 0 0], 6)"}},
        {"reset melds answered", 68, {3, 9, 0xFF}, {"resetMelds(3, 9, 255)"}},
        {"reset answer without its flag reads 0", 68, {3, 9}, {"resetMelds(3, 9, 0)"}},
        {"one pays for all", 69, bytes({{3, 9}, I(6), I(1), I(2), I(3), I(4)}), {"payAll(3, 9, 6, [1 2 3 4])"}},
        {"new Phom's own ids are ignored", 54, bytes({{9, 3}, utf("x")}), {}},
        {"U is new Phom's", 66, bytes({{3, 9}, I(6), {1, 2}}), {}},
        {"add card is new Phom's", 67, bytes({{3, 9}, I(6), {1, 2}}), {}},
    });
}

TEST_F(PhomMessagesTest, NewPhomOwnLayouts) {
    expectNew({
        {"deal of any number of cards", 20, bytes({{3, 9, 30}, I(6), I(7), {5, 6, 7, 8}}), {"start(3, 9, [5 6 7 8], 30, 6, 7)"}},
        {"deal without cards", 20, bytes({{3, 9, 30}, I(6), I(7)}), {"start(3, 9, [], 30, 6, 7)"}},
        {"one player's result", 51, bytes({{3, 9}, I(6), I(300), I(99), {2, 4, 5}}), {"finish(3, 9, 6, 300, [4 5], 2)"}},
        {"result: the cards run to the end, whatever the count", 51, bytes({{3, 9}, I(6), I(1), I(0), {1, 4, 5}}),
         {"finish(3, 9, 6, 1, [4 5], 2)"}},
        {"result without its count has no cards", 51, bytes({{3, 9}, I(6), I(1), I(0)}), {"finish(3, 9, 6, 1, [], 0)"}},
        {"result with fewer cards than counted keeps what arrived", 51, bytes({{3, 9}, I(6), I(1), I(0), {3, 4, 5}}),
         {"finish(3, 9, 6, 1, [4 5], 2)"}},
        {"result: a hand's eleven cards at most", 51,
         bytes({{3, 9}, I(6), I(1), I(0), {12, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}}),
         {"finish(3, 9, 6, 1, [0 1 2 3 4 5 6 7 8 9 10], 11)"}},
        {"move refused, table first", 54, bytes({{9, 3}, utf("không")}), {"refused(3, 9, \"không\")"}},
        {"running deal of two players", 62, bytes({{3, 9, 20}, I(6), I(7), I(70), {2, 1, 2, 1, 3}, I(80), {0, 0}}),
         {"playing(3, 9, 20, 6, 7, [[1 2 -1 -1] [-1 -1 -1 -1] [-1 -1 -1 -1] [-1 -1 -1 -1]], "
          "[[3 -1 -1] [-1 -1 -1] [-1 -1 -1] [-1 -1 -1]], [70 80 0 0])"}},
        {"running deal: more cards than a row holds and a fifth record are read and ignored", 62,
         bytes({{3, 9, 20}, I(6), I(7), I(1), {5, 1, 2, 3, 4, 5, 4, 6, 7, 8, 9}, I(2), {0, 0}, I(3), {0, 0}, I(4), {0, 0},
                I(5), {1, 40, 0}}),
         {"playing(3, 9, 20, 6, 7, [[1 2 3 4] [-1 -1 -1 -1] [-1 -1 -1 -1] [-1 -1 -1 -1]], "
          "[[6 7 8] [-1 -1 -1] [-1 -1 -1] [-1 -1 -1]], [1 2 3 4])"}},
        {"running deal: a last record without its eaten count eats nothing", 62, bytes({{3, 9, 20}, I(6), I(7), I(1), {1, 5}}),
         {"playing(3, 9, 20, 6, 7, [[5 -1 -1 -1] [-1 -1 -1 -1] [-1 -1 -1 -1] [-1 -1 -1 -1]], "
          "[[-1 -1 -1] [-1 -1 -1] [-1 -1 -1] [-1 -1 -1]], [1 0 0 0])"}},
        {"running deal cut inside a record's cards", 62, bytes({{3, 9, 20}, I(6), I(7), I(1), {3, 1}}), {}},
        {"draw with the player", 63, bytes({{3, 9}, I(6), {0xC8}}), {"draw(3, 9, 6, 200)"}},
        {"eat is always accepted", 64, bytes({{3, 9}, I(6)}), {"eat(3, 9, yes, 2, 6, 0)"}},
        {"lay-down always carries player 0", 65, {3, 9, 4, 8, 12},
         {"haPhom(3, 9, yes, [4 8 12 -1 -1 -1 -1 -1 -1 -1 -1 -1], no, " + kNoMoney + ", 0)"}},
        {"U keeps twelve cards", 66, bytes({{3, 9}, I(6), {2, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}}),
         {"u(3, 9, 6, 2, [1 2 3 4 5 6 7 8 9 10 11 12], 12)"}},
        {"U without its kind", 66, bytes({{3, 9}, I(6)}), {"u(3, 9, 6, 0, " + kNoLaid + ", 0)"}},
        {"cards sent onto a meld", 67, bytes({{3, 9}, I(6), {4, 9, 10}}), {"add(3, 9, 6, 4, [9 10], 2)"}},
        {"one pays for all, one amount", 69, bytes({{3, 9}, I(6), I(800)}), {"payAll(3, 9, 6, 800)"}},
        {"reset melds is Phom's", 68, {3, 9, 1}, {}},
    });
}

TEST_F(PhomMessagesTest, JoinReplyGivesTheSignedInPlayerOnlyAComplete) {
    auto me = UIController::myInfo();
    me->setIDDB(77);
    me->setMoney(1);
    Message cut(8, bytes({{3, 9}, I(77), I(500), seat(77, "an", 9000, 4, 120, true), I(5), utf("b")}));
    PhomMessageHandler::getInstance()->onMessage(cut);
    EXPECT_EQ(me->money(), 1);
    EXPECT_EQ(me->exp(), 0);

    Message whole(8, bytes({{3, 9}, I(77), I(500), I(-1), seat(77, "an", 9000, 4, 120, true)}));
    PhomMessageHandler::getInstance()->onMessage(whole);
    EXPECT_EQ(me->money(), 9000);
    EXPECT_EQ(me->exp(), 120);
}

TEST_F(PhomMessagesTest, LogLinesOfTheTwoGames) {
    struct Lines {
        std::string name;
        bool newPhom;
        int8_t command;
        sys::Data payload;
        std::vector<std::string> lines;
    };
    const sys::Data sitDown = bytes({{3}, I(6), utf("binh"), L(70), int16Bytes(2), I(10)});
    const std::vector<Lines> cases = {
        {"Phom: a player sits down", false, 12, sitDown, {""}},
        {"new Phom: a player sits down", true, 12, sitDown, {"SOMEONE JOIN BOARD"}},
        {"Phom: ready with its flag", false, 16, bytes({I(6), {1}}), {"some one ready", "san sang 1"}},
        {"new Phom: ready", true, 16, bytes({I(6), {1}}), {"some one ready"}},
        {"new Phom: join counts its seats", true, 8, bytes({{3, 9}, I(7), I(5), I(-1), I(-1)}), {"joined board", "player count 2"}},
        {"new Phom: running deal, record by record", true, 62, bytes({{3, 9, 20}, I(6), I(7), I(70), {2, 1, 2, 1, 3}}),
         {"SC_PLAYING", "UserIndex[0]: 70", "UserNumShow[0]: 2", "1", "2", "UserNumEat[0]: 1", "3"}},
    };
    for (const Lines& c : cases) {
        sys::Log::clearCaptured();
        Message message(c.command, c.payload);
        if (c.newPhom)
            PhomNewMessageHandler::getInstance()->onMessage(message);
        else
            PhomMessageHandler::getInstance()->onMessage(message);
        EXPECT_EQ(sys::Log::captured(), c.lines) << c.name;
    }
}
