// The Poker table as a player sees it, nine seats through a hand and a watched full table: at every
// state nothing to read or tap lies under a card, a marker, a bubble or another text, or off the screen.
// Every display seat wins once, since each shows its cards in a place of its own.
#include <gtest/gtest.h>

#include <array>

#include "games/poker/PokerView.h"
#include "platform/backend/RasterScreen.h"
#include "shell/Resources.h"
#include "tools/artwork/PicturePixels.h"
#include "PokerTableFixture.h"
#include "support/AceLowCards.h"
#include "support/LayoutCheck.h"

namespace zuno::testing {
namespace {

namespace pictures = zuno::testing::pictures;

// By server seat: me (10) in seat 2, so that display seat s holds kByDisplaySeat[s].
constexpr int32_t kIds[] = {20, 30, 10, 40, 50, 60, 70, 80, 90};
constexpr int32_t kByDisplaySeat[] = {10, 40, 50, 60, 70, 80, 90, 20, 30};

class PokerLayout : public PokerTableTest {
protected:
    // The longest names of the stand-in's robots; the ids in server seat order, then the watchers.
    std::shared_ptr<PokerView> open(const std::vector<int32_t>& ids) {
        return openPoker(ids, {"Phuong", "Trang", "Khanh", "Giang", "Thao", "Quang", "Xuan", "Minh", "Long"});
    }

    // What the layout check sees, and what it does not: the avatars (a picture, not a text) and the
    // rising hand name (always moving).
    static void check(PokerView& table, const std::string& when) {
        expectKnownLayout(checkLayoutOfView(*table.view()), when);
        expectAvatarsInSight(table, when);
        expectHandNamesOffTheCards(table, when);
        expectBetsReadable(table, when);
    }

    static bool crosses(const ui::Rect& a, const ui::Rect& b) {
        const ui::Rect both = a.intersection(b);
        return both.width() > 1 && both.height() > 1;
    }

    static std::vector<ui::Rect> cardsOnTable(PokerView& table) {
        std::vector<ui::Rect> out;
        for (const auto& view : table.view()->subviews())
            if (std::dynamic_pointer_cast<CardView>(view) && !view->isHidden() && view->alpha() > 0.01)
                out.push_back(view->frame());
        return out;
    }

    // No card lies under an avatar, and no marker on its face (its middle and just above).
    static void expectAvatarsInSight(PokerView& table, const std::string& when) {
        std::vector<std::shared_ptr<ui::ImageView>> markers = {table.imgDealer, table.imgSmallBind, table.imgBigBind};
        markers.insert(markers.end(), table.imgAnte.begin(), table.imgAnte.end());
        for (int seat = 0; seat < PokerView::kSeats; ++seat) {
            const auto& avatar = table.ava[seat];
            if (avatar->isHidden()) continue;
            for (const ui::Rect& card : cardsOnTable(table))
                EXPECT_FALSE(crosses(card, avatar->frame())) << when << ": a card under the avatar of display seat " << seat;
            const ui::Point face = avatar->center();
            for (const auto& marker : markers) {
                if (marker->isHidden()) continue;
                EXPECT_FALSE(marker->frame().contains(face) || marker->frame().contains({face.x, face.y - 8}))
                    << when << ": a marker on the face of display seat " << seat;
            }
        }
    }

    static void expectHandNamesOffTheCards(PokerView& table, const std::string& when) {
        for (int seat = 0; seat < PokerView::kSeats; ++seat) {
            const auto& hand = table.lblPokerHand[seat];
            if (hand->isHidden()) continue;
            const ui::Rect name = hand->frame();
            const std::string text = hand->text().value_or("");
            EXPECT_LE(hand->font().withSize(hand->minimumFontSize()).widthOfText(text), name.width())
                << when << ": the hand name \"" << text << "\" of display seat " << seat << " cut";
            EXPECT_EQ(table.view()->bounds().intersection(name), name) << when << ": the hand name of display seat " << seat;
            for (const ui::Rect& card : cardsOnTable(table))
                EXPECT_FALSE(crosses(name, card)) << when << ": the hand name of display seat " << seat << " over a card";
        }
    }

    // A winner's hand name rises 10 points within its place. All the way it keeps a few points clear of
    // every card, inside the window and above the bottom bar, off the other seats' avatars, names, stacks
    // and bets, and the longest name reads there at its full size.
    static void expectHandNameClear(PokerView& table, int seat, const ui::Rect& home, const std::string& when) {
        constexpr double kRise = 10, kGap = 3, kMargin = 4;
        const auto& hand = table.lblPokerHand[seat];
        ASSERT_FALSE(hand->isHidden()) << when;
        const ui::Rect travel = home.united(home.offsetBy(0, -kRise));
        EXPECT_TRUE(table.view()->bounds().insetBy(kMargin, kMargin).contains(travel)) << when << ": by the window's edge";
        EXPECT_LE(travel.maxY() + kGap, table.bottomMenuView->frame().minY()) << when << ": on the bottom bar";
        for (const ui::Rect& card : cardsOnTable(table))
            EXPECT_FALSE(travel.insetBy(-kGap, -kGap).intersects(card)) << when << ": against a card";
        for (int other = 0; other < PokerView::kSeats; ++other) {
            if (other == seat) continue;
            const std::vector<std::shared_ptr<ui::View>> texts = {table.ava[other], table.lblName[other],
                                                                  table.lblPlayerStack[other], table.viePlayerMoney[other]};
            for (const auto& text : texts) {
                if (!text->isHidden()) {
                    EXPECT_FALSE(travel.intersects(text->frame())) << when << ": over display seat " << other;
                }
            }
        }
        EXPECT_LE(hand->font().widthOfText("THREE OF A KIND"), home.width()) << when << ": no room at full size";
        EXPECT_TRUE(travel.contains(hand->frame())) << when << ": the plate off its place";
        EXPECT_LE(hand->font().widthOfText(hand->text().value_or("")), hand->frame().width()) << when << ": shrunk";
    }

    // Each bet amount against what is drawn just right of its text, on the felt or on the floor around it.
    // A winner's own hand name may rise over his bet for its second (the bet, settled, reads again after).
    static void expectBetsReadable(PokerView& table, const std::string& when) {
        ui::RasterScreen screen(480, 320, 1);
        screen.renderView(*table.view());
        for (int seat = 0; seat < PokerView::kSeats; ++seat) {
            const auto& bet = table.lblPlayerMoney[seat];
            if (table.viePlayerMoney[seat]->isHidden() || bet->text().value_or("").empty()) continue;
            const auto& hand = table.lblPokerHand[seat];
            if (!hand->isHidden() && hand->frame().intersects(table.viePlayerMoney[seat]->frame())) continue;
            const ui::Rect box = bet->convertRectToView(bet->bounds(), table.view().get());
            const double right = box.minX() + bet->font().widthOfText(*bet->text()) + 3;
            const auto under = screen.rgba(int(right), int(box.midY()));
            const ui::Color floor = ui::Color::rgb255(under.r, under.g, under.b);
            EXPECT_GE(pictures::contrast(bet->textColor(), floor), 4.5)
                << when << ": the bet \"" << *bet->text() << "\" of display seat " << seat;
        }
    }

    // Every seated player calls the raise of display seat 3; my turn comes last.
    static void everyoneCalls(PokerView& table) {
        table.onCall(40, 100, 700, 50, {5, 3, 2, 6});
        table.onCall(50, 100, 1100, 60, {5, 3, 2, 6});
        table.onRaise(60, 400, 9599, 70, {5, 3, 2, 6});
        for (int32_t id : {70, 80, 90, 20, 30}) table.onCall(id, 400, 2000, id == 30 ? 10 : id + 10, {5, 3, 2, 6});
    }
};

TEST_F(PokerLayout, NineSeatsThroughAHandAndEveryOneOfThemWinning) {
    me->setName("lan");
    auto table = open({20, 30, 10, 40, 50, 60, 70, 80, 90});
    table->onJoinBoard({20, 30, 10, 40, 50, 60, 70, 80, 90}, {5000, 2400, 25000, 800, 1200, 9999, 3000, 10000, 15000});
    check(*table, "waiting");

    table->start(30, aceLowCards("AS KH"), 20, 30, 10, 50, 40, {}, {});
    run(6);
    check(*table, "dealt with the markers");
    everyoneCalls(*table);
    table->onCall(90, 400, 14600, 20, {5, 3, 2, 6});
    check(*table, "another's turn");
    table->onCall(30, 400, 2000, 10, {5, 3, 2, 6});
    table->doRaise();
    run(1);
    check(*table, "my turn with the slider");
    table->moveErrorWithInfo("The raise must be at least 300.");
    table->onBuzzWithContent("Hurry up, An!");
    run(0.5);
    check(*table, "my bubble and the table's");

    table->onCall(10, 400, 24600, 40, {1, 5, 4, 6});
    table->onSelfResult("PAIR", aceLowCards("AS AH KD 9C 4S"));
    table->onFlop(40, aceLowCards("KD 9C 4S"), 2, {3200, 400});
    run(2.5);
    check(*table, "the flop");
    table->onTurn(40, aceLowCard("AD"), 3, {3200, 400, 1200});
    run(2);
    check(*table, "the turn");
    table->onRiver(40, aceLowCard("2C"), 3, {3200, 12500, 1200});
    run(2);
    check(*table, "the river");

    std::array<ui::Rect, PokerView::kSeats> handNameHomes;
    for (int seat = 0; seat < PokerView::kSeats; ++seat) handNameHomes[seat] = table->lblPokerHand[seat]->frame();
    for (int32_t id : kByDisplaySeat) table->onShowdown(0, "THREE OF A KIND", id, 0, 0, aceLowCards("AS AH AD KD 9C 7S 7H"));
    table->onResult({10, 30, 40, 60}, {40700, 1600, 0, 9199});
    for (int seat = 0; seat < PokerView::kSeats; ++seat) {
        run(1.2);
        const std::string when = "the winner at display seat " + std::to_string(seat);
        check(*table, when);
        expectHandNameClear(*table, seat, handNameHomes[seat], when);
        run(0.8);
    }
    table->onLastPot({0});
    table->onStopGame();
    run(3);
    check(*table, "the hand stopped");

    // The next hand with as many pots as the table shows.
    table->start(30, aceLowCards("2S 2H"), 30, 10, 40, 50, 50, {}, {});
    run(6);
    everyoneCalls(*table);
    table->onFlop(40, aceLowCards("KD 9C 4S"), 8, {3200, 12500, 800, 400, 200, 100, 50, 20});
    run(2.5);
    check(*table, "eight pots");
}

TEST_F(PokerLayout, WatchingAFullTableThenPlayingInVietnamese) {
    auto& resources = Resources::getInstance();
    resources.setCurrentLanguage("vi");
    resources.loadLanguage();
    std::vector<int32_t> ids(std::begin(kIds), std::end(kIds));
    ids[2] = 100;
    ids.push_back(10);
    auto table = open(ids);
    check(*table, "the full table watched");

    table->onPlaying(50, 4, aceLowCards("KD 9C 4S AD"), {20, 30, 100, 40, 50, 60, 70, 80, 90},
                     {5000, 2400, 25000, 800, 1200, 9999, 3000, 10000, 15000}, {400, 400, 400, 0, 0, 0, 0, 0, 0});
    run(1);
    check(*table, "a hand watched");
    table->onShowdown(0, "FULL HOUSE", 20, 100, 0, aceLowCards("AS AH AD KD KS AS AH"));
    table->onResult({20}, {9000});
    run(1.2);
    check(*table, "a winner watched");
    table->onStopGame();

    table = open({20, 30, 10, 40, 50, 60, 70, 80, 90});
    table->onJoinBoard({20, 30, 10, 40, 50, 60, 70, 80, 90}, {5000, 2400, 25000, 800, 1200, 9999, 3000, 10000, 15000});
    table->start(30, aceLowCards("AS KH"), 20, 30, 10, 50, 10, {}, {});
    run(6);
    table->onCheck(10, 40, {1, 5, 4, 6});
    table->onCall(40, 100, 700, 10, {5, 4, 2, 6});
    table->doRaise();
    run(1);
    table->moveErrorWithInfo("Bây giờ bạn không thể làm vậy.");
    check(*table, "my turn");
    resources.setCurrentLanguage("en");
    resources.loadLanguage();
}

}  // namespace
}  // namespace zuno::testing
