// The chat bubbles at every table. With my hand dealt, a line too long for one turn of a bubble shows
// turn after turn, and no turn of my bubble, of the table's own or of a seat beside me lies over one of
// my cards. At every table kind and stage, every bubble saying a long line at once: no bubble ever lies
// over another one showing, over a name, money or any text of the table, nor over a card, and every
// line shows whole in the end. Whatever the table does meanwhile, no line is lost.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "games/banker/BaiCaoView.h"
#include "games/banker/BankerTableView.h"
#include "games/banker/XiZachView.h"
#include "games/blocks/BlocksView.h"
#include "games/caro/CaroView.h"
#include "games/cotuong/CoTuongView.h"
#include "games/cotuong/Piece.h"
#include "games/covua/CoVuaView.h"
#include "games/covua/PieceView.h"
#include "games/phom/PhomNewView.h"
#include "games/phom/PhomView.h"
#include "games/poker/PokerView.h"
#include "games/tienlen/TienLenMBView.h"
#include "games/tienlen/TienLenView.h"
#include "platform/ui/ScrollView.h"
#include "shell/CustomLabel.h"
#include "src/table/TableFixture.h"
#include "support/AceLowCards.h"
#include "support/LayoutCheck.h"
#include "support/PhomLeftovers.h"
#include "table/BubbleTurn.h"
#include "table/CardView.h"

namespace zuno::testing {
namespace {

const std::string kSpeech =
    "Who raises all in with seven two before the flop and then calls every river with nothing at all, "
    "and still wins the pot?";

// A table open at some stage: its screen, the bubbles it has and what says a line in one of them.
struct TalkingTable {
    std::string name;
    std::shared_ptr<ui::ViewController> screen;
    std::vector<int> bubbles;
    std::function<void(int bubble, const std::string&)> say;
};

// A table with my hand dealt: its screen, my cards, and what says a line at my seat or in its middle.
struct DealtTable {
    std::string name;
    std::shared_ptr<ui::ViewController> screen;
    std::function<std::vector<std::shared_ptr<ui::View>>()> myCards;
    std::function<void(const std::string&)> sayMine;  // none where my lines show no bubble
    std::function<void(const std::string&)> sayInTheMiddle;
    std::function<void(const std::string&)> sayBesideMe;
};

// A Co Tuong square on the wire as the first mover sees it: file from the left, rank from the top.
uint8_t coTuongSquare(int file, int rank) { return static_cast<uint8_t>((rank + 3) * 16 + file + 3); }

// What a bubble says when every bubble talks at once.
std::string lineOfBubble(int bubble) {
    std::string line = "Bubble ";
    line += std::to_string(bubble);
    line += " says: ";
    line += kSpeech;
    return line;
}

template <class Cards>
std::vector<std::shared_ptr<ui::View>> viewsOf(const Cards& cards) {
    return {cards.begin(), cards.end()};
}

class TableBubbles : public TableTest {
protected:
    // At a board table, Dealt is a game just begun; Moved a game under way, with pieces moved into
    // the rows every bubble lies in as it begins.
    enum class Stage { Waiting, Dealt, Moved, Ended };

    // I am 10 at index 1 of four: binh (30) at my right, chi (40) at the top, an (20) at my left.
    std::shared_ptr<TienLenView> tienLen(int8_t type, Stage stage) {
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
        if (stage == Stage::Waiting) return table;
        table->startWithWhoMoveFirst(20, 20, {40, 4, 0, 5, 9, 13, 17, 21, 25, 29, 33, 37, 41});
        run(2);
        // A raised card reaches highest.
        table->myCards()[3]->setSelected();
        return table;
    }
    std::shared_ptr<BankerTableView> banker(int8_t type) {
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
        return dealt;
    }
    // At the end of a deal every seat's result shows in its bubble, as the server sends them.
    std::shared_ptr<PhomView> phom(int8_t type, Stage stage) {
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
        table->resetSeat();
        if (stage == Stage::Waiting) return table;
        table->start(30, aceLowCards("5S 5C 5D 9H TH JH KD 2C 7S"), 20, 20);
        run(3);
        if (stage == Stage::Dealt) return table;
        if (type == 7) {
            table->setScore({14, 22, 27, 49});
            table->onFinish({14, 22, 27, 49},
                            leftoversOf({"4S JD", "5S 5C 5D 9H TH JH KD 2C 7S", "8D 9S QS", "6D 7C TC KS 2H 5D 9C JS"}),
                            {});
        } else {
            auto& newPhom = static_cast<PhomNewView&>(*table);
            for (const auto& [id, cards] : std::vector<std::pair<int32_t, const char*>>{
                     {20, "AS 3D 8C"}, {10, "5S 5C 5D 9H TH JH KD 2C 7S"}, {30, "9S QS 4H"}, {40, "6D 7C TC KH 2H"}}) {
                const auto ids = aceLowCards(cards);
                newPhom.onFinishNew(static_cast<int32_t>(ids.size()) * 5, {ids.begin(), ids.end()}, id,
                                    static_cast<int32_t>(ids.size()));
            }
        }
        for (int32_t id : {20, 10, 30, 40}) table->onChatFromWithId(id, std::nullopt, id == 30 ? "Won the deal" : "Lost the deal");
        return table;
    }
    std::shared_ptr<PokerView> poker(Stage stage) {
        UIController::setGameType(4);
        GameController::showPokerScreenWithRoom(1, 2, 20, 50,
                                                {seatPlayer(20, "an"), seatPlayer(30, "binh"), me, seatPlayer(40, "chi")});
        run(1);
        auto table = GameController::getPokerView();
        table->resetSeat();
        table->onJoinBoard({20, 30, 10, 40}, {5000, 2400, 25000, 800});
        if (stage == Stage::Dealt) table->start(30, aceLowCards("AS AH"), 20, 30, 10, 50, 40, {}, {});
        run(5);
        return table;
    }
    // I am 10 at the bottom, an (20) across the board.
    std::shared_ptr<BoardTableView> board(int8_t type, Stage stage) {
        UIController::setGameType(type);
        const std::vector<PlayerPtr> players{me, seatPlayer(20, "an", 5000, true)};
        std::shared_ptr<BoardTableView> table;
        switch (type) {
            case 5:
                GameController::showCoTuongScreenWithRoom(1, 2, 10, 100, players);
                table = GameController::getCoTuongView();
                break;
            case 9:
                GameController::showCoVuaScreenWithRoom(1, 2, 10, 100, players);
                table = GameController::getCoVuaView();
                break;
            case 1:
                GameController::showCaroScreenWithRoom(1, 2, 10, 100, players);
                table = GameController::getCaroView();
                break;
            default:
                GameController::showBlocksScreenWithRoom(1, 2, 10, 100, players);
                table = GameController::getBlocksView();
        }
        run(1);
        if (stage == Stage::Dealt || stage == Stage::Moved) {
            if (auto coTuong = std::dynamic_pointer_cast<CoTuongView>(table)) coTuong->startWithMoveFirst(10, 30000);
            if (auto coVua = std::dynamic_pointer_cast<CoVuaView>(table)) coVua->startWithMoveFirst(10, 30);
            if (auto caro = std::dynamic_pointer_cast<CaroView>(table)) caro->startWithMoveFirst(10, 20000);
            if (auto blocks = std::dynamic_pointer_cast<BlocksView>(table)) blocks->startWithBricks({1, 2, 3});
            run(1);
        }
        if (stage == Stage::Moved) {
            movedIntoTheBubblesRows(*table);
            run(2);
        }
        return table;
    }
    // I (10) move first: a piece of each side into its bubble's row, and the soldiers of both to the
    // river's banks, where the notices lie; at Caro stones along the edges and in the middle of what the
    // board shows.
    static void movedIntoTheBubblesRows(BoardTableView& table) {
        int32_t mover = 10;
        const auto next = [&mover] { return mover = mover == 10 ? 20 : 10; };
        if (auto coTuong = dynamic_cast<CoTuongView*>(&table)) {
            const std::pair<std::pair<int, int>, std::pair<int, int>> moves[] = {
                {{0, 9}, {0, 8}}, {{8, 0}, {8, 1}}, {{2, 6}, {2, 5}}, {{6, 3}, {6, 4}},
                {{4, 6}, {4, 5}}, {{4, 3}, {4, 4}}};
            for (const auto& [from, to] : moves)
                coTuong->moveWithWho(mover, coTuongSquare(from.first, from.second), coTuongSquare(to.first, to.second), next());
        }
        if (auto coVua = dynamic_cast<CoVuaView*>(&table)) {
            // A square's code: file and rank from White's side (I play White).
            const auto square = [](const char* name) { return static_cast<int8_t>(10 * (name[0] - 'a') + name[1] - '1'); };
            const std::pair<const char*, const char*> moves[] = {{"e2", "e3"}, {"b8", "c6"}, {"g1", "f3"}, {"g7", "g6"}};
            for (const auto& [from, to] : moves) coVua->moveWithWho(mover, square(from), square(to), next(), 600);
        }
        if (auto caro = dynamic_cast<CaroView*>(&table)) {
            const std::pair<int, int> moves[] = {{10, 5}, {10, 14}, {6, 12}, {12, 12}, {9, 13}, {10, 10}};
            for (const auto& [x, y] : moves) caro->moveWithWho(mover, static_cast<int8_t>(x), static_cast<int8_t>(y), next());
        }
    }

    // A card table's lines: mine in my bubble, the table's in its middle, binh's (30) beside me.
    static DealtTable dealt(const std::string& name, const std::shared_ptr<GameCardView>& table,
                            std::function<std::vector<std::shared_ptr<ui::View>>()> myCards) {
        return {name, table, std::move(myCards),
                [table](const std::string& line) { table->onChatFromMeWithText(line); },
                [table](const std::string& line) { table->onBuzzWithContent(line); },
                [table](const std::string& line) { table->onChatFromWithId(30, std::nullopt, line); }};
    }
    static TalkingTable talking(const std::string& name, const std::shared_ptr<GameCardView>& table) {
        return {name, table, {0, 1, 2, 3, 4}, [table](int bubble, const std::string& line) { table->showChatWithSeat(bubble, line); }};
    }
    // Table chat goes to the chat list at Poker: the bubbles are the table's own and the refusals.
    static TalkingTable talking(const std::string& name, const std::shared_ptr<PokerView>& table) {
        return {name, table, {0, 1, 2, 3, 4}, [table](int bubble, const std::string& line) { table->showChatWithSeat(bubble, line); }};
    }
    // Mine, the opponent's and the table's notices.
    static TalkingTable talking(const std::string& name, const std::shared_ptr<BoardTableView>& table) {
        return {name, table, {0, 2, 4}, [table](int bubble, const std::string& line) {
                    if (bubble == 4) table->onBuzzWithContent(line);
                    else table->onChatFromWithId(bubble == 0 ? 10 : 20, line);
                }};
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

    // The bubbles as they are now: none over another, a text or a card, every row inside its bubble.
    // Each fault is told once.
    void expectBubblesClear(ui::View& screen, const std::string& when) {
        for (const auto& finding : checkLayoutOfView(screen, true)) {
            if (told_.insert(finding.subject).second) ADD_FAILURE() << when << ": " << finding.subject << " " << finding.detail;
        }
        for (const auto& bubble : shownBubbles(screen)) {
            for (const auto& row : bubble->subviews()) {
                auto label = std::dynamic_pointer_cast<CustomLabel>(row);
                if (!label) continue;
                const bool whole = bubble->bounds().contains(label->frame()) && label->frame().width() >= label->advanceOf(label->text());
                if (!whole && told_.insert(label->text()).second) ADD_FAILURE() << when << ": \"" << label->text() << "\" cut";
            }
        }
    }

    // Every bubble of the table says a long line of its own at once; the bubbles are checked each
    // quarter of a second until all have hidden, and each line has then shown whole, turn after turn.
    void expectEveryBubbleClearAndEveryLineWhole(TalkingTable table) {
        SCOPED_TRACE(table.name);
        told_.clear();
        ui::View& screen = *table.screen->view();
        expectBubblesClear(screen, "before");
        run(10);  // what the stage showed has gone
        std::map<const ui::View*, std::string> lines, seen, last;
        std::map<const ui::View*, int> bubbleOf;
        for (int bubble : table.bubbles) {
            const std::string line = lineOfBubble(bubble);
            table.say(bubble, line);
        }
        for (int step = 0; step < 1600; ++step) {
            const auto shown = shownBubbles(screen);
            if (shown.empty()) break;
            expectBubblesClear(screen, "after " + std::to_string(step * 0.25) + " s");
            std::map<const ui::View*, std::string> now;
            for (const auto& bubble : shown) now[bubble.get()] = rowsOf(*bubble);
            for (const auto& [bubble, rows] : now) {
                if (last[bubble] == rows) continue;
                std::string text;
                for (size_t at = 0, bar; at <= rows.size(); at = bar + 1) {
                    bar = std::min(rows.find('|', at), rows.size());
                    if (!text.empty()) text += ' ';
                    text.append(rows, at, bar - at);
                }
                if (!seen[bubble].empty()) seen[bubble] += '\n';
                seen[bubble] += text;
            }
            last = now;
            run(0.25);
        }
        EXPECT_TRUE(shownBubbles(screen).empty()) << "the bubbles still talk";
        // Each bubble's turns, their marks where a line goes on taken away, make its line (a word too
        // long for a narrow bubble's row breaks inside: the blanks are left out of the comparison).
        const auto letters = [](std::string text) {
            text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
            return text;
        };
        std::vector<std::string> wholeLines;
        for (auto& [bubble, turns] : seen) {
            std::string whole;
            for (size_t at = 0, end; at <= turns.size(); at = end + 1) {
                end = std::min(turns.find('\n', at), turns.size());
                std::string turn = turns.substr(at, end - at);
                const std::string mark(kBubbleGoesOn);
                if (turn.rfind(mark, 0) == 0) turn.erase(0, mark.size());
                if (turn.size() >= mark.size() && turn.substr(turn.size() - mark.size()) == mark)
                    turn.erase(turn.size() - mark.size());
                whole += (whole.empty() ? "" : " ") + turn;
            }
            wholeLines.push_back(letters(whole));
        }
        for (int bubble : table.bubbles) {
            const std::string line = lineOfBubble(bubble);
            std::string all;
            for (const auto& whole : wholeLines) all += "\n  " + whole;
            EXPECT_NE(std::find(wholeLines.begin(), wholeLines.end(), letters(line)), wholeLines.end())
                << "lost: " << line << "; shown:" << all;
        }
    }

    std::set<std::string> told_;

    // What the bubble shows over that many seconds, each turn's rows on a line of their own.
    std::string turnsIn(const ui::View& bubble, double seconds) {
        std::string turns, last;
        for (double t = 0; t < seconds; t += 0.25) {
            const std::string now = bubble.isHidden() ? "" : rowsOf(bubble);
            if (!now.empty() && now != last) turns += now + "\n";
            last = now;
            run(0.25);
        }
        return turns;
    }
};

TEST_F(TableBubbles, NoneOverMyCardsAtEveryCardTable) {
    const auto tienLenDealt = [this](int8_t type) {
        auto table = tienLen(type, Stage::Dealt);
        return dealt(type == 3 ? "Tien Len" : "Tien Len Mien Bac", table, [table] { return viewsOf(table->myCards()); });
    };
    const auto bankerDealt = [this](int8_t type) {
        auto table = banker(type);
        return dealt(type == 11 ? "Bai Cao" : "Xi Zach", table, [table] { return viewsOf(table->playerAt(0)->cards()); });
    };
    const auto phomDealt = [this](int8_t type) {
        auto table = phom(type, Stage::Dealt);
        return dealt(type == 7 ? "Phom" : "new Phom", table, [table] { return viewsOf(table->handSprites()); });
    };
    std::vector<std::function<DealtTable()>> tables = {
        [&] { return tienLenDealt(3); }, [&] { return tienLenDealt(12); }, [&] { return bankerDealt(11); },
        [&] { return bankerDealt(2); },  [&] { return phomDealt(7); },     [&] { return phomDealt(13); },
        [this] {
            auto table = poker(Stage::Dealt);
            return DealtTable{"Poker", table, [table] { return viewsOf(table->cardsOf(10)->views()); }, nullptr,
                              [table](const std::string& line) { table->onBuzzWithContent(line); },
                              [table](const std::string& line) { table->showChatWithSeat(0, line); }};
        }};
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

TEST_F(TableBubbles, EveryBubbleAtOnceAtTheCardTables) {
    std::vector<std::function<TalkingTable()>> tables = {
        [this] { return talking("Tien Len, waiting", tienLen(3, Stage::Waiting)); },
        [this] { return talking("Tien Len, dealt", tienLen(3, Stage::Dealt)); },
        [this] { return talking("Tien Len Mien Bac, dealt", tienLen(12, Stage::Dealt)); },
        [this] { return talking("Bai Cao, dealt", banker(11)); },
        [this] { return talking("Xi Zach, dealt", banker(2)); },
        [this] { return talking("Poker, waiting", poker(Stage::Waiting)); },
        [this] { return talking("Poker, dealt", poker(Stage::Dealt)); }};
    for (const auto& open : tables) {
        expectEveryBubbleClearAndEveryLineWhole(open());
        nav().popToRootViewControllerAnimated(false);
        run(1);
    }
}

// Between deals, during one and at its end, where every seat's result shows in its bubble.
TEST_F(TableBubbles, EveryBubbleAtOnceAtThePhomTables) {
    std::vector<std::function<TalkingTable()>> tables = {
        [this] { return talking("Phom, waiting", phom(7, Stage::Waiting)); },
        [this] { return talking("Phom, dealt", phom(7, Stage::Dealt)); },
        [this] { return talking("Phom, ended", phom(7, Stage::Ended)); },
        [this] { return talking("new Phom, dealt", phom(13, Stage::Dealt)); },
        [this] { return talking("new Phom, ended", phom(13, Stage::Ended)); }};
    for (const auto& open : tables) {
        expectEveryBubbleClearAndEveryLineWhole(open());
        nav().popToRootViewControllerAnimated(false);
        run(1);
    }
}

// Waiting, playing (no bubble over the play: a Blocks well, its next piece, a board's pieces), and
// waiting again at the table taken after a game was left.
TEST_F(TableBubbles, EveryBubbleAtOnceAtTheBoardTables) {
    const std::pair<Stage, const char*> stages[] = {
        {Stage::Waiting, ", waiting"},
        {Stage::Dealt, ", playing"},
        {Stage::Moved, ", pieces moved into the bubbles' rows"},
        {Stage::Waiting, ", waiting after a game left"}};
    for (int8_t type : {5, 9, 1, 8}) {
        for (const auto& [stage, when] : stages) {
            if (stage == Stage::Moved && type == 8) continue;  // the Blocks well is play throughout a game
            expectEveryBubbleClearAndEveryLineWhole(talking("game " + std::to_string(type) + when, board(type, stage)));
            nav().popToRootViewControllerAnimated(false);
            run(1);
        }
    }
}

// Play that comes to rest under a bubble showing sends it elsewhere, its line still showing: a Co Tuong
// piece moved there, Caro stones scrolled there (by the board's glide, and at once by the wheel).
TEST_F(TableBubbles, NoBubbleStaysWherePlayComesToRest) {
    const auto clearOfPlay = [](ui::View& screen, const std::string& when) {
        for (const auto& finding : checkLayoutOfView(screen, true)) ADD_FAILURE() << when << ": " << finding.subject << " " << finding.detail;
    };
    {
        auto table = std::dynamic_pointer_cast<CoTuongView>(board(5, Stage::Dealt));
        run(10);
        table->onChatFromWithId(10, "Hello");
        const ui::Rect said = table->chat0->frame();
        // My advisor steps up into my second rank, under my line.
        table->moveWithWho(10, coTuongSquare(3, 9), coTuongSquare(4, 8), 20);
        run(1);
        EXPECT_EQ(rowsOf(*table->chat0), "Hello");
        EXPECT_NE(table->chat0->frame(), said);
        clearOfPlay(*table->view(), "Co Tuong, a piece moved under my line");
        nav().popToRootViewControllerAnimated(false);
        run(1);
    }
    auto table = std::dynamic_pointer_cast<CaroView>(board(1, Stage::Moved));
    run(10);
    ui::ScrollView& scroll = *table->board->scrollCaroBoard();
    for (bool glide : {true, false}) {
        SCOPED_TRACE(glide ? "glide" : "wheel");
        table->onChatFromWithId(10, "Hello");
        // The stone in the middle of the board scrolled to where my line shows.
        const auto stone = table->board->viewCaroBoard()->viewWithTag(10 * 100 + 10);
        ASSERT_TRUE(stone);
        const ui::Point at = stone->convertRectToView(stone->bounds(), table->view().get()).center();
        const ui::Point to = table->chat0->frame().center();
        const ui::Point offset = scroll.contentOffset();
        scroll.setContentOffset({offset.x + at.x - to.x, offset.y + at.y - to.y}, glide);
        run(1);
        EXPECT_EQ(rowsOf(*table->chat0), "Hello");
        clearOfPlay(*table->view(), "Caro, stones scrolled under my line");
        scroll.setContentOffset(offset, false);
        run(10);
    }
}

// Picking a piece up shows where it may go, and that is play too: a bubble showing over a mark of the
// targets goes elsewhere, its line still showing (Co Tuong's hints, Co Vua's target marks), whichever
// of my pieces I take up in turn.
TEST_F(TableBubbles, NoBubbleStaysOverWhereAPieceMayGo) {
    // My line shows; each piece is taken up (a tap), looked at, and put down again (a second tap).
    const auto eachTakenUp = [this](BoardTableView& table, const std::vector<std::pair<std::string, std::function<void()>>>& taps) {
        for (const auto& [piece, tap] : taps) {
            table.onChatFromWithId(10, "Hello");
            tap();
            run(1);
            EXPECT_EQ(rowsOf(*table.chat0), "Hello") << piece;
            for (const auto& finding : checkLayoutOfView(*table.view(), true))
                ADD_FAILURE() << piece << " taken up: " << finding.subject << " " << finding.detail;
            tap();
            run(10);
        }
    };
    {
        auto table = std::dynamic_pointer_cast<CoTuongView>(board(5, Stage::Dealt));
        run(10);
        // My soldiers, cannons, horses and chariots (file, and rank from my side).
        std::vector<std::pair<std::string, std::function<void()>>> taps;
        for (const auto& [file, rank] : {std::pair{0, 3}, {2, 3}, {4, 3}, {6, 3}, {8, 3}, {1, 2}, {7, 2}, {1, 0}, {7, 0}, {0, 0}, {8, 0}}) {
            const CoTuongPoint at = Piece::convertPoint(file, rank);
            taps.emplace_back("Co Tuong " + std::to_string(file) + "," + std::to_string(rank),
                              [table, at] { table->board->tapAt({at.x, at.y}); });
        }
        eachTakenUp(*table, taps);
        nav().popToRootViewControllerAnimated(false);
        run(1);
    }
    auto table = std::dynamic_pointer_cast<CoVuaView>(board(9, Stage::Dealt));
    run(10);
    // My pawns and knights.
    std::vector<std::pair<std::string, std::function<void()>>> taps;
    for (const CoVuaSquare square : {CoVuaSquare{6, 0}, {6, 1}, {6, 2}, {6, 3}, {6, 4}, {6, 5}, {6, 6}, {6, 7}, {7, 1}, {7, 6}}) {
        const ui::Point at = table->board->convertPointToView(PieceView::restingCentre(square), table->view().get());
        taps.emplace_back("Co Vua " + std::to_string(square.row) + "," + std::to_string(square.col),
                          [table, at] { table->board->tapAt(at); });
    }
    eachTakenUp(*table, taps);
}

// A line's later turns show whatever the table does meanwhile: the dealer's calls in my bubble while
// my line goes on and the call's end at the deal's end (Xi Zach, I deal), a game's start (Co Tuong);
// and a bubble showing when its table is left, or covered by another screen, leaves nothing behind
// that keeps the seat's next lines from showing.
TEST_F(TableBubbles, NoLineIsLostWhileTheTableGoesOn) {
    {
        SCOPED_TRACE("Xi Zach, the dealer's calls");
        auto table = std::dynamic_pointer_cast<XiZachView>(banker(2));
        table->onChatFromMeWithText(kSpeech);
        std::string turns = turnsIn(*table->bubble(0), 1);
        for (int32_t next : {20, 30}) {
            table->getRemainTimeWithPlayerId(next, 20);
            turns += turnsIn(*table->bubble(0), 1);
        }
        // A line said while my call shows waits behind it; the deal then ends, and the call goes.
        table->onChatFromMeWithText("Stand, binh");
        table->stopGame();
        turns += turnsIn(*table->bubble(0), 20);
        EXPECT_NE(turns.find("wins the pot?"), std::string::npos) << turns;
        EXPECT_NE(turns.find("Stand, binh"), std::string::npos) << turns;
        nav().popToRootViewControllerAnimated(false);
        run(1);
    }
    {
        SCOPED_TRACE("Co Tuong, a game's start and a table left");
        auto table = std::dynamic_pointer_cast<CoTuongView>(board(5, Stage::Waiting));
        table->onChatFromWithId(10, kSpeech);
        ASSERT_FALSE(table->chat0->isHidden());
        table->startWithMoveFirst(10, 30000);
        EXPECT_NE(turnsIn(*table->chat0, 20).find("wins the pot?"), std::string::npos);
        table->onChatFromWithId(10, "Good game");
        run(1);
        nav().popToRootViewControllerAnimated(false);
        run(1);
        auto next = board(5, Stage::Waiting);
        next->onChatFromWithId(10, "Hello again");
        EXPECT_EQ(turnsIn(*next->chat0, 5), "Hello again\n");
        nav().popToRootViewControllerAnimated(false);
        run(1);
    }
    {
        SCOPED_TRACE("Poker, a screen over the table");
        auto table = poker(Stage::Dealt);
        table->showChatWithSeat(0, "Not enough money to raise");
        run(1);
        nav().pushViewController(std::make_shared<ui::ViewController>(), false);
        run(1);
        nav().popViewControllerAnimated(false);
        run(1);
        table->showChatWithSeat(0, "Check");
        EXPECT_EQ(turnsIn(*table->chat[0], 5), "Check\n");
    }
}

}  // namespace
}  // namespace zuno::testing
