// Pictures of the Bai Cao and Xi Zach tables: a deal with my cards backed, cards partly shown, the
// stop with result texts; a Xi Zach turn announced with a five-card hand, the dealer's examination, a
// deal lost by the punters as the money flies.
#include <gtest/gtest.h>

#include "games/banker/BaiCaoView.h"
#include "games/banker/XiZachView.h"
#include "src/table/TableFixture.h"
#include "support/AceLowCards.h"
#include "platform/ui/Application.h"
#include "support/GiftPlaces.h"
#include "support/SnapshotCompare.h"

namespace zuno::testing {
namespace {

class BankerSnapshots : public TableTest {
protected:
    // I am 10; binh (30) sits at my right, chi (40) across, an (20) at my left; an is the owner.
    template <class View>
    std::shared_ptr<View> opened(int8_t gameType, int32_t owner) {
        UIController::setGameType(gameType);
        auto players = fourPlayers();
        for (const auto& p : players) p->setIsReady(p->IDDB() != owner);
        if (gameType == 11) GameController::showBaiCaoScreenWithRoom(1, 2, owner, 100, players);
        else GameController::showXiZachScreenWithRoom(1, 2, owner, 100, players);
        run(1);
        std::shared_ptr<View> view;
        if constexpr (std::is_same_v<View, BaiCaoView>) view = GameController::getBaiCaoView();
        else view = GameController::getXiZachView();
        view->setIsGameEnd(true);
        view->resetSeat();
        for (int32_t who : {10, 30, 40, 20}) view->setMoneyOnBoardWithWho(2000, who);
        return view;
    }
};

TEST_F(BankerSnapshots, BaiCaoDealtShownAndStopped) {
    auto table = opened<BaiCaoView>(11, 20);
    table->startWithInterval(20, std::nullopt, aceLowCards("AS 5C KD"));
    run(3);
    EXPECT_TRUE(matchesReference(*table->view(), "banker_baicao_dealt"));

    table->moveWithPlayerId(10, {aceLowCard("AS"), -1, -1});
    table->moveWithPlayerId(30, {-1, aceLowCard("9H"), -1});
    run(1);
    EXPECT_TRUE(matchesReference(*table->view(), "banker_baicao_shown"));

    table->stopGame();
    table->showCardsWithPlayers({{10, aceLowCards("AS 5C KD")},
                                 {30, aceLowCards("2S 9H 3C")},
                                 {40, aceLowCards("TS JD QH")},
                                 {20, aceLowCards("7D 8S AH")}});
    for (auto [who, text] : {std::pair{10, "6 points"}, {30, "4 points"}, {40, "0 points"}, {20, "6 points"}})
        table->onChatFromWithId(who, std::nullopt, text);
    run(1);
    EXPECT_TRUE(matchesReference(*table->view(), "banker_baicao_stopped"));
}

TEST_F(BankerSnapshots, XiZachTurnFiveCardsAndTheDealersExamination) {
    auto table = opened<XiZachView>(2, 10);
    table->startWithInterval(20, 30, aceLowCards("9S 7C"));
    run(2);
    for (int i = 0; i < 3; ++i) table->getCardWithPlayerId(30, -1);
    table->getRemainTimeWithPlayerId(40, 20);
    run(1);
    EXPECT_TRUE(matchesReference(*table->view(), "banker_xizach_turn"));
    // Sharp at the window's double scale too.
    ui::Screen::setScale(2);
    EXPECT_TRUE(matchesReference(*table->view(), "banker_xizach_turn@2x"));
    ui::Screen::setScale(0);

    table->getRemainTimeWithPlayerId(10, 20);
    table->xetBaiWithPlayer(30);
    table->moveWithPlayerId(30, aceLowCards("2S 3C 4D 5H 6S"));
    run(1);
    EXPECT_TRUE(matchesReference(*table->view(), "banker_xizach_examined"));
}

// A Xi Zach deal lost by the punters as their money flies to the middle and the dealer's to him: every
// loss runs clear of its seat's stake, names, bubble and cards.
TEST_F(BankerSnapshots, XiZachLostByThePuntersAsTheMoneyFlies) {
    auto table = opened<XiZachView>(2, 20);
    table->startWithInterval(20, 10, aceLowCards("9S 7C"));
    run(2);
    table->getCardWithPlayerId(10, aceLowCard("2D"));
    run(1);
    table->stopGame();
    table->showCardsWithPlayers({{10, aceLowCards("9S 7C 2D")},
                                 {30, aceLowCards("TH 7S")},
                                 {40, aceLowCards("KC 6D")},
                                 {20, aceLowCards("TS 9C")}});
    for (auto [who, text] : {std::pair{10, "18 points"}, {30, "17 points"}, {40, "16 points"}, {20, "19 points"}}) {
        table->onChatFromWithId(who, std::nullopt, text);
        table->showFlyTextWirhFromId(who, who == 20 ? 6000 : -2000);
    }
    run(0.6);
    EXPECT_TRUE(matchesReference(*table->view(), "banker_xizach_lost"));
}

// Four gifts at every seat lie beside it, over no button, name, money, mark or card: five cards in
// every hand, and the results of a Bai Cao deal.
TEST_F(BankerSnapshots, EverySeatsGiftsLieBesideItOverNothing) {
    storeGiftPictures();
    const std::vector<int32_t> ids{10, 30, 40, 20};
    const auto giveGifts = [&](GameCardView& table) {
        for (size_t i = 0; i < ids.size(); ++i) {
            for (int gift = 0; gift < 4; ++gift) table.onShowGift(kFirstGiftItem + gift, ids[(i + 1) % 4], ids[i]);
        }
        run(1.1);
    };
    auto xiZach = opened<XiZachView>(2, 20);
    giveGifts(*xiZach);
    xiZach->startWithInterval(20, 30, aceLowCards("2S 3C"));
    run(2);
    for (int32_t who : {30, 40, 20}) {
        for (int i = 0; i < 3; ++i) xiZach->getCardWithPlayerId(who, -1);
    }
    for (const char* card : {"4D", "5H", "6S"}) xiZach->getCardWithPlayerId(10, aceLowCard(card));
    run(2);
    for (const auto& finding : giftsCovering(*xiZach->view(), giftsOf(xiZach->players()))) ADD_FAILURE() << "Xi Zach: " << finding;
}

}  // namespace
}  // namespace zuno::testing
