// The Tien Len table screen: the deal and the hand's layout, selection by touch and the move request,
// passes, the first-deal rule, seats for two to four players, the finish, money sounds, and the
// northern table's differences.
#include <gtest/gtest.h>

#include <algorithm>

#include "games/tienlen/TienLenHandLayout.h"
#include "games/tienlen/TienLenMBService.h"
#include "games/tienlen/TienLenMBView.h"
#include "games/tienlen/TienLenService.h"
#include "lobby/GlobalService.h"
#include "platform/media/Sound.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Label.h"
#include "shell/CustomLabel.h"
#include "shell/Resources.h"
#include "src/table/TableFixture.h"
#include "support/AlertButtons.h"
#include "support/GiftPlaces.h"
#include "support/LayoutCheck.h"
#include "support/SnapshotCompare.h"
#include "table/CardView.h"

namespace zuno::testing {
namespace {

using Ids = std::vector<int8_t>;
using namespace tienlenhand;

std::string text(const char* key) { return Resources::getInstance().textForKey(key); }

int playsOf(const std::string& sound) {
    const auto names = sys::Sound::playedNames();
    return static_cast<int>(std::count_if(names.begin(), names.end(),
                                          [&](const std::string& n) { return n.find(sound) != std::string::npos; }));
}

TEST(TienLenHandLayoutTest, CardCentresForOneToThirteenCards) {
    struct Case {
        int cards;
        double first, step;
    };
    const Case cases[] = {{1, 240, 58}, {2, 210, 58}, {5, 120, 58}, {7, 60, 58}, {8, 30, 58},
                          {9, 30, 52},  {10, 30, 46}, {12, 30, 38}, {13, 30, 35}};
    for (const Case& c : cases) {
        const Layout layout = layoutFor(c.cards, 480, 0);
        EXPECT_EQ(cardCentre(layout, 0, false).x, c.first) << c.cards << " cards";
        EXPECT_EQ(cardCentre(layout, 1, false).x - cardCentre(layout, 0, false).x, c.step) << c.cards << " cards";
    }
    EXPECT_EQ(cardCentre(layoutFor(13, 480, 0), 12, false).x, 450);
    EXPECT_EQ(cardCentre(layoutFor(13, 480, 0), 3, true).y, 229);
}

TEST(TienLenHandLayoutTest, GestureThresholds) {
    struct Case {
        const char* name;
        ui::Point at;
        bool dragging, myTurn;
        Gesture expected;
    };
    const ui::Point begin{100, 244};
    const Case cases[] = {
        {"below 275 drags", {100, 276}, false, false, Gesture::Drag},
        {"at 275 sweeps sideways", {140, 275}, false, false, Gesture::Sweep},
        {"a drag stays a drag", {100, 100}, true, true, Gesture::Drag},
        {"above 195 on my turn marks", {100, 194}, false, true, Gesture::Mark},
        {"at 195 it does not", {100, 195}, false, true, Gesture::None},
        {"above 195 off my turn sweeps", {200, 150}, false, false, Gesture::Sweep},
        {"mostly vertical does nothing", {110, 220}, false, false, Gesture::None},
    };
    for (const Case& c : cases) EXPECT_EQ(classifyMove(c.at, begin, c.dragging, c.myTurn), c.expected) << c.name;
    EXPECT_TRUE(releaseFires({240, 159}));
    EXPECT_FALSE(releaseFires({240, 160}));
}

class TienLenViewTest : public TableTest {
protected:
    std::shared_ptr<TienLenView> openTable(std::vector<PlayerPtr> players, int32_t owner = 10, int8_t type = 3) {
        auto screen = open(type, std::move(players), owner);
        auto table = std::dynamic_pointer_cast<TienLenView>(screen);
        table->resetSeat();
        return table;
    }
    std::shared_ptr<TienLenMBView> openNorthern(std::vector<PlayerPtr> players) {
        UIController::setGameType(12);
        GameController::showTienLenMBScreenWithRoom(1, 2, 10, 100, std::move(players));
        run(1);
        auto table = GameController::getTienLenMBView();
        table->resetSeat();
        return table;
    }
    // Four players in a deal: 10 leads a single, 30 beats it and the turn comes back to 10.
    std::shared_ptr<TienLenView> openTableWithTwoCardsPlayed() {
        auto table = openTable(fourPlayers());
        table->startWithWhoMoveFirst(10, 20, kHand);
        run(2);
        table->moveWithPlayerId(10, Ids{0}, 30);
        table->moveWithPlayerId(30, Ids{2}, 10);
        run(1);
        return table;
    }
    static std::vector<int32_t> seatIds(const TienLenView& table) {
        std::vector<int32_t> ids;
        for (int seat = 0; seat < 4; ++seat) {
            PlayerPtr p = table.table().playerAtSeat(seat);
            ids.push_back(p ? p->IDDB() : -1);
        }
        return ids;
    }
    static ui::Point centreOf(const TienLenView& table, int8_t id) {
        for (const auto& card : table.myCards())
            if (card->cardID == id) return card->center();
        return {};
    }
    // Where a finger finds the card in the fanned hand: the strip the next card leaves uncovered.
    static ui::Point stripOf(const TienLenView& table, int8_t id) {
        for (const auto& card : table.myCards())
            if (card->cardID == id) return {card->frame().x() + 10, card->center().y};
        return {};
    }
    void tap(TienLenView& table, int8_t id) {
        const ui::Point at = stripOf(table, id);
        table.touchBeganAt(at);
        table.touchEndedAt(at);
        run(0.3);
    }
    static std::string startTitle(const TienLenView& table) {
        return table.btnStart->titleForState(ui::ControlState::Normal).value_or("");
    }

    const Ids kHand{40, 4, 0, 5, 9, 13, 17, 21, 25, 29, 33, 37, 41};
};

TEST_F(TienLenViewTest, TheDealIsShownSortedAndLaidOut) {
    auto table = openTable(fourPlayers());
    sys::Sound::recordPlays();
    table->startWithWhoMoveFirst(20, 15, kHand);
    run(2);
    Ids ids = table->myCardIds();
    EXPECT_EQ(ids, (Ids{0, 4, 5, 9, 13, 17, 21, 25, 29, 33, 37, 40, 41}));
    // Right of my seat: 13 cards 26 apart from x 100 (to 472, clear of the edge).
    for (size_t i = 0; i < ids.size(); ++i) {
        EXPECT_EQ(centreOf(*table, ids[i]).x, 130 + 26 * static_cast<double>(i));
        EXPECT_EQ(centreOf(*table, ids[i]).y, 244);
    }
    EXPECT_EQ(playsOf("chia-bai"), 14);  // once per card and once on the last call
    for (int seat = 1; seat < 4; ++seat) {
        auto other = std::dynamic_pointer_cast<TienLenPlayer>(table->table().playerAtSeat(seat));
        EXPECT_EQ(other->cards().size(), 13u);
        EXPECT_EQ(other->cards().front()->cardID, -1);
    }
    EXPECT_EQ(table->currentPlayer(), 20);
    EXPECT_EQ(table->interval(), 15);
    EXPECT_FALSE(table->isGameEnd());
    // My cards tell the table that dealt them when they are raised.
    for (const auto& card : table->myCards())
        EXPECT_EQ(card->delegate.lock().get(), static_cast<CardTableDelegate*>(table.get()));
}

TEST_F(TienLenViewTest, TapsSelectAndTheMoveCarriesTheIdsInHandOrder) {
    auto table = openTable(fourPlayers());
    table->startWithWhoMoveFirst(10, 20, kHand);
    run(2);
    EXPECT_EQ(startTitle(*table), text("ZUNO_skip"));
    // Drag the 4 of clubs (5) below the hand onto the first card's place: it moves to the front.
    table->touchBeganAt(stripOf(*table, 5));
    table->touchMovedTo({centreOf(*table, 0).x, 290});
    table->touchEndedAt({centreOf(*table, 0).x, 290});
    run(0.5);
    EXPECT_EQ(table->myCardIds().front(), 5);
    tap(*table, 5);
    EXPECT_EQ(startTitle(*table), text("ZUNO_fire"));
    tap(*table, 9);
    EXPECT_EQ(startTitle(*table), text("ZUNO_skip"));  // two cards of different ranks are no set
    tap(*table, 9);
    tap(*table, 4);
    EXPECT_EQ(startTitle(*table), text("ZUNO_fire"));
    EXPECT_EQ(centreOf(*table, 4).y, 229);

    ServiceRecording sent(TienLenService::getInstance());
    table->setIsFirstMatch(false);
    table->forceMove3Bich = false;
    table->clickStartGame();
    EXPECT_EQ(sent.takeOne(), bytesOf(TienLenService::getInstance(),
                                      [](auto& s) { s.moveWithRoomId(1, 2, Ids{5, 4}); }));

    table->moveWithPlayerId(10, Ids{5, 4}, 30);
    run(1);
    EXPECT_EQ(table->myCardIds().size(), 11u);
    EXPECT_TRUE(table->currentCardsValue.empty());
    EXPECT_EQ(table->currentCards.size(), 2u);
    EXPECT_TRUE(table->btnStart->isHidden());
}

TEST_F(TienLenViewTest, SweepAndDragUpToFireWithTheReleaseLine) {
    auto table = openTable(fourPlayers());
    table->startWithWhoMoveFirst(10, 20, kHand);
    run(2);
    // A sideways sweep over the 4s raises both.
    const ui::Point from = stripOf(*table, 4);
    table->touchBeganAt(from);
    table->touchMovedTo({from.x + 2, from.y});
    table->touchMovedTo(stripOf(*table, 5));
    table->touchEndedAt(stripOf(*table, 5));
    run(0.3);
    EXPECT_EQ(table->myPlayer()->getSelectedCardsValue(), (Ids{4, 5}));
    table->forceMove3Bich = false;

    ServiceRecording sent(TienLenService::getInstance());
    for (double releaseY : {160.0, 159.0}) {
        table->touchBeganAt(stripOf(*table, 4));
        table->touchMovedTo({240, 180});
        table->touchEndedAt({240, releaseY});
        run(0.3);
    }
    EXPECT_EQ(sent.session->sent().size(), 1u);  // only the release above 160 fired
    EXPECT_EQ(table->endPoint.y, 159);
}

TEST_F(TienLenViewTest, TheThreeOfSpadesRuleHoldsOnTheFirstDealOnly) {
    auto table = openTable(fourPlayers());
    table->setIsFirstMatch(true);
    table->startWithWhoMoveFirst(10, 20, kHand);
    run(2);
    ServiceRecording sent(TienLenService::getInstance());
    tap(*table, 4);
    EXPECT_FALSE(table->fireMyCards());
    EXPECT_TRUE(sent.session->sent().empty());
    tap(*table, 4);
    tap(*table, 0);
    EXPECT_TRUE(table->fireMyCards());

    table->stopGame();
    table->setIsFirstMatch(false);
    table->startWithWhoMoveFirst(10, 20, kHand);
    run(2);
    EXPECT_FALSE(table->forceMove3Bich);
}

// The first-play notice and a line of mine a moment later both show, each in its own bubble, and the
// notice keeps its whole turn.
TEST_F(TienLenViewTest, AFirstPlayNoticeAndALineOfMineBothShow) {
    const auto shown = [](const ui::View& bubble) {
        std::string text;
        for (const auto& row : bubble.subviews()) {
            if (auto label = std::dynamic_pointer_cast<CustomLabel>(row)) text += (text.empty() ? "" : " ") + label->text();
        }
        return text;
    };
    auto table = openTable(fourPlayers());
    table->setIsFirstMatch(true);
    table->startWithWhoMoveFirst(10, 20, kHand);
    run(2);
    tap(*table, 4);
    EXPECT_FALSE(table->fireMyCards());
    run(0.3);
    table->onChatFromWithId(10, std::nullopt, "oops");
    EXPECT_FALSE(table->chat0->isHidden());
    EXPECT_FALSE(table->chat4->isHidden());
    EXPECT_EQ(shown(*table->chat0), "oops");
    EXPECT_EQ(shown(*table->chat4), text("ZUNO_youMustFire3Bich"));
    EXPECT_FALSE(table->chat0->frame().intersects(table->chat4->frame()));
    expectKnownLayout(checkLayoutOfView(*table->view()), "a notice and a line of mine");
    run(3.5);
    EXPECT_TRUE(table->chat0->isHidden());
    EXPECT_FALSE(table->chat4->isHidden());
}

TEST_F(TienLenViewTest, APassClearsTheTableButKeepsTheIdsToBeat) {
    auto table = openTable(fourPlayers());
    table->startWithWhoMoveFirst(20, 20, kHand);
    run(2);
    table->moveWithPlayerId(20, Ids{48}, 10);
    run(0.5);
    EXPECT_EQ(table->currentCardsType, 0);
    EXPECT_EQ(startTitle(*table), text("ZUNO_skip"));
    table->skipWithWho(10, 30, false);
    EXPECT_TRUE(table->btnStart->isHidden());
    table->skipWithWho(30, 10, true);
    EXPECT_TRUE(table->currentCards.empty());
    EXPECT_EQ(table->currentCardsType, -1);
    EXPECT_EQ(table->currentCardsValue, Ids{48});
    EXPECT_FALSE(table->btnStart->isHidden());
    EXPECT_EQ(table->currentPlayer(), 10);
}

// A set nobody is left to answer wins the round: the move names its mover next, and a pass in the name
// of the next player clears the table. Nothing is lit for me on another's lead; on mine I lead afresh.
TEST_F(TienLenViewTest, ASetNobodyAnswersClearsTheTableForItsMoverToLead) {
    auto table = openTable(fourPlayers());
    table->startWithWhoMoveFirst(20, 20, kHand);
    run(2);
    const auto expectClearedFor = [&](int32_t leader) {
        run(0.5);
        EXPECT_TRUE(table->currentCards.empty());
        EXPECT_EQ(table->currentCardsType, -1);
        EXPECT_EQ(table->btnStart->isHidden(), leader != 10);
        EXPECT_EQ(table->currentPlayer(), leader);
    };
    table->moveWithPlayerId(20, Ids{48}, 20);
    table->skipWithWho(30, 20, true);
    expectClearedFor(20);

    table->moveWithPlayerId(20, Ids{1}, 10);
    table->moveWithPlayerId(10, Ids{4}, 10);
    table->skipWithWho(20, 10, true);
    expectClearedFor(10);
    EXPECT_EQ(table->myCardIds().size(), kHand.size() - 1);
}

TEST_F(TienLenViewTest, SeatsForTwoThreeAndFourPlayers) {
    auto empty = [] { return seatPlayer(-1, ""); };
    struct Case {
        const char* name;
        std::vector<PlayerPtr> players;
        std::vector<int32_t> seats;
    };
    const Case cases[] = {
        {"two, opponent after me", {me, seatPlayer(20, "an"), empty(), empty()}, {10, -1, 20, -1}},
        {"two, opponent before me", {seatPlayer(20, "an"), me, empty(), empty()}, {10, -1, 20, -1}},
        {"two, opponent opposite", {me, empty(), seatPlayer(20, "an"), empty()}, {10, -1, 20, -1}},
        {"three", {seatPlayer(20, "an"), me, empty(), seatPlayer(40, "chi")}, {10, -1, 40, 20}},
        {"four", fourPlayers(), {10, 30, 40, 20}},
    };
    for (const Case& c : cases) {
        auto table = openTable(c.players);
        EXPECT_EQ(seatIds(*table), c.seats) << c.name;
        EXPECT_EQ(table->lblName2->text(), table->table().playerAtSeat(2)->name()) << c.name;
        table->startWithWhoMoveFirst(10, 20, kHand);
        EXPECT_EQ(seatIds(*table), c.seats) << c.name << " at the deal";
        table->stopGame();
    }
}

TEST_F(TienLenViewTest, FinishStopAndShownHand) {
    auto players = fourPlayers();
    auto table = openTable(players);
    table->startWithWhoMoveFirst(20, 20, kHand);
    run(2);
    table->finishWithWho(30, 1, 0, -100000);
    EXPECT_EQ(table->table().playerAtSeat(1)->exp(), 0);
    EXPECT_FALSE(table->ok1->isHidden());
    table->stopGame();
    EXPECT_TRUE(table->isGameEnd());
    EXPECT_EQ(startTitle(*table), text("ZUNO_continuee"));
    table->showCardsWithWho(10, Ids{41, 0}, 2);
    run(1);
    EXPECT_EQ(table->cardShows.size(), 2u);
    EXPECT_EQ(table->cardShows.front()->cardID, 0);
    EXPECT_EQ(table->cardShows.front()->center(), (ui::Point{228, 124}));
    EXPECT_EQ(table->cardShows.front()->bounds().size, (ui::Size{45, 60}));
    table->clickStartGame();  // continue
    EXPECT_EQ(startTitle(*table), text("ZUNO_start"));
    EXPECT_EQ(table->myPlayer()->cards().size(), 0u);
}

TEST_F(TienLenViewTest, MoneyChangesInARowMakeOneCoinSound) {
    auto table = openTable(fourPlayers());
    sys::Sound::recordPlays();
    table->updateMoneyForPlayer(30, 500);
    run(1);
    table->updateMoneyForPlayer(30, 500);
    EXPECT_EQ(playsOf("trung-tien"), 1);
    run(1);
    table->updateMoneyForPlayer(20, -1000);
    EXPECT_EQ(playsOf("trung-tien"), 2);
    EXPECT_EQ(table->table().playerAtSeat(1)->money(), 2000);
    table->updateMoneyForPlayer(99, 5);  // on no seat: nothing changes
}

TEST_F(TienLenViewTest, ATableLeftMidDealDealsSoundsAndSendsNoMore) {
    auto table = openTable(fourPlayers());
    table->startWithWhoMoveFirst(10, 15, kHand);  // my turn
    table->updateMoneyForPlayer(30, 500);
    run(0.25);
    ServiceRecording sent(TienLenService::getInstance());
    sys::Sound::recordPlays();
    nav().popViewControllerAnimated(false);
    run(60);
    EXPECT_TRUE(sys::Sound::playedNames().empty());
    EXPECT_TRUE(sent.session->sent().empty());
    table->updateMoneyForPlayer(30, 500);  // the coin sound is not left waiting
    EXPECT_EQ(playsOf("trung-tien"), 1);
}

// The captions of the bottom bar that show, each naming what its button does at that moment.
std::vector<std::string> shownCaptions(const ui::View& view) {
    std::vector<std::string> captions;
    if (view.isHidden()) return captions;
    if (auto* label = dynamic_cast<const ui::Label*>(&view)) captions.push_back(label->text().value_or(""));
    // A button that shows its role captions itself with its title.
    if (auto* button = dynamic_cast<const ui::Button*>(&view)) {
        if (auto title = button->currentTitle(); title && !title->empty()) captions.push_back(*title);
        return captions;
    }
    for (const auto& sub : view.subviews()) {
        auto more = shownCaptions(*sub);
        captions.insert(captions.end(), more.begin(), more.end());
    }
    return captions;
}

TEST_F(TienLenViewTest, EveryBottomBarCaptionSaysWhatItsButtonDoesNow) {
    auto table = openTable(fourPlayers());
    table->startWithWhoMoveFirst(10, 15, kHand);  // my turn, nothing selected: the start button passes
    run(2);
    auto captions = shownCaptions(*table->bottomMenuView);
    EXPECT_EQ(std::count(captions.begin(), captions.end(), text("ZUNO_autoselect")), 1);
    EXPECT_EQ(std::count(captions.begin(), captions.end(), text("ZUNO_skip")), 1);
    EXPECT_EQ(std::count(captions.begin(), captions.end(), text("ZUNO_setup")), 1);  // the settings button's
    EXPECT_EQ(std::count(captions.begin(), captions.end(), text("ZUNO_option")), 0);
    table->stopGame();
    captions = shownCaptions(*table->bottomMenuView);
    EXPECT_EQ(std::count(captions.begin(), captions.end(), text("ZUNO_continuee")), 1);
    EXPECT_EQ(std::count(captions.begin(), captions.end(), text("ZUNO_autoselect")), 0);
    // Continue: the owner's start and options, each with its own picture.
    table->clickStartGame();
    captions = shownCaptions(*table->bottomMenuView);
    EXPECT_EQ(std::count(captions.begin(), captions.end(), text("ZUNO_option")), 1);
    EXPECT_EQ(std::count(captions.begin(), captions.end(), text("ZUNO_start")), 1);
    EXPECT_EQ(table->btnAutoSelected->currentImage()->name(), "bar-options.png");
    EXPECT_EQ(table->btnStart->currentImage()->name(), "bar-start.png");
}

TEST_F(TienLenViewTest, TheBarKeepsItsRolesAfterAVisitToTheMailbox) {
    auto table = openTable(fourPlayers());
    table->startWithWhoMoveFirst(10, 15, kHand);
    run(2);
    table->clickMailBox();
    run(1.5);
    nav().popViewControllerAnimated(false);
    run(1.5);
    EXPECT_EQ(nav().topViewController(), table);
    EXPECT_EQ(table->btnAutoSelected->currentTitle(), text("ZUNO_autoselect"));
    EXPECT_EQ(table->btnAutoSelected->currentImage()->name(), "bar-pick.png");
    EXPECT_EQ(table->btnStart->currentTitle(), text("ZUNO_skip"));
    EXPECT_EQ(table->btnStart->currentImage()->name(), "bar-pass.png");
}

TEST_F(TienLenViewTest, AKickButtonKicksThePlayerOfItsTag) {
    auto table = openTable(fourPlayers());
    ui::Button kick;
    kick.setTag(30);
    ServiceRecording lobby(GlobalService::getInstance());
    table->kickPlayer(&kick);
    EXPECT_EQ(lobby.takeOne(), bytesOf(GlobalService::getInstance(), [](auto& s) { s.kickWithRoomId(1, 2, 30); }));
}

TEST_F(TienLenViewTest, TheNorthernTableDiffers) {
    auto table = openNorthern(fourPlayers());
    table->setIsFirstMatch(true);  // as my join sets it
    table->startWithWhoMoveFirst(10, 20, kHand);
    EXPECT_TRUE(table->forceMove3Bich);
    EXPECT_FALSE(table->isFirstMatch());

    // A higher single of another suit does not beat the table's single here.
    table->forceMove3Bich = false;
    table->moveWithPlayerId(20, Ids{1}, 10);
    run(2);
    tap(*table, 4);
    EXPECT_FALSE(table->isAvailableFiredCards());
    tap(*table, 4);
    tap(*table, 5);
    EXPECT_TRUE(table->isAvailableFiredCards());
    ServiceRecording sent(TienLenMBService::getInstance());
    EXPECT_TRUE(table->fireMyCards());
    EXPECT_EQ(sent.session->sent().size(), 1u);

    table->setReadyWithPlayerId(10, true);
    EXPECT_TRUE(UIController::myInfo()->isReady());
}

TEST_F(TienLenViewTest, TheSouthernTableTakesAHigherSingleOfAnySuit) {
    auto table = openTable(fourPlayers());
    table->startWithWhoMoveFirst(20, 20, kHand);
    table->moveWithPlayerId(20, Ids{1}, 10);
    run(2);
    tap(*table, 4);
    EXPECT_TRUE(table->isAvailableFiredCards());
}

TEST_F(TienLenViewTest, AnUnorderedSetOnTheTableIsBeatenByItsHighestCard) {
    auto table = openTable(fourPlayers());
    table->startWithWhoMoveFirst(20, 20, kHand);
    table->moveWithPlayerId(20, Ids{19, 14, 10}, 10);  // 5-6-7 topped by the 7 of hearts
    run(2);
    for (int8_t id : {9, 13, 17}) tap(*table, id);  // 5-6-7 topped by the 7 of clubs
    EXPECT_FALSE(table->isAvailableFiredCards());
}

// My place at the end shows between the cards left on the table and my raised card, touching neither.
TEST_F(TienLenViewTest, MyPlaceLiesBetweenTheCardsPlayedAndMyRaisedCard) {
    auto table = openTableWithTwoCardsPlayed();
    tap(*table, 9);
    table->finishWithWho(10, 1, 0, 0);
    table->showCardsWithWho(40, Ids{44, 45, 12}, 3);
    run(1);
    ASSERT_FALSE(table->chat0->isHidden());
    int cards = 0;
    for (const auto& view : table->view()->subviews()) {
        auto card = std::dynamic_pointer_cast<CardView>(view);
        if (!card || card->isHidden()) continue;
        ++cards;
        EXPECT_FALSE(table->chat0->frame().intersects(card->frame())) << int(card->cardID);
    }
    EXPECT_GT(cards, 13) << "my hand and the cards on the table";
}

// Four gifts at every seat lie beside it, over no button, name, money, mark or card, while the deal
// runs and at its end.
TEST_F(TienLenViewTest, EverySeatsGiftsLieBesideItOverNothing) {
    storeGiftPictures();
    auto table = openTableWithTwoCardsPlayed();
    table->showOKImageWithMode(true);
    const std::vector<int32_t> ids{10, 30, 40, 20};
    for (size_t i = 0; i < ids.size(); ++i) {
        for (int gift = 0; gift < 4; ++gift) table->onShowGift(kFirstGiftItem + gift, ids[(i + 1) % 4], ids[i]);
    }
    run(1.1);
    tap(*table, 9);  // a raised card
    run(0.5);
    for (const auto& finding : giftsCovering(*table->view(), giftsOf(table->players()))) ADD_FAILURE() << finding;
    table->finishWithWho(10, 1, 0, 0);
    table->showCardsWithWho(40, Ids{44, 45, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21}, 3);
    table->stopGame();  // the top-up button shows again
    run(0.5);
    for (const auto& finding : giftsCovering(*table->view(), giftsOf(table->players()))) ADD_FAILURE() << "at the end: " << finding;
    EXPECT_TRUE(matchesReference(*table->view(), "tienlen_gifts"));
}

TEST_F(TienLenViewTest, Snapshots) {
    auto table = openTableWithTwoCardsPlayed();
    EXPECT_TRUE(matchesReference(*table->view(), "tienlen_dealt"));
    ui::Screen::setScale(2);
    EXPECT_TRUE(matchesReference(*table->view(), "tienlen_dealt@2x"));
    ui::Screen::setScale(0);
    tap(*table, 9);
    EXPECT_TRUE(matchesReference(*table->view(), "tienlen_selected"));
    table->finishWithWho(30, 0, 0, 0);
    table->finishWithWho(10, 1, 0, 0);
    table->stopGame();
    table->showCardsWithWho(40, Ids{44, 45, 12}, 3);
    run(1);
    EXPECT_TRUE(matchesReference(*table->view(), "tienlen_finish"));
}

// Another's turn over the longest set the table takes, with the side seats' bubbles showing: nothing
// to read lies over a card or a name.
TEST_F(TienLenViewTest, TheSideSeatsBubblesClearTheLongestSet) {
    auto table = openTable(fourPlayers());
    table->startWithWhoMoveFirst(40, 20, kHand);
    run(2);
    table->moveWithPlayerId(40, Ids{2, 6, 10, 14, 18, 22, 26, 30, 34, 38, 42, 46}, 20);
    table->skipWithWho(20, 30, false);
    table->finishWithWho(40, 0, 0, 0);
    run(1);
    EXPECT_EQ(table->currentPlayer(), 30);
    EXPECT_FALSE(table->chat3->isHidden());
    EXPECT_FALSE(table->chat2->isHidden());
    expectKnownLayout(checkLayoutOfView(*table->view()), "another's turn over twelve cards");
}

// The owner across the table, whose picture has not come yet, shows the plain figure meanwhile (the
// top seat drops the last picture when it is cleared, and was left blank).
TEST_F(TienLenViewTest, AnOwnerAtTheTopSeatShowsAFigureBeforeHisPictureComes) {
    auto empty = [] { return seatPlayer(-1, ""); };
    auto an = seatPlayer(20, "an");
    an->setAvatar(7);  // not at hand: asked of the server
    auto table = openTable({an, me, empty(), empty()}, 20);
    run(1);
    ASSERT_EQ(table->getSeatFromID(20), 2);
    EXPECT_FALSE(table->ava2->isHidden());
    ASSERT_TRUE(table->ava2->image());
    EXPECT_EQ(table->ava2->image()->name(), "av0.png");
    table->startWithWhoMoveFirst(10, 20, kHand);
    run(1);
    ASSERT_TRUE(table->ava2->image());
}

// "Pass this turn?" belongs to the turn it was asked on: it closes when the turn leaves me (the server
// passes for me, my clock runs out) or the deal stops, and a yes that comes after that passes nothing.
TEST_F(TienLenViewTest, ThePassQuestionEndsWithItsTurn) {
    auto table = openTableWithTwoCardsPlayed();
    ServiceRecording sent(TienLenService::getInstance());
    const sys::Data pass = bytesOf(TienLenService::getInstance(), [](auto& s) { s.skipWithRoomId(1, 2); });
    const auto ask = [&] {
        table->clickStartGame();
        run(0.5);
        EXPECT_EQ(UIController::shownDialogMessage(), text("ZUNO_doYouWantSkip"));
        return alertOnTop("asking whether to pass");
    };
    const auto answerYes = [](const std::shared_ptr<ui::AlertView>& alert) {
        if (alert) UIController::sharedController()->clickedButtonAtIndex(*alert, 1);
    };
    const auto backToMe = [&] {
        table->skipWithWho(30, 40, false);
        table->skipWithWho(40, 20, false);
        table->skipWithWho(20, 10, false);
        run(0.5);
    };

    auto question = ask();
    table->skipWithWho(10, 30, false);  // the server passed for me
    run(0.5);
    EXPECT_FALSE(UIController::shownDialogMessage());
    table->doSkip();  // a press of Pass that the turn's end met asks nothing
    run(0.5);
    EXPECT_FALSE(UIController::shownDialogMessage());
    answerYes(question);
    backToMe();
    answerYes(question);  // nor does it pass the next turn of mine
    EXPECT_TRUE(sent.session->sent().empty());

    question = ask();
    tapAlertButton(1);
    run(0.5);
    EXPECT_EQ(sent.takeOne(), pass);
    table->skipWithWho(10, 30, false);
    backToMe();

    question = ask();
    run(25);  // my turn runs out: the table passes for me, once
    EXPECT_EQ(sent.takeOne(), pass);
    EXPECT_FALSE(UIController::shownDialogMessage());
    answerYes(question);
    EXPECT_TRUE(sent.session->sent().empty());
    table->skipWithWho(10, 30, false);
    backToMe();

    question = ask();
    table->stopGame();
    run(0.5);
    EXPECT_FALSE(UIController::shownDialogMessage());
    answerYes(question);
    EXPECT_TRUE(sent.session->sent().empty());
}

// Whoever leads must play: at Mien Bac the action button offers no pass until a set lies on the table,
// and none again once a round is won and I lead anew.
TEST_F(TienLenViewTest, NoPassIsOfferedWhileILeadAtMienBac) {
    auto table = openNorthern(fourPlayers());
    table->startWithWhoMoveFirst(10, 20, kHand);
    run(2);
    EXPECT_EQ(startTitle(*table), text("ZUNO_skip"));
    EXPECT_FALSE(table->btnStart->isEnabled());
    ServiceRecording sent(TienLenMBService::getInstance());
    UIController::setOkValue(UIController::okNone);
    table->clickStartGame();
    run(1);
    EXPECT_TRUE(sent.session->sent().empty());
    EXPECT_EQ(UIController::okValue(), UIController::okNone);  // no pass asked
    tap(*table, 4);
    EXPECT_EQ(startTitle(*table), text("ZUNO_fire"));
    EXPECT_TRUE(table->btnStart->isEnabled());
    tap(*table, 4);

    table->moveWithPlayerId(10, Ids{0}, 30);
    table->moveWithPlayerId(30, Ids{2}, 10);  // a set to answer: a pass is offered
    EXPECT_EQ(startTitle(*table), text("ZUNO_skip"));
    EXPECT_TRUE(table->btnStart->isEnabled());
    table->skipWithWho(10, 40, false);
    table->skipWithWho(40, 20, false);
    table->skipWithWho(20, 10, true);  // the round is mine: I lead again
    EXPECT_EQ(startTitle(*table), text("ZUNO_skip"));
    EXPECT_FALSE(table->btnStart->isEnabled());
}

}  // namespace
}  // namespace zuno::testing
