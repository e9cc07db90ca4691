// Pictures of a four-seat card table with bubbles and a fly-text, the settings and invitation sheets and
// the player menu.
#include <gtest/gtest.h>

#include "games/tienlen/TienLenHandLayout.h"
#include "shell/Util.h"
#include "src/table/TableFixture.h"
#include "support/SnapshotCompare.h"
#include "tools/artwork/PicturePixels.h"
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

// A sheet without a title draws no title band: the panel's top, beside its first button, is as light as
// the panel under it (the panel darkens downwards).
TEST_F(TableSnapshots, TheUntitledSheetsDrawNoTitleBand) {
    auto table = open(3, fourPlayers());
    drawSeats(*table);
    const auto meanLuminance = [](const ui::RasterScreen& screen, const ui::Rect& box) {
        double sum = 0;
        int count = 0;
        for (int y = int(box.y()); y < int(box.maxY()); ++y) {
            for (int x = int(box.x()); x < int(box.maxX()); ++x) {
                const auto p = screen.rgba(x, y);
                sum += pictures::luminance({p.r / 255.0, p.g / 255.0, p.b / 255.0, 1});
                ++count;
            }
        }
        return sum / count;
    };
    const auto expectNoBand = [&](CustomUIActionSheetViewController& sheet, const std::string& name) {
        SCOPED_TRACE(name);
        run(1);
        std::shared_ptr<ui::View> picture;
        for (const auto& sub : sheet.actionSheetView()->subviews())
            if (!picture && std::dynamic_pointer_cast<ui::ImageView>(sub)) picture = sub;
        ASSERT_TRUE(picture);
        const ui::Rect panel = picture->convertRectToView(picture->bounds(), nullptr);
        ui::RasterScreen screen(480, 320, 1);
        screen.renderApplication();
        // Left of the buttons, inside the panel's edge: the band's place and the panel under it.
        const double top = meanLuminance(screen, ui::Rect(panel.x() + 8, panel.y() + 10, 8, 16));
        const double under = meanLuminance(screen, ui::Rect(panel.x() + 8, panel.y() + 40, 8, 16));
        EXPECT_GE(top, under);
        sheet.slideOut();
        run(1);
    };
    table->clickConfig();
    expectNoBand(*table->mnuSetup, "settings");
    table->showSetupSoNguoi();
    expectNoBand(*table->mnuSoNguoi, "number of players");
    table->clickInviting();
    expectNoBand(*table->mnuInviting, "invitation");
    table->showPlayerDetail(table->btnSeat2.get());
    expectNoBand(*table->optionView, "player menu");
}

}  // namespace
}  // namespace zuno::testing
