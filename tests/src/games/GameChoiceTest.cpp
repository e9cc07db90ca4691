#include <gtest/gtest.h>

#include "client/Games.h"
#include "games/banker/BaiCaoMessageHandler.h"
#include "games/banker/XiZachMessageHandler.h"
#include "games/blocks/BlocksMessageHandler.h"
#include "games/caro/CaroMessageHandler.h"
#include "games/cotuong/CoTuongMessageHandler.h"
#include "games/covua/CoVuaMessageHandler.h"
#include "games/phom/PhomMessageHandler.h"
#include "games/phom/PhomNewMessageHandler.h"
#include "games/poker/PokerMessageHandler.h"
#include "games/tienlen/TienLenMBMessageHandler.h"
#include "games/tienlen/TienLenMessageHandler.h"
#include "lobby/GlobalLogicHandler.h"
#include "lobby/GlobalMessageHandler.h"
#include "platform/core/RunLoop.h"
#include "screens/BoardView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

using namespace zuno;

namespace {

class GameChoiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        GlobalLogicHandler::resetGameMessageHandlersForTests();
        registerGameMessageHandlers();
        dispatcher().setGameMessageHandler(nullptr);
        BoardView::setType(-1);
    }
    void TearDown() override { dispatcher().setGameMessageHandler(nullptr); }

    static GlobalMessageHandler& dispatcher() { return GlobalMessageHandler::getInstance(); }
    static void choose(int8_t gameType) {
        GlobalLogicHandler::getInstance()->onSetGameTypeSuccessWithGame(gameType, true);
    }
};

struct Game {
    int8_t type;
    std::shared_ptr<IGameMessageHandler> handler;
    int32_t tableListType;
    const char* titleKey;  // none for Poker, which keeps the title it had
    bool installsItself;
};

std::vector<Game> games() {
    return {
        {3, TienLenMessageHandler::getInstance(), 1, "ZUNO_tienLen", false},
        {7, PhomMessageHandler::getInstance(), 1, "ZUNO_phom", false},
        {13, PhomNewMessageHandler::getInstance(), 1, "ZUNO_phom", false},
        {5, CoTuongMessageHandler::getInstance(), 0, "ZUNO_coTuong", true},
        {9, CoVuaMessageHandler::getInstance(), 0, "ZUNO_coVua", true},
        {11, BaiCaoMessageHandler::getInstance(), 1, "ZUNO_baicao", false},
        {2, XiZachMessageHandler::getInstance(), 1, "ZUNO_xiZach", false},
        {1, CaroMessageHandler::getInstance(), 0, "ZUNO_caro", true},
        {12, TienLenMBMessageHandler::getInstance(), 1, "ZUNO_tienLen", false},
        {8, BlocksMessageHandler::getInstance(), 0, "ZUNO_blocks", true},
        {4, PokerMessageHandler::getInstance(), 3, nullptr, false},
    };
}

}  // namespace

TEST_F(GameChoiceTest, ElevenDecodersRegisteredOnceInOrder) {
    registerGameMessageHandlers();
    GlobalLogicHandler::addGameMessageHandler(PokerMessageHandler::getInstance());
    auto registered = GlobalLogicHandler::getGameMessageHandlers();
    auto expected = games();
    ASSERT_EQ(registered.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(registered[i], expected[i].handler) << i;
}

TEST_F(GameChoiceTest, EachGameTypeInstallsItsDecoderAndSetsUpItsTableList) {
    for (const Game& game : games()) {
        SCOPED_TRACE(int(game.type));
        UIController::setGameTitle("before");
        choose(game.type);
        EXPECT_EQ(UIController::gameType(), game.type);
        EXPECT_EQ(dispatcher().gameMessageHandler(), game.handler);
        EXPECT_EQ(BoardView::type(), game.tableListType);
        EXPECT_EQ(UIController::gameTitle(),
                  game.titleKey ? Resources::getInstance().textForKey(game.titleKey) : std::string("before"));
        for (const Game& other : games()) EXPECT_EQ(game.handler->isGameType(other.type), other.type == game.type);

        // Set up once more with none installed: only the board games and Blocks install themselves.
        dispatcher().setGameMessageHandler(nullptr);
        game.handler->onPostSetupGameType();
        EXPECT_EQ(dispatcher().gameMessageHandler(), game.installsItself ? game.handler : nullptr);
    }
}

TEST_F(GameChoiceTest, UnknownGameTypeKeepsTheDecoderInstalledBefore) {
    choose(4);
    BoardView::setType(-1);
    choose(6);
    EXPECT_EQ(UIController::gameType(), 6);
    EXPECT_EQ(dispatcher().gameMessageHandler(), PokerMessageHandler::getInstance());
    EXPECT_EQ(BoardView::type(), -1);
}

TEST_F(GameChoiceTest, SecondConfirmationInstallsTheSecondGame) {
    Message first(61, {4});
    Message second(61, {12});
    dispatcher().onMessage(first);
    dispatcher().onMessage(second);
    EXPECT_EQ(dispatcher().gameMessageHandler(), TienLenMBMessageHandler::getInstance());
    sys::RunLoop::main().runFor(0);
    EXPECT_EQ(UIController::gameType(), 12);
}
