// Pictures of a four-seat card table with bubbles and a fly-text, the settings sheet and the player
// menu.
#include <gtest/gtest.h>

#include "shell/Util.h"
#include "src/table/TableFixture.h"
#include "support/SnapshotCompare.h"
#include "table/CardView.h"
#include "table/GameCardView.h"

namespace zuno::testing {
namespace {

using TableSnapshots = TableTest;

// What a game screen draws at the seats.
void drawSeats(GameCardView& table) {
    const std::shared_ptr<ui::Label> names[] = {table.lblName0, table.lblName1, table.lblName2, table.lblName3};
    const std::shared_ptr<ui::Label> money[] = {table.lblMoney0, table.lblMoney1, table.lblMoney2, table.lblMoney3};
    for (int seat = 0; seat < 4; ++seat) {
        PlayerPtr p = table.table().playerAtSeat(seat);
        names[seat]->setText(p->name());
        money[seat]->setText(Util::formatNumber(p->money()));
    }
    table.lblPhong->setText("Phòng 1 - Bàn 2");
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
        card->setCenter({150.0 + 30 * (id % 13 == 0 ? id / 13 : 4), 250});
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

}  // namespace
}  // namespace zuno::testing
