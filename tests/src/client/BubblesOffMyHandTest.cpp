// At every card table with my hand dealt, a line too long for one turn of a bubble shows turn after
// turn, and no turn of my bubble, of the table's own or of a seat beside me lies over one of my cards.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "games/banker/BaiCaoView.h"
#include "games/banker/BankerTableView.h"
#include "games/banker/XiZachView.h"
#include "games/phom/PhomNewView.h"
#include "games/phom/PhomView.h"
#include "games/poker/PokerView.h"
#include "games/tienlen/TienLenMBView.h"
#include "games/tienlen/TienLenView.h"
#include "shell/CustomLabel.h"
#include "src/table/TableFixture.h"
#include "support/AceLowCards.h"
#include "table/CardView.h"

namespace zuno::testing {
namespace {

const std::string kSpeech =
    "Who raises all in with seven two before the flop and then calls every river with nothing at all, "
    "and still wins the pot?";

// A table with my hand dealt: its screen, my cards, and what says a line at my seat or in its middle.
struct DealtTable {
    std::string name;
    std::shared_ptr<ui::ViewController> screen;
    std::function<std::vector<std::shared_ptr<ui::View>>()> myCards;
    std::function<void(const std::string&)> sayMine;  // none where my lines show no bubble
    std::function<void(const std::string&)> sayInTheMiddle;
    std::function<void(const std::string&)> sayBesideMe;
};

template <class Cards>
std::vector<std::shared_ptr<ui::View>> viewsOf(const Cards& cards) {
    return {cards.begin(), cards.end()};
}

class BubblesOffMyHand : public TableTest {
protected:
    // I am 10 at index 1 of four: binh (30) at my right, chi (40) at the top, an (20) at my left.
    DealtTable tienLen(int8_t type) {
        UIController::setGameType(type);
        std::shared_ptr<TienLenView> table;
        if (type == 3) {
            GameController::showTienLenScreenWithRoom(1, 2, 10, 100, fourPlayers());
            table = GameController::getTienLenView();
        } else {
            GameController::showTienLenMBScreenWithRoom(1, 2, 10, 100, fourPlayers());
            table = GameController::getTienLenMBView();
        }
        run(1);
        table->resetSeat();
        table->startWithWhoMoveFirst(20, 20, {40, 4, 0, 5, 9, 13, 17, 21, 25, 29, 33, 37, 41});
        run(2);
        // A raised card reaches highest.
        table->myCards()[3]->setSelected();
        return {type == 3 ? "Tien Len" : "Tien Len Mien Bac", table,
                [table] { return viewsOf(table->myCards()); },
                [table](const std::string& line) { table->onChatFromMeWithText(line); },
                [table](const std::string& line) { table->onBuzzWithContent(line); },
                [table](const std::string& line) { table->onChatFromWithId(30, std::nullopt, line); }};
    }
    DealtTable banker(int8_t type) {
        UIController::setGameType(type);
        std::shared_ptr<GameCardView> table;
        if (type == 11) {
            GameController::showBaiCaoScreenWithRoom(1, 2, 10, 100, fourPlayers());
            table = GameController::getBaiCaoView();
        } else {
            GameController::showXiZachScreenWithRoom(1, 2, 10, 100, fourPlayers());
            table = GameController::getXiZachView();
        }
        run(1);
        auto dealt = std::dynamic_pointer_cast<BankerTableView>(table);
        dealt->startWithInterval(20, std::nullopt, type == 11 ? std::vector<int8_t>{4, 8, 12} : std::vector<int8_t>{4, 8});
        run(3);
        return {type == 11 ? "Bai Cao" : "Xi Zach", table,
                [dealt] { return viewsOf(dealt->playerAt(0)->cards()); },
                [table](const std::string& line) { table->onChatFromMeWithText(line); },
                [table](const std::string& line) { table->onBuzzWithContent(line); },
                [table](const std::string& line) { table->onChatFromWithId(30, std::nullopt, line); }};
    }
    DealtTable phom(int8_t type) {
        UIController::setGameType(type);
        std::shared_ptr<PhomView> table;
        if (type == 7) {
            GameController::showPhomScreenWithRoom(1, 2, 10, 100, fourPlayers());
            table = GameController::getPhomView();
        } else {
            GameController::showPhomNewScreenWithRoom(1, 2, 10, 100, fourPlayers());
            table = GameController::getPhomNewView();
        }
        run(1);
        table->start(30, {0, 9, 18, 27, 32, 41, 50, 7, 20}, 20, 20);
        run(3);
        return {type == 7 ? "Phom" : "new Phom", table, [table] { return viewsOf(table->handSprites()); },
                [table](const std::string& line) { table->onChatFromMeWithText(line); },
                [table](const std::string& line) { table->onBuzzWithContent(line); },
                [table](const std::string& line) { table->onChatFromWithId(30, std::nullopt, line); }};
    }
    DealtTable poker() {
        UIController::setGameType(4);
        GameController::showPokerScreenWithRoom(1, 2, 20, 50,
                                                {seatPlayer(20, "an"), seatPlayer(30, "binh"), me, seatPlayer(40, "chi")});
        run(1);
        auto table = GameController::getPokerView();
        table->resetSeat();
        table->onJoinBoard({20, 30, 10, 40}, {5000, 2400, 25000, 800});
        table->start(30, aceLowCards("AS AH"), 20, 30, 10, 50, 40, {}, {});
        run(5);
        // Table chat goes to the chat list at Poker: the bubbles are the table's own and the refusals.
        return {"Poker", table, [table] { return viewsOf(table->cardsOf(10)->views()); }, nullptr,
                [table](const std::string& line) { table->onBuzzWithContent(line); },
                [table](const std::string& line) { table->showChatWithSeat(0, line); }};
    }

    // The shown bubbles of the screen: pictures holding rows of text.
    static std::vector<std::shared_ptr<ui::View>> shownBubbles(ui::View& root) {
        std::vector<std::shared_ptr<ui::View>> bubbles;
        for (const auto& view : root.subviews()) {
            if (view->isHidden()) continue;
            for (const auto& sub : view->subviews())
                if (std::dynamic_pointer_cast<CustomLabel>(sub)) {
                    bubbles.push_back(view);
                    break;
                }
        }
        return bubbles;
    }
    static std::string rowsOf(const ui::View& bubble) {
        std::string rows;
        for (const auto& sub : bubble.subviews())
            if (auto row = std::dynamic_pointer_cast<CustomLabel>(sub)) rows += (rows.empty() ? "" : "|") + row->text();
        return rows;
    }

    // Each turn of the line, until it has all shown, checked against my cards.
    void expectEveryTurnOffMyCards(DealtTable& table, const std::function<void(const std::string&)>& say,
                                   const std::string& who) {
        SCOPED_TRACE(table.name + ", " + who);
        say(kSpeech);
        EXPECT_FALSE(shownBubbles(*table.screen->view()).empty());
        for (int turn = 0; turn < 6; ++turn) {
            const auto bubbles = shownBubbles(*table.screen->view());
            if (bubbles.empty()) break;
            for (const auto& bubble : bubbles) {
                for (const auto& card : table.myCards()) {
                    if (card->isHidden()) continue;
                    const ui::Rect cardFrame = card->convertRectToView(card->bounds(), table.screen->view().get());
                    EXPECT_FALSE(bubble->frame().intersects(cardFrame))
                        << "turn " << turn << ": \"" << rowsOf(*bubble) << "\" at " << bubble->frame().x() << ","
                        << bubble->frame().y() << " " << bubble->frame().width() << "x" << bubble->frame().height()
                        << " over a card at " << cardFrame.x() << "," << cardFrame.y();
                }
            }
            run(4.01);
        }
        run(10);
    }
};

TEST_F(BubblesOffMyHand, AtEveryCardTable) {
    std::vector<std::function<DealtTable()>> tables = {
        [this] { return tienLen(3); }, [this] { return tienLen(12); }, [this] { return banker(11); },
        [this] { return banker(2); },  [this] { return phom(7); },     [this] { return phom(13); },
        [this] { return poker(); }};
    for (const auto& open : tables) {
        DealtTable table = open();
        ASSERT_FALSE(table.myCards().empty()) << table.name;
        if (table.sayMine) expectEveryTurnOffMyCards(table, table.sayMine, "my line");
        expectEveryTurnOffMyCards(table, table.sayInTheMiddle, "the table's own");
        expectEveryTurnOffMyCards(table, table.sayBesideMe, "a seat beside me");
        nav().popToRootViewControllerAnimated(false);
        run(1);
    }
}

}  // namespace
}  // namespace zuno::testing
