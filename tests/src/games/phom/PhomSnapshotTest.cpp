// Pictures of the Phom tables: a dealt hand with melds outlined and four fired rows, the zoomed table
// with eaten and laid cards, the finish with its marks, new Phom's send-cards stage, a rejoined table.
#include <gtest/gtest.h>

#include "games/phom/PhomNewView.h"
#include "games/phom/PhomView.h"
#include "src/table/TableFixture.h"
#include "support/AceLowCards.h"
#include "support/SnapshotCompare.h"

namespace zuno::testing {
namespace {

// Two melds (three fives, the nine to jack of hearts) and four free cards.
const char* const kHand = "5S 5C 5D 9H TH JH KD 2C 7S";

PhomLaidCards laidOf(const std::string& cards) {
    PhomLaidCards laid;
    laid.fill(-1);
    const auto ids = aceLowCards(cards);
    std::copy(ids.begin(), ids.end(), laid.begin());
    return laid;
}

class PhomSnapshots : public TableTest {
protected:
    // I am 10; binh (30) sits at my right, chi (40) across, an (20) at my left; an is the owner.
    template <class View>
    std::shared_ptr<View> opened(int8_t gameType) {
        UIController::setGameType(gameType);
        auto players = fourPlayers();
        for (const auto& p : players) p->setIsReady(p->IDDB() != 20);
        std::shared_ptr<View> view;
        if constexpr (std::is_same_v<View, PhomNewView>) {
            GameController::showPhomNewScreenWithRoom(1, 2, 20, 100, players);
            run(1);
            view = GameController::getPhomNewView();
        } else {
            GameController::showPhomScreenWithRoom(1, 2, 20, 100, players);
            run(1);
            view = GameController::getPhomView();
        }
        view->resetSeat();
        return view;
    }
    // The deal, then one card fired at every seat: an, me, binh, chi; an acts next.
    void dealAndFireRound(PhomView& table) {
        table.start(30, aceLowCards(kHand), 20, 20);
        run(3);
        table.onFire(10, 20, aceLowCard("4S"), 0);
        table.onGetCard(static_cast<uint8_t>(aceLowCard("QC")));
        table.onFire(30, 10, aceLowCard("QC"), 0);
        table.onFire(40, 30, aceLowCard("8D"), 0);
        table.onFire(20, 40, aceLowCard("6H"), 0);
        run(2);
    }
};

TEST_F(PhomSnapshots, DealtZoomedAndFinished) {
    auto table = opened<PhomView>(7);
    dealAndFireRound(*table);
    EXPECT_TRUE(matchesReference(*table->view(), "phom_dealt"));

    // an eats chi's six with two of his own and lays down; binh lays down a run.
    table->onEatCard(true, 2, 30, 0);
    table->setCurrentPlayer(20);
    table->onHaPhom(true, laidOf("6S 6C 6H"), false, {}, 20);
    table->onHaPhom(true, laidOf("AD 2D 3D"), false, {}, 30);
    run(2);
    EXPECT_TRUE(matchesReference(*table->view(), "phom_zoomed"));

    PhomLeftoverCards leftovers;
    for (auto& row : leftovers) row.fill(-1);
    const char* const rows[] = {"4S JD", "KD 2C 7S", "8D 9S QS", "6D 7C TC KS"};
    for (size_t p = 0; p < 4; ++p) {
        const auto ids = aceLowCards(rows[p]);
        std::copy(ids.begin(), ids.end(), leftovers[p].begin());
    }
    table->setScore({14, 22, 27, 49});
    table->onFinish({14, 22, 27, 49}, leftovers, {});
    run(2);
    EXPECT_TRUE(matchesReference(*table->view(), "phom_finish"));
}

TEST_F(PhomSnapshots, NewPhomSendsCards) {
    auto table = opened<PhomNewView>(13);
    table->start(30, aceLowCards(kHand), 10, 10);
    run(3);
    table->onFire(10, 30, aceLowCard("QC"), 0);
    table->setCurrentPlayer(10);
    table->onHaPhom(true, laidOf("5S 5C 5D"), false, {}, 10);
    run(2);
    EXPECT_TRUE(matchesReference(*table->view(), "phomnew_send_cards"));
}

TEST_F(PhomSnapshots, Rejoined) {
    auto table = opened<PhomView>(7);
    PhomFiredCards fired;
    PhomEatenCards eaten;
    for (auto& row : fired) row.fill(-1);
    for (auto& row : eaten) row.fill(-1);
    // By player index: an, me (watching), binh, chi; chi's row is full and shows nothing.
    fired[0] = {aceLowCard("4S"), aceLowCard("JD"), -1, -1};
    fired[2] = {aceLowCard("8D"), -1, -1, -1};
    fired[3] = {aceLowCard("6H"), aceLowCard("7C"), aceLowCard("TC"), aceLowCard("KS")};
    eaten[2] = {aceLowCard("9C"), -1, -1};
    table->onPlaying(30, 30, 20, fired, eaten, 30);
    run(2);
    EXPECT_TRUE(matchesReference(*table->view(), "phom_rejoined"));
}

}  // namespace
}  // namespace zuno::testing
