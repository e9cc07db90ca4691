// Every game type described once: what the shell, the table framework and the lobby screens read of
// it, and the table screen each one opens.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "lobby/GameRegistry.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/ScreenFactory.h"
#include "shell/UIController.h"
#include "src/shell/ShellFixture.h"

namespace zuno::testing {
namespace {

using F = TableFamily;

struct Expected {
    int8_t type;
    const char* titleKey;
    const char* roomNameKey;
    F family;
    const char* screenClass;
    const char* interfaceFile;
    int tableListSeats;
    const char* actions;  // s skip, r resign, d draw, o observe, m seat count, p passes for me, l before leave
};

// In the order the game choice relies on.
const std::vector<Expected> kGames = {
    {3, "ZUNO_tienLen", "ZUNO_roomTienLen", F::CardTable, "TienLenView", "TienLenView", 4, "smp"},
    {7, "ZUNO_phom", "ZUNO_roomPhom", F::Phom, "PhomView", "PhomView", 8, "mp"},
    {13, "ZUNO_phom", "ZUNO_roomPhom", F::Phom, "PhomNewView", "PhomView", 4, "m"},
    {5, "ZUNO_coTuong", "ZUNO_roomCoTuong", F::BoardDuel, "CoTuongView", "CoTuongView", 2, "rd"},
    {9, "ZUNO_coVua", "ZUNO_roomCoVua", F::BoardDuel, "CoVuaView", "CoVuaView", 2, "rd"},
    {11, "ZUNO_baicao", "ZUNO_roomBaiCao", F::Banker, "BaiCaoView", "TienLenView", 4, "m"},
    {2, "ZUNO_xiZach", "ZUNO_roomXiZach", F::Banker, "XiZachView", "TienLenView", 4, "m"},
    {1, "ZUNO_caro", "ZUNO_roomCaro", F::BoardDuel, "CaroView", "CaroView", 2, "rd"},
    {12, "ZUNO_tienLenMB", "ZUNO_roomTienLenMB", F::CardTable, "TienLenMBView", "TienLenView", 4, "sm"},
    {8, "ZUNO_blocks", "ZUNO_roomBlocks", F::Blocks, "BlocksView", "BlocksView", 2, "d"},
    {4, "ZUNO_poker", "ZUNO_roomPoker", F::Poker, "PokerView", "PokerView", 8, "ol"},
};

std::string actionsOf(const GameDescriptor& game) {
    std::string actions;
    if (game.skip) actions += 's';
    if (game.resign) actions += 'r';
    if (game.answerDraw) actions += 'd';
    if (game.observe) actions += 'o';
    if (game.setMaxPlayers) actions += 'm';
    if (game.passForMe) actions += 'p';
    if (game.beforeLeave) actions += 'l';
    return actions;
}

TEST(GameRegistry, EveryGameIsDescribedOnceInTheOrderOfTheGameChoice) {
    const auto games = GameRegistry::games();
    ASSERT_EQ(games.size(), kGames.size());
    for (size_t i = 0; i < kGames.size(); ++i) {
        const Expected& e = kGames[i];
        const GameDescriptor& game = *games[i];
        SCOPED_TRACE(e.screenClass);
        EXPECT_EQ(game.type, e.type);
        EXPECT_EQ(GameRegistry::find(e.type), &game);
        EXPECT_EQ(game.titleKey, e.titleKey);
        EXPECT_EQ(game.roomNameKey, e.roomNameKey);
        EXPECT_EQ(game.family, e.family);
        EXPECT_EQ(game.screenClass, e.screenClass);
        EXPECT_EQ(game.interfaceFile, e.interfaceFile);
        EXPECT_EQ(game.tableListSeats, e.tableListSeats);
        EXPECT_EQ(actionsOf(game), e.actions);
        EXPECT_EQ(game.orientation == TableOrientation::Portrait, e.family == F::Blocks);
        EXPECT_TRUE(game.messageHandler && game.messageHandler()->isGameType(e.type));
        EXPECT_TRUE(ui::ScreenFactory::hasScreen(game.screenClass));
        EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(ZUNO_BUNDLE_DIR) / "ui" / (game.interfaceFile + ".xml")));
    }
    EXPECT_EQ(GameRegistry::find(6), nullptr);
    EXPECT_EQ(GameRegistry::find(0), nullptr);
}

TEST(GameRegistry, AddingATypeAgainReplacesItInItsPlace) {
    GameDescriptor again = *GameRegistry::find(5);
    again.titleKey = "ZUNO_other";
    GameRegistry::add(again);
    EXPECT_EQ(GameRegistry::games().size(), kGames.size());
    EXPECT_EQ(GameRegistry::games()[3]->titleKey, "ZUNO_other");
}

class GameRegistryTables : public ShellTest {};

TEST_F(GameRegistryTables, EachGameOpensItsOwnScreenOnceAndKnowsItAgain) {
    launch();
    for (const GameDescriptor* game : GameRegistry::games()) {
        SCOPED_TRACE(game->screenClass);
        UIController::setGameType(game->type);
        EXPECT_EQ(GameRegistry::current(), game);
        EXPECT_EQ(game->screen(), nullptr);  // none before the first join
        game->openTable(1, 2, 10, 100, {});
        run(1);
        auto screen = game->screen();
        ASSERT_NE(screen, nullptr);
        EXPECT_EQ(nav().topViewController(), screen);
        EXPECT_TRUE(game->ownsScreen(*screen));
        EXPECT_EQ(GameRegistry::ofScreen(screen.get())->family, game->family);
        game->openTable(1, 3, 10, 100, {});
        run(1);
        EXPECT_EQ(game->screen(), screen);  // reused for the rest of the run
    }
    EXPECT_EQ(GameRegistry::ofScreen(nullptr), nullptr);
}

}  // namespace
}  // namespace zuno::testing
