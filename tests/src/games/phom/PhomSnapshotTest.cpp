// Pictures of the Phom tables through a deal: waiting with an empty seat, my turn after the deal, another
// player's turn, eats and lay-downs, the end with everyone's results, continue; new Phom's eat, its
// send-cards stage and its end; a table joined while a deal runs; a deal drawn at scale 2.
#include <gtest/gtest.h>

#include "games/phom/PhomNewView.h"
#include "games/phom/PhomView.h"
#include "platform/ui/Application.h"
#include "src/table/TableFixture.h"
#include "support/AceLowCards.h"
#include "support/GiftPlaces.h"
#include "support/PhomLeftovers.h"
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
    std::shared_ptr<View> opened(int8_t gameType, std::vector<PlayerPtr> players = {}) {
        UIController::setGameType(gameType);
        if (players.empty()) players = fourPlayers();
        for (const auto& p : players) p->setIsReady(p->IDDB() != 20 && p->IDDB() != 10);
        std::shared_ptr<View> view;
        if constexpr (std::is_same_v<View, PhomNewView>) {
            GameController::showPhomNewScreenWithRoom(1, 2, 20, 1000, players);
            run(1);
            view = GameController::getPhomNewView();
        } else {
            GameController::showPhomScreenWithRoom(1, 2, 20, 1000, players);
            run(1);
            view = GameController::getPhomView();
        }
        view->resetSeat();
        return view;
    }
    // The deal (an first), then one card fired at every seat; an acts next.
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
    // The server's word for each player at the end: a line in the player's bubble, the sum flying.
    void results(PhomView& table, int32_t winner) {
        for (int32_t id : {20, 10, 30, 40}) {
            table.onChatFromWithId(id, std::nullopt, id == winner ? "Won the deal" : "Lost the deal");
            table.showFlyTextWirhFromId(id, id == winner ? 3000 : -1000);
        }
        run(0.5);
    }
};

TEST_F(PhomSnapshots, WaitingWithAnEmptySeat) {
    auto table = opened<PhomView>(7, {seatPlayer(20, "an", 8000000), me, seatPlayer(30, "binh", 3000000),
                                       seatPlayer(-1, "")});
    table->onChatFromWithId(30, std::nullopt, "Good luck!");
    run(0.5);
    EXPECT_TRUE(matchesReference(*table->view(), "phom_waiting"));
}

// Four gifts at every seat lie beside it, over no button, name, money, mark or card, while cards are
// laid down and at the end.
TEST_F(PhomSnapshots, EverySeatsGiftsLieBesideItOverNothing) {
    storeGiftPictures();
    auto table = opened<PhomView>(7);
    const std::vector<int32_t> ids{10, 30, 40, 20};
    for (size_t i = 0; i < ids.size(); ++i) {
        for (int gift = 0; gift < 4; ++gift) table->onShowGift(kFirstGiftItem + gift, ids[(i + 1) % 4], ids[i]);
    }
    run(1.1);
    const auto expectClear = [&](const std::string& when) {
        for (const auto& finding : giftsCovering(*table->view(), giftsOf(table->players()))) ADD_FAILURE() << when << ": " << finding;
    };
    expectClear("waiting");
    dealAndFireRound(*table);
    table->onEatCard(true, 2, 30, 0);
    table->setCurrentPlayer(20);
    table->onHaPhom(true, laidOf("6S 6C 6H"), false, {}, 20);
    table->onHaPhom(true, laidOf("AD 2D 3D"), false, {}, 30);
    run(2);
    expectClear("laid");
    table->setScore({14, 22, 27, 49});
    table->onFinish({14, 22, 27, 49}, leftoversOf({"4S JD", "KD 2C 7S", "8D 9S QS", "6D 7C TC KS 2H 5D 9C JS"}), {});
    run(0.5);
    expectClear("the end");
}

TEST_F(PhomSnapshots, ADealFromMyTurnToContinue) {
    auto table = opened<PhomView>(7);
    table->start(30, aceLowCards(kHand), 20, 20);
    run(3);
    table->onFire(10, 20, aceLowCard("4S"), 0);
    // The name of the player to act blinks: each picture is taken while it shows.
    run(2);
    EXPECT_TRUE(matchesReference(*table->view(), "phom_my_turn"));

    // I draw and fire; binh's turn.
    table->onGetCard(static_cast<uint8_t>(aceLowCard("QC")));
    table->onFire(30, 10, aceLowCard("QC"), 0);
    run(2);
    EXPECT_TRUE(matchesReference(*table->view(), "phom_another_turn"));

    // binh and chi fire; an eats chi's six with two of his own and lays down; binh lays down a run.
    table->onFire(40, 30, aceLowCard("8D"), 0);
    table->onFire(20, 40, aceLowCard("6H"), 0);
    table->onEatCard(true, 2, 30, 0);
    table->setCurrentPlayer(20);
    table->onHaPhom(true, laidOf("6S 6C 6H"), false, {}, 20);
    table->onHaPhom(true, laidOf("AD 2D 3D"), false, {}, 30);
    run(2);
    EXPECT_TRUE(matchesReference(*table->view(), "phom_laid"));

    table->setScore({14, 22, 27, 49});
    table->onFinish({14, 22, 27, 49}, leftoversOf({"4S JD", "KD 2C 7S", "8D 9S QS", "6D 7C TC KS 2H 5D 9C JS"}), {});
    results(*table, 20);
    EXPECT_TRUE(matchesReference(*table->view(), "phom_finish"));

    table->clickStartGame();  // continue
    run(4);
    EXPECT_TRUE(matchesReference(*table->view(), "phom_continue"));
}

TEST_F(PhomSnapshots, NewPhomEatsLaysDownSendsCardsAndEnds) {
    auto table = opened<PhomNewView>(13);
    table->start(30, aceLowCards("KS KC 5S 5C 5D 9H TH 2C 7S"), 20, 20);
    run(3);
    table->onFire(20, 10, aceLowCard("KD"), 0);
    for (const auto& card : table->handSprites())
        if (card->cardID == aceLowCard("KS") || card->cardID == aceLowCard("KC")) card->setSelected();
    table->doEat();
    table->onEatCard(true, 2, 20, 0);
    run(2);
    EXPECT_TRUE(matchesReference(*table->view(), "phomnew_eaten"));

    table->onFire(10, 30, aceLowCard("7S"), 0);
    table->onFire(30, 40, aceLowCard("8D"), 0);
    table->onFire(40, 20, aceLowCard("6H"), 0);
    table->onFire(20, 10, aceLowCard("4S"), 1);
    table->onGetCard(static_cast<uint8_t>(aceLowCard("JH")));
    table->setCurrentPlayer(10);
    table->onHaPhom(true, laidOf("KS KC KD 5S 5C 5D"), false, {}, 10);
    run(2);
    EXPECT_TRUE(matchesReference(*table->view(), "phomnew_send_cards"));

    // Everyone's end, one after another: the leftovers and each score; the results wait in the bubbles.
    const std::vector<std::pair<int32_t, const char*>> ends = {
        {20, "AS 3D 8C"}, {10, "2C"}, {30, "9S QS 4H"}, {40, "6D 7C TC KH 2H"}};
    for (const auto& [id, cards] : ends) {
        const auto ids = aceLowCards(cards);
        table->onFinishNew(static_cast<int32_t>(ids.size()) * 5, {ids.begin(), ids.end()}, id,
                           static_cast<int32_t>(ids.size()));
    }
    results(*table, 10);
    EXPECT_TRUE(matchesReference(*table->view(), "phomnew_finish"));
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

// The screen drawn twice as fine: texts and pictures sharp.
TEST_F(PhomSnapshots, ADealAtScaleTwo) {
    ui::Screen::setScale(2);
    auto table = opened<PhomView>(7);
    dealAndFireRound(*table);
    table->onChatFromWithId(40, std::nullopt, "Good luck!");
    run(0.5);
    EXPECT_TRUE(matchesReference(*table->view(), "phom_deal@2x"));
    ui::Screen::setScale(1);
}

}  // namespace
}  // namespace zuno::testing
