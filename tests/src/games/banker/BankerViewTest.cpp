// The Bai Cao and Xi Zach tables on the virtual clock: stakes, the owner's start, card sprites between
// and during deals, reveals, show requests, deals, draws, examinations and the money sound.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "games/banker/BaiCaoService.h"
#include "games/banker/BaiCaoView.h"
#include "games/banker/XiZachService.h"
#include "games/banker/XiZachView.h"
#include "platform/media/Sound.h"
#include "shell/Resources.h"
#include "src/table/TableFixture.h"
#include "support/LayoutCheck.h"
#include "support/ViewTexts.h"

namespace zuno::testing {
namespace {

using Bytes = std::vector<int8_t>;
std::string text(const char* key) { return Resources::getInstance().textForKey(key); }

class BankerTable : public TableTest {
protected:
    // I am 10; an (20) sits at my left (display seat 3), binh (30) at seat 1, chi (40) at seat 2.
    std::shared_ptr<BaiCaoView> baiCao(int32_t owner = 10, std::vector<PlayerPtr> players = {}) {
        UIController::setGameType(11);
        GameController::showBaiCaoScreenWithRoom(1, 2, owner, 100, players.empty() ? fourPlayers() : players);
        run(1);
        auto view = GameController::getBaiCaoView();
        view->setIsGameEnd(true);
        return view;
    }
    std::shared_ptr<XiZachView> xiZach(int32_t owner = 10) {
        UIController::setGameType(2);
        GameController::showXiZachScreenWithRoom(1, 2, owner, 100, fourPlayers());
        run(1);
        auto view = GameController::getXiZachView();
        view->setIsGameEnd(true);
        return view;
    }
    static size_t cardSprites(GameCardView& table) {
        const auto subviews = table.view()->subviews();
        return static_cast<size_t>(std::count_if(subviews.begin(), subviews.end(), [](const auto& v) {
            return std::dynamic_pointer_cast<BCCardView>(v) != nullptr;
        }));
    }
    static std::vector<bool> open(BankerTableView& table, int seat) {
        std::vector<bool> out;
        for (const auto& card : table.playerAt(seat)->cards())
            out.push_back(std::static_pointer_cast<BCCardView>(card)->isChecked);
        return out;
    }
};

TEST_F(BankerTable, NoStakeLabelForTheOwnerEvenWhenAStakeNamesHim) {
    auto table = baiCao(20);
    table->setMoneyOnBoardWithWho(500, 20);
    EXPECT_TRUE(table->stakeLabel(3)->isHidden());
    table->setMoneyOnBoardWithWho(300, 30);
    EXPECT_FALSE(table->stakeLabel(1)->isHidden());
    EXPECT_EQ(table->stakeLabel(1)->text().value_or(""), "300 " + text("ZUNO_win"));
    table->setMoneyOnBoardWithWho(300, 99);  // not seated: nothing
    EXPECT_TRUE(table->stakeLabel(3)->isHidden());
}

// A stake reads as the stake of the seat it lies nearest: each punter's, mine too, lies nearer its own
// seat's avatar than any other seat's, at both tables.
TEST_F(BankerTable, EachStakeLiesByItsOwnSeat) {
    const std::vector<std::pair<std::string, std::shared_ptr<BankerTableView>>> tables{{"Bai Cao", baiCao(40)},
                                                                                       {"Xi Zach", xiZach(40)}};
    for (const auto& [game, table] : tables) {
        for (int32_t id : {10, 20, 30}) table->setMoneyOnBoardWithWho(2000, id);
        const std::array<std::shared_ptr<ui::ImageView>, 4> avatars{table->ava0, table->ava1, table->ava2, table->ava3};
        for (int seat : {0, 1, 3}) {
            ASSERT_FALSE(table->stakeLabel(seat)->isHidden());
            const ui::Point stake = table->stakeLabel(seat)->center();
            int nearest = -1;
            double least = 1e9;
            for (int other = 0; other < 4; ++other) {
                const ui::Point m = avatars[static_cast<size_t>(other)]->center();
                const double d = std::hypot(m.x - stake.x, m.y - stake.y);
                if (d < least) least = d, nearest = other;
            }
            EXPECT_EQ(nearest, seat) << game << ": the stake of seat " << seat;
        }
    }
}

TEST_F(BankerTable, TheOwnersStartAloneShortOrSent) {
    auto table = baiCao(10, {seatPlayer(-1, ""), me, seatPlayer(-1, ""), seatPlayer(-1, "")});
    ServiceRecording lobby(GlobalService::getInstance());
    table->doStartGame();
    EXPECT_TRUE(lobby.session->sent().empty());
    EXPECT_TRUE(!UIController::shownDialogMessage());

    table = baiCao(10, {seatPlayer(20, "an", 1000, true), me, seatPlayer(-1, ""), seatPlayer(-1, "")});
    me->setMoney(99);
    table->doStartGame();
    EXPECT_TRUE(lobby.session->sent().empty());
    EXPECT_EQ(UIController::shownDialogMessage(), text("ZUNO_koDuTienCuoc"));
    me->setMoney(100);
    table->doStartGame();
    EXPECT_EQ(lobby.takeOne(), bytesOf(GlobalService::getInstance(), [](auto& s) { s.startGameWithRoomId(1, 2); }));
}

TEST_F(BankerTable, ShowOneThreeTimesThenTheRevealsOpenOnlyNewPositions) {
    auto table = baiCao();
    table->startWithInterval(20, std::nullopt, {4, 8, 12});
    run(3);
    EXPECT_EQ(cardSprites(*table), 12u);
    EXPECT_EQ(open(*table, 0), (std::vector<bool>{false, false, false}));
    ServiceRecording service(BaiCaoService::getInstance());
    auto sent = [&](Bytes cards) {
        return bytesOf(BaiCaoService::getInstance(), [&](auto& s) { s.moveWithRoomId(1, 2, cards); });
    };
    table->doFireWithCardId(-1);
    EXPECT_EQ(service.takeOne(), sent({4, -1, -1}));
    table->doFireWithCardId(-1);
    EXPECT_EQ(service.takeOne(), sent({4, 8, -1}));
    table->doFireWithCardId(-1);
    EXPECT_EQ(service.takeOne(), sent({4, 8, 12}));
    table->doFireWithCardId(-1);
    EXPECT_TRUE(service.session->sent().empty());

    // Another's middle card, then a longer buffer that opens only what is new.
    table->moveWithPlayerId(30, {-1, 21, -1});
    EXPECT_EQ(open(*table, 1), (std::vector<bool>{false, true, false}));
    table->moveWithPlayerId(30, {1, 21, -1, 7, 7});
    EXPECT_EQ(open(*table, 1), (std::vector<bool>{true, true, false}));
    // All three of mine open: nothing left to show; the second button keeps its place, dimmed.
    table->moveWithPlayerId(10, {4, 8, 12});
    EXPECT_TRUE(table->btnStart->isHidden());
    EXPECT_FALSE(table->btnAutoSelected->isHidden());
    EXPECT_FALSE(table->btnAutoSelected->isEnabled());
}

TEST_F(BankerTable, EachBarButtonShowsTheRoleOfTheMenuItIsIn) {
    struct Role {
        const char* title;
        const char* picture;
    };
    auto expectRole = [](const ui::Button& button, Role role) {
        EXPECT_FALSE(button.isHidden());
        EXPECT_EQ(button.currentTitle(), Resources::getInstance().textForKey(role.title));
        EXPECT_EQ(button.currentImage()->name(), role.picture);
    };
    auto table = xiZach(20);  // another player is the banker
    expectRole(*table->btnStart, {"ZUNO_ready", "bar-ready.png"});
    expectRole(*table->btnAutoSelected, {"ZUNO_dat_cuoc", "bar-stake.png"});
    table->createBottomMenu(3);
    expectRole(*table->btnStart, {"ZUNO_botBai", "bar-draw.png"});
    expectRole(*table->btnAutoSelected, {"ZUNO_dangBai", "bar-stand.png"});
    // Another's turn: no draw, and the stand keeps its place in the bar, dimmed.
    table->createBottomMenu(0);
    EXPECT_TRUE(table->btnStart->isHidden());
    expectRole(*table->btnAutoSelected, {"ZUNO_dangBai", "bar-stand.png"});
    EXPECT_FALSE(table->btnAutoSelected->isEnabled());
    table->createBottomMenu(3);
    EXPECT_TRUE(table->btnAutoSelected->isEnabled());
    table->createBottomMenu(4);
    expectRole(*table->btnStart, {"ZUNO_continuee", "bar-continue.png"});
    EXPECT_TRUE(table->btnAutoSelected->isHidden());

    auto baiCaoTable = baiCao();  // mine
    expectRole(*baiCaoTable->btnStart, {"ZUNO_start", "bar-start.png"});
    expectRole(*baiCaoTable->btnAutoSelected, {"ZUNO_option", "bar-options.png"});
    baiCaoTable->createBottomMenu(3);
    expectRole(*baiCaoTable->btnStart, {"ZUNO_showAllCards", "bar-show-all.png"});
    expectRole(*baiCaoTable->btnAutoSelected, {"ZUNO_showOnceCard", "bar-show-one.png"});
}

TEST_F(BankerTable, ADealCutShortLeavesTheNextDealAtTheRightSeats) {
    auto table = baiCao(10, {seatPlayer(-1, ""), me, seatPlayer(30, "binh"), seatPlayer(-1, "")});
    table->startWithInterval(20, std::nullopt, {4, 8, 12});
    run(0.2);  // two of six steps dealt
    table->viewWillDisappear(false);
    table->viewWillAppear(false);
    table->startWithInterval(20, std::nullopt, {5, 9, 13});
    run(0.01);
    // The first step deals my third card at my seat.
    EXPECT_EQ(table->playerAt(0)->cards()[2]->center(), (ui::Point{300, 244}));
    run(1);
    // Binh's smaller cards across his strip at the right, under his avatar, name and money.
    EXPECT_EQ(table->playerAt(1)->cards()[0]->center(), (ui::Point{416, 198}));
    EXPECT_EQ(table->playerAt(1)->cards()[0]->bounds().size, (ui::Size{36, 48}));
    EXPECT_FALSE(table->hasDealRunning());
}

TEST_F(BankerTable, ContinueAndALeaveBetweenDealsClearTheCardsALeaveDuringADealKeepsThem) {
    auto table = baiCao();
    table->startWithInterval(20, std::nullopt, {4, 8, 12});
    run(3);
    table->playerLeaveWithId(40);
    EXPECT_EQ(cardSprites(*table), 12u);
    table->stopGame();
    table->showCardsWithPlayers({{30, {1, 2, 3}}});
    EXPECT_EQ(table->btnStart->titleForState(ui::ControlState::Normal).value_or(""), text("ZUNO_continuee"));
    table->clickStartGame();
    EXPECT_EQ(cardSprites(*table), 0u);
    EXPECT_EQ(table->btnStart->titleForState(ui::ControlState::Normal).value_or(""), text("ZUNO_start"));

    table->setIsGameEnd(false);
    table->startWithInterval(20, std::nullopt, {4, 8, 12});
    run(3);
    table->stopGame();
    table->playerLeaveWithId(20);
    EXPECT_EQ(cardSprites(*table), 0u);
}

TEST_F(BankerTable, XiZachDrawsAndStands) {
    auto table = xiZach(20);
    table->startWithInterval(20, 30, {4, 8});
    run(2);
    ServiceRecording service(XiZachService::getInstance());
    table->doRutBai();
    EXPECT_TRUE(service.session->sent().empty());
    table->doDangBai();  // standing is never tested
    EXPECT_EQ(service.takeOne(), bytesOf(XiZachService::getInstance(), [](auto& s) { s.moveWithRoomId(1, 2, 1); }));
    table->getRemainTimeWithPlayerId(10, 15);
    table->doRutBai();
    EXPECT_EQ(service.takeOne(), bytesOf(XiZachService::getInstance(), [](auto& s) { s.moveWithRoomId(1, 2, 0); }));

    // Drawn cards: five at most, none for a player not seated.
    for (int8_t card : {20, 21, 22, 23}) table->getCardWithPlayerId(30, card);
    table->getCardWithPlayerId(99, 24);
    EXPECT_EQ(table->playerAt(1)->cards().size(), 5u);

    table->stopGame();
    table->getRemainTimeWithPlayerId(10, 15);  // after the stop: ignored
    EXPECT_EQ(table->nextPlayer, 10);
    table->getRemainTimeWithPlayerId(30, 15);
    EXPECT_EQ(table->nextPlayer, 10);
}

TEST_F(BankerTable, TheDealerExaminesEachHandOnce) {
    auto table = xiZach(10);
    table->startWithInterval(20, 10, {4, 8});
    run(2);
    ServiceRecording service(XiZachService::getInstance());
    auto card = std::static_pointer_cast<BCCardView>(table->playerAt(1)->cards()[0]);
    card->tap(2, table.get());
    card->tap(2, table.get());
    table->btnInfo1->sendActionsForControlEvents(ui::ControlEvent::TouchUpInside);
    table->clickViewPlayerInfo(table->btnInfo1.get());
    EXPECT_EQ(service.takeOne(),
              bytesOf(XiZachService::getInstance(), [](auto& s) { s.xetBaiWithRoomId(1, 2, 30); }));
    // The info button examines another hand, once too.
    table->clickViewPlayerInfo(table->btnInfo2.get());
    table->clickViewPlayerInfo(table->btnInfo2.get());
    EXPECT_EQ(service.takeOne(),
              bytesOf(XiZachService::getInstance(), [](auto& s) { s.xetBaiWithRoomId(1, 2, 40); }));
    // The examined hand shown; the owner's with a card more is his draw.
    table->moveWithPlayerId(30, {1, 2});
    EXPECT_EQ(open(*table, 1), (std::vector<bool>{true, true}));
    table->moveWithPlayerId(10, {4, 8, 9});
    EXPECT_EQ(table->playerAt(0)->cards().size(), 3u);
}

// The bubbles shown, with their texts.
std::vector<std::pair<int, std::string>> bubblesShown(GameCardView& table) {
    std::vector<std::pair<int, std::string>> shown;
    for (int seat = 0; seat <= GameCardView::kCentre; ++seat) {
        auto bubble = table.bubble(seat);
        if (!bubble || bubble->isHidden()) continue;
        std::string lines;
        collectTexts(*bubble, lines);  // each line followed by "|"
        std::replace(lines.begin(), lines.end(), '|', ' ');
        while (!lines.empty() && lines.back() == ' ') lines.pop_back();
        shown.push_back({seat, lines});
    }
    return shown;
}

// Only the player to act is called: the dealer's call for himself and his call for another replace
// each other, and the stop leaves no call standing.
TEST_F(BankerTable, OnlyThePlayerToActIsCalled) {
    auto table = xiZach(20);  // an deals, from my left
    table->startWithInterval(20, 10, {4, 8});
    run(2);
    const std::string dealer = text("ZUNO_nextPlayer") + " " + text("ZUNO_owner") + "!";
    table->getRemainTimeWithPlayerId(20, 20);
    EXPECT_EQ(bubblesShown(*table), (std::vector<std::pair<int, std::string>>{{GameCardView::kCentre, dealer}}));
    table->getRemainTimeWithPlayerId(30, 20);
    const std::string binh = text("ZUNO_nextPlayer") + " binh!";
    EXPECT_EQ(bubblesShown(*table), (std::vector<std::pair<int, std::string>>{{3, binh}}));
    table->getRemainTimeWithPlayerId(40, 20);  // in the same bubble, in place of the last call
    EXPECT_EQ(bubblesShown(*table), (std::vector<std::pair<int, std::string>>{{3, text("ZUNO_nextPlayer") + " chi!"}}));
    table->getRemainTimeWithPlayerId(20, 20);
    EXPECT_EQ(bubblesShown(*table), (std::vector<std::pair<int, std::string>>{{GameCardView::kCentre, dealer}}));
    table->stopGame();
    EXPECT_TRUE(bubblesShown(*table).empty());
}

// The stop at a full table: each seat's result in its own bubble, none over another, over a name, a
// money or a stake, or over the continue button.
TEST_F(BankerTable, TheStopsResultsLieApartForFourPlayers) {
    for (int8_t game : {int8_t{11}, int8_t{2}}) {
        SCOPED_TRACE(game == 11 ? "Bai Cao" : "Xi Zach");
        std::shared_ptr<BankerTableView> table;
        if (game == 11) table = baiCao(20);
        else table = xiZach(20);
        for (int32_t who : {10, 30, 40}) table->setMoneyOnBoardWithWho(2000, who);
        table->startWithInterval(20, 10, game == 11 ? Bytes{0, 20, 40} : Bytes{0, 36});
        run(3);
        table->stopGame();
        table->showCardsWithPlayers({{10, {0, 20, 40}}, {20, {1, 21, 41}}, {30, {2, 22, 42}}, {40, {3, 23, 43}}});
        for (int32_t who : {10, 20, 30, 40}) {
            table->onChatFromWithId(who, std::nullopt, game == 11 ? "6 points" : "Bust (24)");
            table->showFlyTextWirhFromId(who, who == 20 ? 3000 : -1000);
        }
        run(0.1);
        std::vector<ui::Rect> taken;
        for (auto [seat, line] : bubblesShown(*table)) taken.push_back(table->bubble(seat)->frame());
        ASSERT_EQ(taken.size(), 4u);
        for (size_t i = 0; i < taken.size(); ++i)
            for (size_t j = i + 1; j < taken.size(); ++j) EXPECT_FALSE(taken[i].intersects(taken[j])) << i << " " << j;
        std::vector<std::shared_ptr<ui::View>> kept{table->btnStart, table->btnAutoSelected};
        for (int seat = 0; seat < GameCardView::kSeats; ++seat) kept.push_back(table->stakeLabel(seat));
        for (const auto& label : {table->lblName0, table->lblName1, table->lblName2, table->lblName3, table->lblMoney0,
                                  table->lblMoney1, table->lblMoney2, table->lblMoney3})
            kept.push_back(label);
        for (const auto& view : kept) {
            if (!view || view->isHidden() || !view->superview()) continue;
            const ui::Rect frame = view->convertRectToView(view->bounds(), table->view().get());
            for (const auto& bubble : taken) EXPECT_FALSE(bubble.intersects(frame)) << frame.x() << "," << frame.y();
        }
        run(2);
    }
}

// Show all and show one belong to the deal: once my cards are all open the action button goes (the
// second button keeps its place, dimmed), and after the stop the bar offers continue alone.
TEST_F(BankerTable, ShowAllGoesWithTheDeal) {
    auto table = baiCao(20);
    table->startWithInterval(20, std::nullopt, {4, 8, 12});
    run(3);
    EXPECT_EQ(table->btnStart->currentTitle(), text("ZUNO_showAllCards"));
    table->moveWithPlayerId(10, {4, 8, 12});
    EXPECT_TRUE(table->btnStart->isHidden());
    EXPECT_FALSE(table->btnAutoSelected->isEnabled());
    table->stopGame();
    table->showCardsWithPlayers({{10, {4, 8, 12}}, {20, {5, 9, 13}}});
    EXPECT_FALSE(table->btnStart->isHidden());
    EXPECT_EQ(table->btnStart->currentTitle(), text("ZUNO_continuee"));
    EXPECT_TRUE(table->btnAutoSelected->isHidden());
}

// At both tables a side seat's name and money lie right under its avatar, lined up with it, and its
// cards under them, above my seat.
TEST_F(BankerTable, TheSideSeatsNamesStayWithTheirAvatars) {
    const std::vector<std::pair<std::string, std::shared_ptr<BankerTableView>>> tables{{"Bai Cao", baiCao(40)},
                                                                                       {"Xi Zach", xiZach(40)}};
    for (const auto& [game, table] : tables) {
        table->startWithInterval(20, 10, game == "Bai Cao" ? Bytes{0, 20, 40} : Bytes{0, 36});
        run(3);
        struct Seat {
            int seat;
            std::shared_ptr<ui::ImageView> avatar;
            std::shared_ptr<ui::Label> name, money;
        };
        for (const Seat& s : {Seat{1, table->ava1, table->lblName1, table->lblMoney1},
                              Seat{3, table->ava3, table->lblName3, table->lblMoney3}}) {
            SCOPED_TRACE(game + ", seat " + std::to_string(s.seat));
            const ui::Rect avatar = s.avatar->frame(), name = s.name->frame(), money = s.money->frame();
            EXPECT_GE(name.y(), avatar.maxY());
            EXPECT_LE(name.y() - avatar.maxY(), 4) << "right under the avatar";
            EXPECT_EQ(money.y(), name.maxY());
            const double outer = s.seat == 1 ? avatar.maxX() : avatar.x();
            EXPECT_EQ(s.seat == 1 ? name.maxX() : name.x(), outer) << "lined up with the avatar's outer edge";
            for (const auto& card : table->playerAt(s.seat)->cards()) {
                EXPECT_GE(card->frame().y(), money.maxY()) << "the cards under the money";
                EXPECT_LE(card->frame().maxY(), table->ok0->frame().y()) << "above my seat";
            }
        }
        table->stopGame();
        run(2);
    }
}

// Every card of every hand, the longest Xi Zach hands too, lies inside the window, a margin clear of its
// edges.
TEST_F(BankerTable, EveryCardLiesInsideTheWindow) {
    constexpr double kMargin = 4;
    const auto expectInside = [&](GameCardView& table, const std::string& when) {
        const ui::Rect inner = table.view()->bounds().insetBy(kMargin, kMargin);
        for (const auto& v : table.view()->subviews()) {
            if (!std::dynamic_pointer_cast<BCCardView>(v)) continue;
            const ui::Rect card = v->frame();
            EXPECT_TRUE(inner.contains(card)) << when << ": a card at " << card.x() << "," << card.y() << " "
                                              << card.width() << "x" << card.height();
        }
    };
    auto baiCaoTable = baiCao(40);
    baiCaoTable->startWithInterval(20, 10, Bytes{0, 20, 40});
    run(3);
    expectInside(*baiCaoTable, "Bai Cao");

    auto xiZachTable = xiZach(40);
    xiZachTable->startWithInterval(20, 10, Bytes{0, 36});
    run(3);
    int8_t drawn = 4;
    for (int32_t player : {10, 20, 30, 40})
        for (int card = 0; card < 3; ++card) xiZachTable->getCardWithPlayerId(player, drawn++);
    run(1);
    expectInside(*xiZachTable, "Xi Zach, five cards each");
}

// My result flies between my seat and the middle above my name and money, never over them.
TEST_F(BankerTable, MyFlyTextPassesClearOfMyNameAndMoney) {
    auto table = xiZach(20);
    table->startWithInterval(20, 10, Bytes{0, 36});
    run(3);
    table->stopGame();
    for (int32_t amount : {-1000, 25000}) {
        SCOPED_TRACE(amount);
        table->showFlyTextWirhFromId(10, amount);
        std::shared_ptr<ui::Label> fly;
        std::string shown = amount > 0 ? "+" : "";
        shown += std::to_string(amount);
        for (const auto& v : table->view()->subviews())
            if (auto label = std::dynamic_pointer_cast<ui::Label>(v); label && label->text() == shown) fly = label;
        ASSERT_TRUE(fly);
        for (int step = 0; step <= 4; ++step) {
            const ui::Point at = fly->presentedCenter();
            const double width = fly->font().widthOfText(shown), height = fly->font().lineHeight();
            const ui::Rect drawn(at.x - width / 2, at.y - height / 2, width, height);
            for (const auto& mine : {table->lblName0, table->lblMoney0, table->stakeLabel(0)})
                EXPECT_FALSE(drawn.intersects(mine->frame())) << "at step " << step << ": " << drawn.x() << "," << drawn.y();
            EXPECT_FALSE(drawn.intersects(table->ava0->frame())) << "at step " << step;
            run(0.25);
        }
    }
}

// A deal's end reads whole while the money flies: each seat's loss or win, along all its way, passes
// over no stake, name, money, bubble's line, avatar or card, every hand full (five cards at Xi Zach).
// The banker (an, at my left) wins from every punter, then pays every one.
TEST_F(BankerTable, ADealsEndReadsWholeWhileTheMoneyFlies) {
    for (int8_t game : {int8_t{11}, int8_t{2}}) {
        for (int32_t punters : {-2000, 2000}) {
            SCOPED_TRACE(std::string(game == 11 ? "Bai Cao" : "Xi Zach") + ", punters " + std::to_string(punters));
            std::shared_ptr<BankerTableView> table;
            if (game == 11) table = baiCao(20);
            else table = xiZach(20);
            for (int32_t who : {10, 30, 40}) table->setMoneyOnBoardWithWho(2000, who);
            const int cards = game == 11 ? 3 : 5;
            table->startWithInterval(20, 10, game == 11 ? Bytes{0, 20, 40} : Bytes{0, 36});
            run(3);
            int8_t drawn = 4;
            for (int32_t who : {10, 20, 30, 40})
                for (int card = 2; game == 2 && card < cards; ++card) table->getCardWithPlayerId(who, drawn++);
            run(1);
            table->stopGame();
            std::vector<BankerHand> hands;
            for (int32_t who : {10, 20, 30, 40}) {
                hands.push_back({who, {}});
                for (int card = 0; card < cards; ++card)
                    hands.back().cards.push_back(static_cast<int8_t>(who / 10 + 4 * card));
            }
            table->showCardsWithPlayers(hands);
            for (int32_t who : {10, 20, 30, 40}) {
                table->onChatFromWithId(who, std::nullopt, game == 11 ? "6 points" : "Bust (24)");
                table->showFlyTextWirhFromId(who, who == 20 ? -3 * punters : punters);
            }
            expectKnownLayout(checkLayoutOfView(*table->view()), "the money flying");
            run(2);
        }
    }
}

TEST_F(BankerTable, ThreeMoneyChangesWithinASecondAndAHalfPlayOneSound) {
    auto table = xiZach(10);
    sys::Sound::recordPlays();
    const auto coin = Resources::getInstance().com_trung_tien();
    for (int32_t who : {20, 30, 40}) table->updateMoneyForPlayer(who, 50);
    auto played = sys::Sound::played();
    EXPECT_EQ(std::count_if(played.begin(), played.end(), [&](const auto& p) { return p.id == coin; }), 1);
    EXPECT_EQ(table->playerAt(1)->money(), 1050);
}

}  // namespace
}  // namespace zuno::testing

namespace zuno::testing {
namespace {

TEST_F(BankerTable, GiftsAndFlyTextsNeedSeatedPlayers) {
    auto table = baiCao();
    auto before = table->view()->subviews().size();
    table->onShowGift(1, 99, 30);  // an unseated giver
    table->onShowGift(1, 30, 99);  // an unseated receiver
    table->showFlyTextWirhFromId(99, 500);
    run(1);
    EXPECT_EQ(table->view()->subviews().size(), before);
    table->onShowGift(1, 20, 30);
    EXPECT_EQ(table->view()->subviews().size(), before + 1);
    EXPECT_EQ(table->playerAt(1)->gifts().size(), 1u);
}

}  // namespace
}  // namespace zuno::testing
