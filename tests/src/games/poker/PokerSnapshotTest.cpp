// Pictures of the Poker table through a hand: the waiting layout seen by a watcher, a dealt hand with
// its markers on another's turn, my turn with the slider, the flop, the river with side pots (at scale
// 2), the winners one after the other, the next hand, and the full table offered and watched.
#include <gtest/gtest.h>

#include "games/poker/PokerView.h"
#include "platform/backend/RasterScreen.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Application.h"
#include "PokerTableFixture.h"
#include "support/AceLowCards.h"
#include "support/GiftPlaces.h"
#include "support/SnapshotCompare.h"

namespace zuno::testing {
namespace {

class PokerSnapshots : public PokerTableTest {
protected:
    std::shared_ptr<PokerView> open(const std::vector<int32_t>& ids) {
        return openPoker(ids, {"An", "Binh", "Chi", "Dung", "Em", "Giang", "Hoa", "Khanh", "Lan"});
    }

    // Six seated, me in server seat 2; An (20) deals, Binh (30) and I pay the blinds, Chi (40) acts.
    std::shared_ptr<PokerView> dealt() {
        auto table = open({20, 30, 10, 40, -1, 50, -1, 60, 70});
        table->onJoinBoard({20, 30, 10, 40, 50, 60, 70}, {5000, 2400, 25000, 800, 1200, 9999, 3000});
        table->start(30, aceLowCards("AS AH"), 20, 30, 10, 50, 40, {}, {});
        run(5);
        return table;
    }

    // The first betting round: 40 all in short, three calls and three folds.
    static void preFlop(PokerView& table) {
        table.onAllIn(40, 800, 0, 50, {5, 3, 2, 6});
        table.onFold(50, 1200, 60, {5, 3, 2, 6});
        table.onCall(60, 800, 9199, 70, {5, 3, 2, 6});
        table.onFold(70, 3000, 20, {5, 3, 2, 6});
        table.onFold(20, 5000, 30, {5, 3, 2, 6});
        table.onCall(30, 800, 1600, 10, {5, 3, 2, 6});
        table.onCall(10, 800, 24200, 30, {5, 4, 2, 6});
    }
    // From the deal to the river: Chi and Giang go all in short, so the river has a main and two side
    // pots; Binh and I are left.
    std::shared_ptr<PokerView> river() {
        auto table = dealt();
        preFlop(*table);
        table->onSelfResult("PAIR", aceLowCards("AS AH KD 9C 4S"));
        table->onFlop(30, aceLowCards("KD 9C 4S"), 1, {3250});
        run(2.5);
        table->onBet(30, 1600, 0, 60, {5, 3, 6});
        table->onAllIn(60, 9199, 0, 10, {5, 3, 6});
        table->onCall(10, 9199, 15001, 30, {1, 5, 4, 6});
        table->onTurn(30, aceLowCard("AD"), 3, {3250, 4800, 15198});
        table->onRiver(30, aceLowCard("2C"), 3, {3250, 4800, 15198});
        run(2.5);
        return table;
    }
};

// The most gifts a seat holds lie beside every seat, over no button, name, money, chip or card, through
// a hand to its showdown.
TEST_F(PokerSnapshots, EverySeatsGiftsLieBesideItOverNothing) {
    storeGiftPictures();
    auto table = open({20, 30, 10, 40, 80, 50, 90, 60, 70});
    table->onJoinBoard({20, 30, 10, 40, 80, 50, 90, 60, 70}, {5000, 2400, 25000, 800, 700, 1200, 600, 9999, 3000});
    table->start(30, aceLowCards("AS AH"), 20, 30, 10, 50, 40, {}, {});
    run(5);
    const std::vector<int32_t> ids{20, 30, 10, 40, 80, 50, 90, 60, 70};
    for (size_t i = 0; i < ids.size(); ++i) {
        for (int gift = 0; gift < 3; ++gift) table->onShowGift(kFirstGiftItem + gift, ids[(i + 1) % ids.size()], ids[i]);
    }
    run(1.1);
    const auto expectClear = [&](const std::string& when) {
        for (const auto& finding : giftsCovering(*table->view(), giftsOf(table->players()))) ADD_FAILURE() << when << ": " << finding;
    };
    expectClear("dealt");
    preFlop(*table);
    table->onFlop(30, aceLowCards("KD 9C 4S"), 1, {3250});
    run(2.5);
    table->onTurn(30, aceLowCard("AD"), 3, {3250, 4800});
    table->onRiver(30, aceLowCard("2C"), 3, {3250, 4800});
    run(2.5);
    table->onLastPot({3250, 4800});
    table->onShowdown(0, "THREE OF A KIND", 10, 0, 0, aceLowCards("AS AH AD KD 9C AS AH"));
    table->onResult({10, 30, 40, 60}, {32248, 0, 0, 15198});
    run(1.6);
    expectClear("showdown");
}

TEST_F(PokerSnapshots, WatcherSeesTheWaitingTable) {
    auto table = open({20, -1, 30, -1, 40, -1, -1, 50, -1, 10});
    run(1);
    EXPECT_TRUE(matchesReference(*table->view(), "poker_watcher"));
}

TEST_F(PokerSnapshots, DealtHandWithMarkersThenMyTurnWithTheSlider) {
    auto table = dealt();
    EXPECT_TRUE(matchesReference(*table->view(), "poker_dealt"));

    table->onCall(40, 100, 700, 50, {5, 3, 2, 6});
    table->onFold(50, 1200, 60, {5, 3, 2, 6});
    table->onRaise(60, 400, 9599, 70, {5, 3, 2, 6});
    table->onCall(70, 400, 2600, 20, {5, 3, 2, 6});
    table->onCall(20, 400, 4600, 30, {5, 3, 2, 6});
    table->onCall(30, 400, 2000, 10, {5, 3, 2, 6});
    table->doRaise();
    run(1);
    EXPECT_TRUE(matchesReference(*table->view(), "poker_slider"));
}

TEST_F(PokerSnapshots, TheStreetsWithSidePotsThenTheWinnersOneAfterTheOther) {
    auto table = river();
    ui::Screen::setScale(2);
    EXPECT_TRUE(matchesReference(*table->view(), "poker_river_side_pots@2x"));
    ui::Screen::setScale(1);

    table->onLastPot({3250, 4800, 15198});
    table->onShowdown(0, "THREE OF A KIND", 10, 0, 0, aceLowCards("AS AH AD KD 9C AS AH"));
    table->onShowdown(0, "TWO PAIRS", 60, 2, 0, aceLowCards("KD KS 9C 9S AD KS 9S"));
    table->onShowdown(0, "THREE OF A KIND", 10, 1, 0, aceLowCards("AS AH AD KD 9C AS AH"));
    table->onResult({10, 30, 40, 60}, {32248, 0, 0, 15198});
    run(1.6);
    EXPECT_TRUE(matchesReference(*table->view(), "poker_showdown"));
    run(2);
    EXPECT_TRUE(matchesReference(*table->view(), "poker_winners"));

    // Those left without chips watch; the button moves on and the blinds come round to me.
    table->onStopGame();
    table->onOverMoney(30);
    table->onOverMoney(40);
    run(3);
    table->start(30, aceLowCards("7D 2C"), 60, 70, 20, 50, 10, {}, {});
    run(5);
    EXPECT_TRUE(matchesReference(*table->view(), "poker_next_hand"));
}

TEST_F(PokerSnapshots, FullTableOfferedThenWatched) {
    auto table = open({20, 30, 40, 50, 60, 70, 80, 90, 100});
    table->onFullBoard();
    run(1);
    ui::RasterScreen screen;
    screen.renderApplication();
    EXPECT_TRUE(matchesReference(screen, "poker_full_table"));

    UIController::closeDialog();
    table->onPlaying(40, 3, aceLowCards("KD 9C 4S"), {20, 30, 40, 50, 60, 70, 80, 90, 100},
                     {5000, 2400, 800, 1200, 9999, 3000, 7000, 6400, 12000}, {200, 200, 0, 0, 0, 0, 0, 0, 0});
    run(1);
    EXPECT_TRUE(matchesReference(*table->view(), "poker_watching"));
}

}  // namespace
}  // namespace zuno::testing
