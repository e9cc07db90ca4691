// The Poker table as a player sees it, nine seats through a hand and a watched full table: at every
// state nothing to read or tap lies under a card, a marker, a bubble or another text, or off the screen.
// Every display seat wins once, since each shows its cards in a place of its own.
#include <gtest/gtest.h>

#include "games/poker/PokerView.h"
#include "shell/Resources.h"
#include "PokerTableFixture.h"
#include "support/AceLowCards.h"
#include "support/LayoutCheck.h"

namespace zuno::testing {
namespace {

// By server seat: me (10) in seat 2, so that display seat s holds kByDisplaySeat[s].
constexpr int32_t kIds[] = {20, 30, 10, 40, 50, 60, 70, 80, 90};
constexpr int32_t kByDisplaySeat[] = {10, 40, 50, 60, 70, 80, 90, 20, 30};

class PokerLayout : public PokerTableTest {
protected:
    // The longest names of the stand-in's robots; the ids in server seat order, then the watchers.
    std::shared_ptr<PokerView> open(const std::vector<int32_t>& ids) {
        return openPoker(ids, {"Phuong", "Trang", "Khanh", "Giang", "Thao", "Quang", "Xuan", "Minh", "Long"});
    }

    static void check(PokerView& table, const std::string& when) {
        expectKnownLayout(checkLayoutOfView(*table.view()), when);
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

    for (int32_t id : kByDisplaySeat) table->onShowdown(0, "THREE OF A KIND", id, 0, 0, aceLowCards("AS AH AD KD 9C 7S 7H"));
    table->onResult({10, 30, 40, 60}, {40700, 1600, 0, 9199});
    for (int seat = 0; seat < PokerView::kSeats; ++seat) {
        run(1.2);
        check(*table, "the winner at display seat " + std::to_string(seat));
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
