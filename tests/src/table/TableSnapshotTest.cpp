// Pictures of a four-seat card table with bubbles and a fly-text, the settings and invitation sheets and
// the player menu.
#include <gtest/gtest.h>

#include "games/tienlen/TienLenHandLayout.h"
#include "shell/Util.h"
#include "src/table/TableFixture.h"
#include "support/SnapshotCompare.h"
#include "table/CardView.h"
#include "table/GameCardView.h"

namespace zuno::testing {
namespace {

using TableSnapshots = TableTest;

// The Tien Len screen draws its seats itself.
void drawSeats(GameCardView& table) {
    if (auto tienLen = dynamic_cast<TienLenView*>(&table)) tienLen->resetSeat();
}

TEST_F(TableSnapshots, FourSeatTableWithBubblesAndAFlyText) {
    auto players = fourPlayers();
    players[3]->setIsReady(true);
    auto table = open(3, players);
    drawSeats(*table);
    table->showOKImageWithMode(true);
    table->setHiddenButtonSeat(true);
    for (int8_t id : {0, 13, 26, 39, 51}) {
        auto card = std::make_shared<CardView>(id);
        card->setCenter({150.0 + 30 * (id % 13 == 0 ? id / 13 : 4), tienlenhand::kRestY});  // my hand's line
        table->view()->addSubview(card);
    }
    table->onChatFromWithId(30, std::nullopt, "Xin chào :)");
    table->onChatFromWithId(20, std::nullopt, "hi");
    table->onBuzzWithContent("BUZZ!");
    table->setInterval(20);
    table->startTurnOfPlayer(40);
    run(1.05);
    table->showFlyTextWirhFromId(30, 5000);
    run(0.95);  // the fly-text has nearly arrived
    EXPECT_TRUE(matchesReference(*table->view(), "table_card_table"));
}

TEST_F(TableSnapshots, SettingsSheetAndPlayerMenu) {
    auto table = open(3, fourPlayers());
    drawSeats(*table);
    table->clickConfig();
    run(1);
    EXPECT_TRUE(matchesReference(*table->view(), "table_settings_sheet"));
    table->mnuSetup->slideOut();
    run(1);
    table->showPlayerDetail(table->btnSeat2.get());
    run(1);
    EXPECT_TRUE(matchesReference(*table->view(), "table_player_menu"));
    table->optionView->slideOut();
    run(1);
}

// The settings and invitation sheets have no title: their header holds a close button, which a tap
// closes them with, as Escape does.
TEST_F(TableSnapshots, TheUntitledSheetsCloseFromTheirHeader) {
    auto table = open(3, fourPlayers());
    drawSeats(*table);
    const auto closeWithItsButton = [&](CustomUIActionSheetViewController& sheet) {
        std::shared_ptr<ui::Button> close;
        for (const auto& sub : sheet.actionSheetView()->subviews())
            if (auto button = std::dynamic_pointer_cast<ui::Button>(sub);
                button && button->actionsForTarget(&sheet, ui::ControlEvent::TouchUpInside) ==
                              std::vector<std::string>{"cancelSheet"})
                close = button;
        ASSERT_TRUE(close);
        app->window->tapView(*close);
        run(1);
        EXPECT_EQ(sheet.view()->superview(), nullptr);
    };
    table->clickInviting();
    run(1);
    EXPECT_TRUE(matchesReference(*table->view(), "table_invite_sheet"));
    closeWithItsButton(*table->mnuInviting);
    table->clickConfig();
    run(1);
    closeWithItsButton(*table->mnuSetup);
    EXPECT_EQ(nav().topViewController(), table);
}

}  // namespace
}  // namespace zuno::testing
