// What the Phom tables show a player: the seats through a deal and from the join, my hand over the
// bottom bar in its order, the U mark kept to the finish, no stop-sending after the end, one bubble per
// seat, results after continue not shown, the player to act alone announced from the start of the turn, an eaten card shown once it is
// laid, the end of a deal's texts apart from each other and by their own seats, and a deal's states
// read whole in Vietnamese.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "games/phom/PhomNewView.h"
#include "games/phom/PhomNewService.h"
#include "games/phom/PhomView.h"
#include "platform/ui/Image.h"
#include "shell/CustomLabel.h"
#include "shell/Resources.h"
#include "src/table/TableFixture.h"
#include "support/AceLowCards.h"
#include "support/LayoutCheck.h"
#include "table/BubbleTurn.h"

namespace zuno::testing {
namespace {

const char* const kHand = "5S 5C 5D 9H TH JH KD 2C 7S";

ui::Rect onScreen(const ui::View& view) { return view.convertRectToView(view.bounds(), nullptr); }

// Where a label's one line of text lies, centred in it.
ui::Rect textBox(const ui::Label& label) {
    const ui::Rect frame = onScreen(label);
    const std::string shown = label.text().value_or("");
    const double width = std::min(frame.width(), label.font().widthOfText(shown));
    const double height = std::min(frame.height(), label.font().lineHeight());
    return ui::Rect(frame.midX() - width / 2, frame.midY() - height / 2, width, height);
}

size_t indexInSuperview(const ui::View& view) {
    const auto& siblings = view.superviewPointer()->subviews();
    return static_cast<size_t>(std::find_if(siblings.begin(), siblings.end(),
                                            [&](const auto& v) { return v.get() == &view; }) -
                               siblings.begin());
}

// The text a bubble shows, and how many texts it holds.
std::vector<std::string> bubbleTexts(const ui::View& bubble) {
    std::vector<std::string> texts;
    for (const auto& sub : bubble.subviews())
        if (auto line = std::dynamic_pointer_cast<CustomLabel>(sub)) texts.push_back(line->text());
    return texts;
}

class PhomTableView : public TableTest {
protected:
    // I am 10; binh (30) sits at my right, chi (40) across, an (20) at my left; an owns the table. The
    // seats are placed as the join reply places them.
    template <class View = PhomView>
    std::shared_ptr<View> opened(std::vector<PlayerPtr> players = {}) {
        if (players.empty()) players = fourPlayers();
        if constexpr (std::is_same_v<View, PhomNewView>) {
            UIController::setGameType(13);
            GameController::showPhomNewScreenWithRoom(1, 2, 20, 100, players);
            run(1);
            GameController::getPhomNewView()->resetSeat();
            return GameController::getPhomNewView();
        } else {
            UIController::setGameType(7);
            GameController::showPhomScreenWithRoom(1, 2, 20, 100, players);
            run(1);
            GameController::getPhomView()->resetSeat();
            return GameController::getPhomView();
        }
    }
    std::shared_ptr<ui::Label> name(PhomView& table, int seat) {
        const std::shared_ptr<ui::Label> names[] = {table.lblName0, table.lblName1, table.lblName2, table.lblName3};
        return names[seat];
    }
    std::vector<std::shared_ptr<ui::View>> seatTexts(PhomView& table) {
        return {table.lblName0, table.lblName1, table.lblName2, table.lblName3,
                table.lblMoney0, table.lblMoney1, table.lblMoney2, table.lblMoney3};
    }
    // The seat a text or mark reads as belonging to: mine from my picture down (my side of the table),
    // else the seat whose picture is nearest.
    int seatBy(PhomView& table, const ui::Rect& r) {
        if (r.minY() >= onScreen(*table.ava0).minY()) return 0;
        const std::shared_ptr<ui::View> avatars[] = {table.ava0, table.ava1, table.ava2, table.ava3};
        int nearest = -1;
        double best = 1e9;
        for (int seat = 1; seat < 4; ++seat) {
            const ui::Rect a = onScreen(*avatars[seat]);
            const double d = std::hypot(a.midX() - r.midX(), a.midY() - r.midY());
            if (d < best) best = d, nearest = seat;
        }
        return nearest;
    }
    // The fly-texts shown now, by their texts.
    std::vector<std::shared_ptr<ui::Label>> flyTexts(PhomView& table, const std::string& shown) {
        std::vector<std::shared_ptr<ui::Label>> out;
        for (const auto& sub : table.view()->subviews())
            if (auto label = std::dynamic_pointer_cast<ui::Label>(sub); label && label->text() == shown) out.push_back(label);
        return out;
    }
};

TEST_F(PhomTableView, AnEmptySeatShowsNoPictureFromTheJoin) {
    auto table = opened({seatPlayer(20, "an"), me, seatPlayer(30, "binh"), seatPlayer(-1, "")});
    EXPECT_TRUE(table->ava2->isHidden());
    EXPECT_TRUE(table->lblMoney2->isHidden());
    EXPECT_EQ(table->btnSeat2->currentTitle(), Resources::getInstance().textForKey("ZUNO_invite"));
    EXPECT_FALSE(table->ava1->isHidden());
}

// The seats keep picture, name and money through the deal; my hand lies over the bottom bar, clear of
// its buttons, and no row of cards covers a seat.
TEST_F(PhomTableView, TheSeatsAndMyHandStayInSightThroughADeal) {
    auto table = opened();
    table->start(30, aceLowCards(kHand), 20, 20);
    run(3);
    table->onFire(10, 20, aceLowCard("4S"), 0);
    table->onGetCard(static_cast<uint8_t>(aceLowCard("QC")));
    run(2);
    const std::shared_ptr<ui::View> avatars[] = {table->ava0, table->ava1, table->ava2, table->ava3};
    for (const auto& avatar : avatars) EXPECT_FALSE(avatar->isHidden());
    for (const auto& money : {table->lblMoney0, table->lblMoney1, table->lblMoney2, table->lblMoney3})
        EXPECT_FALSE(money->isHidden());

    const ui::Rect bar = onScreen(*table->bottomMenuView);
    ASSERT_EQ(table->handSprites().size(), 10u);
    for (const auto& card : table->handSprites()) {
        const ui::Rect frame = onScreen(*card);
        EXPECT_LE(frame.maxY(), bar.minY());
        EXPECT_FALSE(frame.intersects(onScreen(*table->btnStart)));
        EXPECT_FALSE(frame.intersects(onScreen(*table->btnConfig)));
    }
    for (int seat = 0; seat < 4; ++seat) {
        for (const auto& card : table->firedSprites(seat)) {
            for (const auto& text : seatTexts(*table)) EXPECT_FALSE(onScreen(*card).intersects(onScreen(*text)));
            for (const auto& avatar : avatars) EXPECT_FALSE(onScreen(*card).intersects(onScreen(*avatar)));
            for (const auto& mine : table->handSprites()) EXPECT_FALSE(onScreen(*card).intersects(onScreen(*mine)));
        }
    }

    // chi, across the table, talks and wins a sum: both by chi's seat.
    table->onChatFromWithId(40, std::nullopt, "Good luck!");
    table->showFlyTextWirhFromId(40, 500);
    run(0.5);
    EXPECT_EQ(seatBy(*table, onScreen(*table->bubble(2))), 2);
    const auto sums = flyTexts(*table, "+500");
    ASSERT_EQ(sums.size(), 1u);
    EXPECT_EQ(seatBy(*table, textBox(*sums[0])), 2);
}

// After a draw each card of my hand lies over its left neighbour, the cards it kept too.
TEST_F(PhomTableView, MyHandStacksInItsOrderAfterADrawAndAnEat) {
    auto table = opened();
    table->start(30, aceLowCards("AS 3C 5D 7H 9S JC KH 2C 4D"), 20, 20);
    run(3);
    auto inOrder = [&] {
        const auto& hand = table->handSprites();
        for (size_t k = 1; k < hand.size(); ++k)
            if (indexInSuperview(*hand[k - 1]) >= indexInSuperview(*hand[k])) return false;
        return true;
    };
    ASSERT_TRUE(inOrder());
    table->onFire(10, 20, aceLowCard("KS"), 0);
    table->onGetCard(static_cast<uint8_t>(aceLowCard("QC")));
    run(2);
    EXPECT_TRUE(inOrder());

    // New Phom: an's king of diamonds eaten with my two kings, which the hand arranges into a meld.
    auto arranged = opened<PhomNewView>();
    ServiceRecording recording(PhomNewService::getInstance());
    arranged->start(30, aceLowCards("KS 3C 5D 7H 9S JC KC 2C 4D"), 20, 20);
    run(3);
    arranged->onFire(20, 10, aceLowCard("KD"), 0);
    for (const auto& card : arranged->handSprites())
        if (card->cardID == aceLowCard("KS") || card->cardID == aceLowCard("KC")) card->setSelected();
    arranged->doEat();
    arranged->onEatCard(true, 2, 20, 0);
    run(2);
    ASSERT_EQ(arranged->phom().numCardEat[0], 1);
    table = arranged;
    EXPECT_TRUE(inOrder());
}


// A deal ended by binh's U: his U mark stays through the finish that follows.
TEST_F(PhomTableView, AUMarkStaysThroughTheFinish) {
    auto table = opened();
    table->start(30, aceLowCards(kHand), 20, 20);
    run(3);
    table->onFire(30, 20, aceLowCard("4S"), 0);  // binh's turn
    PhomLaidCards laid;
    laid.fill(-1);
    const auto melds = aceLowCards("6S 6C 6H AD 2D 3D 8C 9C TC");
    std::copy(melds.begin(), melds.begin() + 3, laid.begin());
    std::copy(melds.begin() + 3, melds.begin() + 6, laid.begin() + 4);
    std::copy(melds.begin() + 6, melds.end(), laid.begin() + 8);
    table->onHaPhom(true, laid, true, {}, 30);
    ASSERT_FALSE(table->imgEnd1->isHidden());
    const auto uMark = table->imgEnd1->image();

    PhomLeftoverCards leftovers;
    for (auto& row : leftovers) row.fill(-1);
    table->setScore({30, 0, 25, 40});
    table->onFinish({30, 0, 25, 40}, leftovers, {});
    EXPECT_FALSE(table->imgEnd1->isHidden());
    EXPECT_EQ(table->imgEnd1->image(), uMark);
}

// New Phom: a deal that ends while I may send cards takes the stop-sending button with it (it would
// offer a discard after the end).
TEST_F(PhomTableView, TheEndOfADealTakesTheStopSendingButton) {
    auto table = opened<PhomNewView>();
    table->start(30, aceLowCards(kHand), 10, 10);
    run(3);
    PhomLaidCards laid;
    laid.fill(-1);
    const auto fives = aceLowCards("5S 5C 5D");
    std::copy(fives.begin(), fives.end(), laid.begin());
    table->setCurrentPlayer(10);
    table->onHaPhom(true, laid, false, {}, 10);
    ASSERT_FALSE(table->btnSkip->isHidden());
    const auto left = aceLowCards("9H TH JH KD 2C 7S");
    table->onFinishNew(17, {left.begin(), left.end()}, 10, static_cast<int32_t>(left.size()));
    EXPECT_TRUE(table->btnSkip->isHidden());
    EXPECT_EQ(table->btnStart->currentTitle(), Resources::getInstance().textForKey("ZUNO_continuee"));
}

// New Phom: each player's result comes on its own and the first offers continue. Results that come
// after I continued leave the table clear and ready for the next deal.
TEST_F(PhomTableView, ResultsAfterIContinuedLeaveTheTableClear) {
    auto table = opened<PhomNewView>();
    table->start(30, aceLowCards(kHand), 10, 10);
    run(3);
    const auto mine = aceLowCards("2C 7S");
    table->onFinishNew(10, {mine.begin(), mine.end()}, 10, static_cast<int32_t>(mine.size()));
    ASSERT_EQ(table->btnStart->currentTitle(), Resources::getInstance().textForKey("ZUNO_continuee"));
    table->clickStartGame();
    run(1);
    const auto binhs = aceLowCards("9S QS 4H");
    table->onFinishNew(15, {binhs.begin(), binhs.end()}, 30, static_cast<int32_t>(binhs.size()));
    run(1);
    for (int seat = 0; seat < 4; ++seat) EXPECT_TRUE(table->firedSprites(seat).empty()) << seat;
    EXPECT_TRUE(table->bubble(1)->isHidden());
    EXPECT_EQ(table->btnStart->currentTitle(), Resources::getInstance().textForKey("ZUNO_ready"));
}

// Lines that come while a seat's bubble shows wait for its next check and show together; one text at a
// time; a bubble with a long line shows it whole, wrapped, turn after turn, and stays on the screen.
TEST_F(PhomTableView, OneBubblePerSeatShowsTheLatestText) {
    auto table = opened();
    auto bubble = table->bubble(1);
    table->onChatFromWithId(30, std::nullopt, "hello");
    table->onChatFromWithId(30, std::nullopt, "good luck");
    table->onChatFromWithId(30, std::nullopt, "again");
    EXPECT_EQ(bubbleTexts(*bubble), std::vector<std::string>{"hello"});
    run(3.1);
    std::string joined;
    for (const auto& row : bubbleTexts(*bubble)) joined += (joined.empty() ? "" : " ") + row;
    EXPECT_EQ(joined, "good luck, again");
    run(3.1);
    EXPECT_TRUE(bubble->isHidden());
    // Too long for the screen, the line goes on in the rows below.
    const std::string line(90, 'w');
    table->onChatFromWithId(30, std::nullopt, line);
    EXPECT_GT(bubbleTexts(*bubble).size(), 1u);
    std::string whole;
    for (int turn = 0; turn < 10 && !bubble->isHidden(); ++turn) {
        for (const auto& row : bubbleTexts(*bubble)) whole += row;
        const ui::Rect frame = onScreen(*bubble);
        EXPECT_GE(frame.minX(), 0);
        EXPECT_LE(frame.maxX(), 480);
        EXPECT_GE(frame.minY(), 0);
        EXPECT_LE(frame.maxY(), 320);
        run(3.01);
    }
    const std::string mark(kBubbleGoesOn);
    for (size_t at; (at = whole.find(mark)) != std::string::npos;) whole.erase(at, mark.size());
    EXPECT_EQ(whole, line);
}

// After a skip only the next player's name is announced; the one skipped shows plainly.
TEST_F(PhomTableView, OnlyThePlayerToActIsAnnounced) {
    auto table = opened();
    table->start(30, aceLowCards(kHand), 20, 20);  // an first
    run(3);
    EXPECT_EQ(name(*table, 3)->textColor(), ui::Color::green());
    table->onSkipPlayer(30, 20);
    // The new turn's name shows at once, then blinks.
    EXPECT_FALSE(name(*table, 1)->isHidden());
    for (int tick = 0; tick < 2; ++tick) {
        run(1);
        EXPECT_EQ(name(*table, 1)->textColor(), ui::Color::green());
        EXPECT_EQ(name(*table, 1)->isHidden(), tick == 0);
        for (int seat : {0, 2, 3}) {
            EXPECT_EQ(name(*table, seat)->textColor(), ui::Color::white()) << seat;
            EXPECT_FALSE(name(*table, seat)->isHidden()) << seat;
        }
    }
    // A fire passes the turn on: chi's name shows green at once.
    table->onFire(40, 30, aceLowCard("8D"), 0);
    EXPECT_FALSE(name(*table, 2)->isHidden());
    EXPECT_EQ(name(*table, 2)->textColor(), ui::Color::green());
}

// an eats chi's six and lays it down in a meld of sixes: the six shows in the meld only, while an eaten
// card not yet laid stays in its row.
TEST_F(PhomTableView, AnEatenCardShowsOnceItsMeldIsLaid) {
    auto table = opened();
    table->start(30, aceLowCards(kHand), 40, 40);  // chi first
    run(3);
    table->onFire(20, 40, aceLowCard("6H"), 0);
    table->onEatCard(true, 2, 40, 0);
    run(1);
    auto ids = [](const auto& sprites) {
        std::vector<int> out;
        for (const auto& card : sprites) out.push_back(card->cardID);
        return out;
    };
    EXPECT_EQ(ids(table->eatenSprites(3)), std::vector<int>{aceLowCard("6H")});
    PhomLaidCards laid;
    laid.fill(-1);
    const auto sixes = aceLowCards("6S 6C 6H");
    std::copy(sixes.begin(), sixes.end(), laid.begin());
    table->onHaPhom(true, laid, false, {}, 20);
    run(1);
    EXPECT_TRUE(table->eatenSprites(3).empty());
    EXPECT_EQ(ids(table->laidSprites(3)).size(), 3u);
}

// The end of a deal for four players: each seat's result line, its money flying and its mark lie apart
// from one another, from every name and sum and from Continue.
TEST_F(PhomTableView, TheEndOfADealShowsEachSeatsTextsApart) {
    auto table = opened();
    table->start(30, aceLowCards(kHand), 20, 20);
    run(3);
    PhomLeftoverCards leftovers;
    for (auto& row : leftovers) row.fill(-1);
    const char* const rows[] = {"4S JD 3C 8H", "KD 2C 7S", "8D 9S QS 4H 6C", "6D 7C TC KS 2H 5D 9C 3S JH QH"};
    for (size_t p = 0; p < 4; ++p) {
        const auto ids = aceLowCards(rows[p]);
        std::copy(ids.begin(), ids.end(), leftovers[p].begin());
    }
    table->setScore({14, 22, 27, 49});
    table->onFinish({14, 22, 27, 49}, leftovers, {});
    // What the server's bonus messages show, and a buzz.
    for (int32_t id : {20, 10, 30, 40}) {
        table->onChatFromWithId(id, std::nullopt, id == 20 ? "Won the deal" : "Lost the deal");
        table->showFlyTextWirhFromId(id, id == 20 ? 3000 : -1000);
    }
    table->onBuzzWithContent("Buzz from an");
    run(0.5);

    std::vector<ui::Rect> texts;
    for (int bubble = 0; bubble <= 4; ++bubble) {
        ASSERT_FALSE(table->bubble(bubble)->isHidden()) << bubble;
        for (const auto& sub : table->bubble(bubble)->subviews())
            if (auto line = std::dynamic_pointer_cast<ui::Label>(sub)) texts.push_back(textBox(*line));
    }
    for (const auto& sub : table->view()->subviews()) {
        auto label = std::dynamic_pointer_cast<ui::Label>(sub);
        const std::string shown = label ? label->text().value_or("") : "";
        if (!shown.empty() && (shown[0] == '+' || shown[0] == '-')) texts.push_back(textBox(*label));
    }
    ASSERT_EQ(texts.size(), 9u);
    std::vector<ui::Rect> others;
    for (const auto& text : seatTexts(*table)) others.push_back(onScreen(*text));
    others.push_back(onScreen(*table->btnStart));
    for (const auto& mark : {table->imgEnd0, table->imgEnd1, table->imgEnd2, table->imgEnd3}) {
        ASSERT_FALSE(mark->isHidden());
        others.push_back(onScreen(*mark));
    }
    for (int seat = 0; seat < 4; ++seat)
        for (const auto& card : table->firedSprites(seat)) others.push_back(onScreen(*card));
    for (size_t i = 0; i < texts.size(); ++i) {
        for (size_t j = i + 1; j < texts.size(); ++j) EXPECT_FALSE(texts[i].intersects(texts[j])) << i << " " << j;
        for (const auto& other : others) EXPECT_FALSE(texts[i].intersects(other)) << i;
    }

    // Each seat's result, sum and mark lie by its own seat; no mark lies over a picture, a name or a sum.
    const std::shared_ptr<ui::View> avatars[] = {table->ava0, table->ava1, table->ava2, table->ava3};
    for (int seat = 0; seat < 4; ++seat) EXPECT_EQ(seatBy(*table, onScreen(*table->bubble(seat))), seat);
    for (const auto& sum : flyTexts(*table, "+3000")) EXPECT_EQ(seatBy(*table, textBox(*sum)), 3);
    std::vector<int> losers;
    for (const auto& sum : flyTexts(*table, "-1000")) losers.push_back(seatBy(*table, textBox(*sum)));
    std::sort(losers.begin(), losers.end());
    EXPECT_EQ(losers, (std::vector<int>{0, 1, 2}));
    // A sum rises clear of every bubble, its rim included.
    for (const char* shown : {"+3000", "-1000"})
        for (const auto& sum : flyTexts(*table, shown))
            for (int bubble = 0; bubble <= 4; ++bubble)
                EXPECT_FALSE(textBox(*sum).intersects(onScreen(*table->bubble(bubble)))) << shown << " " << bubble;
    const std::shared_ptr<ui::View> marks[] = {table->imgEnd0, table->imgEnd1, table->imgEnd2, table->imgEnd3};
    for (int seat = 0; seat < 4; ++seat) {
        const ui::Rect mark = onScreen(*marks[seat]);
        EXPECT_EQ(seatBy(*table, mark), seat);
        for (const auto& avatar : avatars) EXPECT_FALSE(mark.intersects(onScreen(*avatar))) << seat;
        for (const auto& text : seatTexts(*table)) EXPECT_FALSE(mark.intersects(onScreen(*text))) << seat;
    }
}


// In Vietnamese: the states of a deal of each game, checked as they are drawn (nothing cut, covered or
// laid over another text).
TEST_F(PhomTableView, InVietnameseADealsStatesReadWhole) {
    auto& resources = Resources::getInstance();
    resources.setCurrentLanguage("vi");
    resources.loadLanguage();
    auto checked = [](PhomView& table, const std::string& when) {
        expectKnownLayout(checkLayoutOfView(*table.view()), when);
    };
    auto table = opened();
    table->viewWillAppear(false);
    table->onChatFromWithId(30, std::nullopt, "Chúc may mắn!");
    checked(*table, "waiting");
    table->start(30, aceLowCards(kHand), 20, 20);
    run(3);
    table->onFire(10, 20, aceLowCard("4S"), 0);
    run(1);
    checked(*table, "my turn");
    table->onGetCard(static_cast<uint8_t>(aceLowCard("QC")));
    table->createBottomMenu(static_cast<int>(PhomMenu::LayDown));
    run(1);
    checked(*table, "lay down offered");
    PhomLeftoverCards leftovers;
    for (auto& row : leftovers) row.fill(-1);
    table->setScore({14, 22, 27, 49});
    table->onFinish({14, 22, 27, 49}, leftovers, {});
    for (int32_t id : {20, 10, 30, 40}) {
        table->onChatFromWithId(id, std::nullopt, id == 20 ? "Thắng ván" : "Thua ván");
        table->showFlyTextWirhFromId(id, id == 20 ? 3000 : -1000);
    }
    run(1.5);
    checked(*table, "the end");

    auto other = opened<PhomNewView>();
    other->viewWillAppear(false);
    other->start(30, aceLowCards(kHand), 10, 10);
    run(3);
    PhomLaidCards laid;
    laid.fill(-1);
    const auto fives = aceLowCards("5S 5C 5D");
    std::copy(fives.begin(), fives.end(), laid.begin());
    other->setCurrentPlayer(10);
    other->onHaPhom(true, laid, false, {}, 10);
    other->moveErrorWithInfo("Những lá bài đó không thành phỏm với lá vừa đánh.");
    run(1);
    checked(*other, "sending cards");
    resources.setCurrentLanguage("en");
    resources.loadLanguage();
}

}  // namespace
}  // namespace zuno::testing
