// The shared table decorations on plain views and the virtual clock: bubbles, fly-texts and gifts with
// a screen's geometry.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/core/Format.h"
#include "platform/core/RunLoop.h"
#include "platform/ui/Animation.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "shell/CustomLabel.h"
#include "shell/UIController.h"
#include "table/TableDecorations.h"

using namespace zuno;

namespace {

PlayerPtr player(int32_t id) {
    auto p = std::make_shared<Player>();
    p->setIDDB(id);
    p->setName(sys::format("p%d", id));
    return p;
}

// Four seats holding players 10 (me), 20, 30 and 40; anyone else is not seated.
class Decorations : public ::testing::Test {
protected:
    void SetUp() override {
        UIController::setMyInfo(seated[0]);
        for (auto& b : bubbles) {
            b = std::make_shared<ui::ImageView>(ui::Rect(0, 0, 10, 10));
            b->setHidden(true);
            root->addSubview(b);
        }
    }
    void TearDown() override {
        ui::Animator::shared().reset();
        sys::RunLoop::main().reset();
    }

    std::unique_ptr<TableDecorations> make(TableDecorationGeometry geometry) {
        auto d = std::make_unique<TableDecorations>(std::move(geometry));
        d->attach({[this] { return root; }, [this](int b) { return bubbles[static_cast<size_t>(b)]; },
                   [this](int32_t id) {
                       for (int s = 0; s < 4; ++s)
                           if (seated[static_cast<size_t>(s)]->IDDB() == id) return s;
                       return -1;
                   },
                   [this](int s) { return seated[static_cast<size_t>(s)]; }, nullptr, [this] { return play; }});
        return d;
    }
    static void run(double seconds) { sys::RunLoop::main().runFor(seconds); }

    // The rows a bubble shows, top to bottom, and their texts joined as one line.
    std::vector<std::shared_ptr<CustomLabel>> rowsOf(int bubble) const {
        std::vector<std::shared_ptr<CustomLabel>> rows;
        for (const auto& v : bubbles[static_cast<size_t>(bubble)]->subviews())
            if (auto label = std::dynamic_pointer_cast<CustomLabel>(v)) rows.push_back(label);
        return rows;
    }
    std::string shown(int bubble) const {
        std::string text;
        for (const auto& row : rowsOf(bubble)) text += (text.empty() ? "" : " ") + row->text();
        return text;
    }
    bool insideTheScreen(const ui::View& bubble) const {
        const ui::Rect f = bubble.frame();
        return f.minX() >= 0 && f.maxX() <= root->bounds().maxX() && f.minY() >= 0 && f.maxY() <= root->bounds().maxY();
    }

    // The texts and images added to the table (bubbles aside).
    size_t extras() const { return root->subviews().size() - bubbles.size(); }
    std::shared_ptr<ui::Label> lastLabel() const {
        std::shared_ptr<ui::Label> last;
        for (const auto& v : root->subviews())
            if (auto l = std::dynamic_pointer_cast<ui::Label>(v)) last = l;
        return last;
    }

    std::shared_ptr<ui::View> root = std::make_shared<ui::View>(ui::Rect(0, 0, 480, 320));
    std::array<std::shared_ptr<ui::ImageView>, 5> bubbles;
    std::array<PlayerPtr, 4> seated{player(10), player(20), player(30), player(40)};
    ShownPlay play;  // what the screen shows of a game
};

TEST_F(Decorations, BubbleLinesWaitingAreJoinedAndBadSeatsIgnored) {
    auto d = make(TableDecorationGeometry::cardTable());
    d->showChatWithSeat(2, "a");
    d->showChatWithSeat(2, "b");
    d->showChatWithSeat(2, "c");
    d->showChatWithSeat(9, "ignored");
    d->showChatWithSeat(-1, "ignored");
    EXPECT_FALSE(bubbles[2]->isHidden());
    EXPECT_EQ(d->chatPlayers()[2], "b, c");
    run(3.01);
    EXPECT_FALSE(bubbles[2]->isHidden());
    EXPECT_EQ(d->chatPlayers()[2], "");
    run(3.01);
    EXPECT_TRUE(bubbles[2]->isHidden());

    // Stopped (the table left), nothing shows or is checked again: the screen owns the timers. A line
    // said after shows at once and in turn, as on a table never left.
    d->showChatWithSeat(4, "mine");
    d->showChatWithSeat(4, "later");
    d->stop();
    run(10);
    EXPECT_TRUE(bubbles[4]->isHidden());
    EXPECT_EQ(d->chatPlayers()[4], "");
    d->showChatWithSeat(4, "back again");
    EXPECT_EQ(shown(4), "back again");
    run(4.01);
    EXPECT_TRUE(bubbles[4]->isHidden());
}

// A bubble near the edge moves in; lines gathered while it shows are shown at its next turns, as many
// whole lines as its rows hold each time, until every one has shown once, in order.
TEST_F(Decorations, ABubbleStaysInsideTheScreenAndShowsEveryLineInTurn) {
    auto d = make(TableDecorationGeometry::cardTable());
    d->showChatWithSeat(1, "Who raises all in with seven two?");
    EXPECT_TRUE(insideTheScreen(*bubbles[1]));
    EXPECT_EQ(shown(1), "Who raises all in with seven two?");

    std::vector<std::string> said;
    for (int i = 1; i <= 12; ++i) said.push_back("line number " + std::to_string(i) + " of the chat");
    for (const auto& line : said) d->showChatWithSeat(1, line);
    std::string seen;
    for (int turn = 0; turn < 12 && !d->chatPlayers()[1].empty(); ++turn) {
        run(3.01);
        ASSERT_FALSE(bubbles[1]->isHidden());
        EXPECT_TRUE(insideTheScreen(*bubbles[1]));
        EXPECT_LE(rowsOf(1).size(), 3u);
        seen.append(seen.empty() ? "" : ", ").append(shown(1));
    }
    std::string all;
    for (const auto& line : said) all += (all.empty() ? "" : ", ") + line;
    EXPECT_EQ(seen, all);
    run(3.01);
    EXPECT_TRUE(bubbles[1]->isHidden());
}

// A line wider than the screen is wrapped in its bubble, every word inside the screen; one longer than
// a turn's rows at the screen's width shows the rest at the next turn.
TEST_F(Decorations, ALongLineShowsWholeWrappedInsideTheScreen) {
    auto d = make(TableDecorationGeometry::cardTable());
    const std::string line =
        "Who raises all in with seven two before the flop and then calls every river with nothing?";
    d->showChatWithSeat(3, line);
    EXPECT_EQ(shown(3), line);
    EXPECT_GT(rowsOf(3).size(), 1u);
    for (const auto& row : rowsOf(3)) {
        const ui::Rect drawn = row->convertRectToView(row->bounds(), root.get());
        EXPECT_GE(drawn.minX(), 0) << row->text();
        EXPECT_LE(drawn.maxX(), root->bounds().maxX()) << row->text();
        EXPECT_GE(drawn.minY(), 0) << row->text();
        EXPECT_LE(drawn.maxY(), root->bounds().maxY()) << row->text();
        EXPECT_GE(row->bounds().width(), row->advanceOf(row->text())) << row->text();
    }

    // A turn that does not end the line ends with a mark, and the next turn takes it up with the mark.
    std::string speech;
    for (int i = 0; i < 5; ++i) speech += line + " ";
    speech.pop_back();
    d->showChatWithSeat(2, speech);
    const std::string mark = "\u2026";
    std::vector<std::string> turns{shown(2)};
    for (int turn = 0; turn < 5 && !d->chatPlayers()[2].empty(); ++turn) {
        run(3.01);
        EXPECT_LE(rowsOf(2).size(), 3u);
        turns.push_back(shown(2));
    }
    ASSERT_GT(turns.size(), 2u);
    std::string seen;
    for (size_t i = 0; i < turns.size(); ++i) {
        std::string text = turns[i];
        if (i > 0) {
            EXPECT_EQ(text.rfind(mark, 0), 0u) << text;
            text.erase(0, mark.size());
        }
        if (i + 1 < turns.size()) {
            ASSERT_GE(text.size(), mark.size());
            EXPECT_EQ(text.substr(text.size() - mark.size()), mark) << text;
            text.erase(text.size() - mark.size());
        }
        seen += (seen.empty() ? "" : " ") + text;
    }
    EXPECT_EQ(seen, speech);
    EXPECT_EQ(turns.back().find(mark, mark.size()), std::string::npos) << "the last turn ends the line";
}

// A deal's end takes down the marks the table put up (a pass), shown, waiting or cut short, and shows
// what waited behind them at once; a line said at the table stays, even one that reads like a mark.
TEST_F(Decorations, ADealsEndTakesDownTheTablesMarksAndNoLineSaid) {
    auto d = make(TableDecorationGeometry::cardTable());
    d->showChatWithSeat(0, "Pass");  // said, with the table's mark waiting behind it
    d->showMarkWithSeat(0, "Pass");
    d->showChatWithSeat(1, "Pass");  // said alone
    d->showMarkWithSeat(2, "Pass");  // the table's mark alone
    d->showMarkWithSeat(3, "Pass");  // the table's mark, with a line said behind it
    d->showChatWithSeat(3, "Pass");
    std::string speech;  // a mark too long for one turn, cut short, with a line said behind it
    for (int i = 0; i < 12; ++i) speech += "the table's own long notice ";
    d->showMarkWithSeat(TableDecorations::kCentre, speech);
    d->showChatWithSeat(TableDecorations::kCentre, "hello");
    ASSERT_NE(d->chatPlayers()[TableDecorations::kCentre].rfind("\u2026", 0), std::string::npos) << "cut short";

    d->takeDownMarks();
    for (int seat : {0, 1, 3}) {
        EXPECT_FALSE(bubbles[static_cast<size_t>(seat)]->isHidden()) << seat;
        EXPECT_EQ(shown(seat), "Pass") << seat;
    }
    EXPECT_TRUE(bubbles[2]->isHidden());
    EXPECT_EQ(shown(TableDecorations::kCentre), "hello");
    EXPECT_EQ(d->chatPlayers(), (std::array<std::string, 5>{}));
    run(4.01);
    for (const auto& bubble : bubbles) EXPECT_TRUE(bubble->isHidden());
}

// Above my cards, a long line shows in as many rows as the room above them holds, its turns never over
// them; a seat's bubble beside them keeps off them too.
TEST_F(Decorations, NoBubbleLiesOverMyCards) {
    TableDecorationGeometry g = TableDecorationGeometry::cardTable();
    g.bubbleCentres[0] = {240, 172};
    g.bubbleAreas[0] = ui::Rect(90, 155, 306, 33);
    g.myHand = ui::Rect(100, 189, 364, 131);
    auto d = make(g);
    const std::string line =
        "Who raises all in with seven two before the flop and then calls every river with nothing?";
    std::string speech;
    for (int i = 0; i < 3; ++i) speech += line + " ";
    for (int seat : {0, 1, 4}) {
        SCOPED_TRACE(seat);
        d->showChatWithSeat(seat, speech);
        for (int turn = 0; turn < 12 && !bubbles[static_cast<size_t>(seat)]->isHidden(); ++turn) {
            const ui::Rect bubble = bubbles[static_cast<size_t>(seat)]->frame();
            EXPECT_LE(bubble.maxY(), g.myHand->minY()) << "turn " << turn << ": " << shown(seat);
            EXPECT_GE(bubble.minY(), 0);
            // Every row lies inside its bubble.
            for (const auto& row : rowsOf(seat)) EXPECT_LE(row->frame().maxY(), bubble.height()) << row->text();
            run(4.01);
        }
        EXPECT_TRUE(bubbles[static_cast<size_t>(seat)]->isHidden());
    }

    // With little room above them, a turn shows one row.
    g.bubbleCentres[0] = {240, 30};
    g.bubbleAreas[0] = ui::Rect(90, 10, 306, 30);
    g.myHand = ui::Rect(100, 40, 364, 280);
    for (auto subviews = bubbles[0]->subviews(); const auto& row : subviews) row->removeFromSuperview();
    auto low = make(g);
    low->showChatWithSeat(0, speech);
    EXPECT_EQ(rowsOf(0).size(), 1u);
    EXPECT_LE(bubbles[0]->frame().maxY(), 40);
}

// A bubble with an area of its own, beside its seat, keeps to it; its text wraps rather than being
// cut; a line said again while waiting is not added twice.
TEST_F(Decorations, ABubbleKeepsToItsArea) {
    TableDecorationGeometry g = TableDecorationGeometry::cardTable();
    const ui::Rect area(84, 100, 240, 60);
    g.bubbleAreas[3] = area;
    auto d = make(g);
    const std::string refusal = "Those cards cannot be played on the table as they stand now.";
    d->showChatWithSeat(3, "Pass");
    EXPECT_EQ(shown(3), "Pass");
    EXPECT_TRUE(area.contains(bubbles[3]->frame().origin));  // moved right of the seat, off the left edge
    for (int i = 0; i < 5; ++i) d->showChatWithSeat(3, refusal);
    EXPECT_EQ(d->chatPlayers()[3], refusal);
    run(3.01);
    EXPECT_EQ(shown(3), refusal);
    EXPECT_GE(bubbles[3]->frame().minX(), area.minX());
    EXPECT_LE(bubbles[3]->frame().maxX(), area.maxX());
}

// Two bubbles at one place take turns: a line for one while the other shows waits for that one's turn
// to end, and lines for the same bubble wait together; none is lost. A text that replaces shows at once,
// and what it hid shows again after it.
TEST_F(Decorations, BubblesAtOnePlaceTakeTurnsAndLoseNoLine) {
    TableDecorationGeometry g = TableDecorationGeometry::cardTable();
    g.bubbleCentres[4] = g.bubbleCentres[0];
    g.bubbleAreas[0] = g.bubbleAreas[4] = ui::Rect(90, 155, 306, 40);
    auto d = make(g);
    d->showChatWithSeat(4, "Your first play must hold the 3 of spades.");
    run(0.3);
    d->showChatWithSeat(0, "oops");
    d->showChatWithSeat(0, "sorry");
    EXPECT_FALSE(bubbles[4]->isHidden());
    EXPECT_TRUE(bubbles[0]->isHidden());
    EXPECT_EQ(d->chatPlayers()[0], "oops, sorry");
    run(3.6);
    EXPECT_EQ(shown(4), "Your first play must hold the 3 of spades.");
    d->showChatWithSeat(4, "Those cards do not beat the table.");
    run(0.11);
    EXPECT_TRUE(bubbles[4]->isHidden());
    EXPECT_FALSE(bubbles[0]->isHidden());
    EXPECT_EQ(shown(0), "oops, sorry");
    run(3);
    EXPECT_TRUE(bubbles[0]->isHidden());
    EXPECT_EQ(shown(4), "Those cards do not beat the table.");
    run(4);
    EXPECT_TRUE(bubbles[4]->isHidden());

    d->showChatWithSeat(0, "mine");
    d->replaceChatWithSeat(4, "now this is the table's own notice");
    EXPECT_TRUE(bubbles[0]->isHidden());
    EXPECT_EQ(shown(4), "now this is the table's own notice");
    EXPECT_EQ(d->chatPlayers()[4], "");
    EXPECT_EQ(d->chatPlayers()[0], "mine");
    run(4.01);
    EXPECT_TRUE(bubbles[4]->isHidden());
    EXPECT_EQ(shown(0), "mine");

    // The next call takes the last one's place, not a line said at the seat that reads as it.
    d->replaceChatWithSeat(4, "An, one more card?");
    d->showChatWithSeat(4, "An, one more card?");
    d->replaceChatWithSeat(4, "Binh, one more card?");
    EXPECT_EQ(shown(4) + " / " + d->chatPlayers()[4], "Binh, one more card?, An, one more card? / ");
}

// Bubbles whose areas overlap never lie over one another: a bubble moves aside within its area where
// the other leaves room, and waits for the other's turn where it does not; a table that changes its
// places shows the lines on show again in their new places.
TEST_F(Decorations, NoBubbleLiesOverAnotherShowing) {
    TableDecorationGeometry g = TableDecorationGeometry::cardTable();
    const ui::Rect middle(60, 100, 360, 48);
    g.bubbleAreas[1] = g.bubbleAreas[3] = middle;
    g.bubbleCentres[1] = g.bubbleCentres[3] = middle.center();
    auto d = make(g);
    const auto apart = [&] { return !bubbles[1]->frame().intersects(bubbles[3]->frame()); };
    d->showChatWithSeat(1, "Pass");
    d->showChatWithSeat(3, "Me too");
    ASSERT_FALSE(bubbles[3]->isHidden());
    EXPECT_TRUE(apart());
    EXPECT_TRUE(middle.contains(bubbles[3]->frame()));
    run(3.01);
    EXPECT_TRUE(bubbles[1]->isHidden());

    const std::string longer = "Those cards cannot be played on the table as they stand now, try again";
    d->showChatWithSeat(1, longer);
    d->showChatWithSeat(3, "Well played, all of you, once more");
    EXPECT_TRUE(bubbles[3]->isHidden()) << "no room beside the other";
    EXPECT_EQ(d->chatPlayers()[3], "Well played, all of you, once more");
    run(3.01);
    EXPECT_TRUE(bubbles[1]->isHidden());
    EXPECT_EQ(shown(3), "Well played, all of you, once more");
    EXPECT_TRUE(middle.contains(bubbles[3]->frame()));

    // The places change while it shows: it shows again in its new place, its line whole.
    g.bubbleAreas[3] = ui::Rect(60, 40, 360, 48);
    g.bubbleCentres[3] = g.bubbleAreas[3]->center();
    d->setGeometry(g);
    EXPECT_FALSE(bubbles[3]->isHidden());
    EXPECT_EQ(shown(3), "Well played, all of you, once more");
    EXPECT_TRUE(g.bubbleAreas[3]->contains(bubbles[3]->frame()));
    run(3.01);
    EXPECT_TRUE(bubbles[3]->isHidden());
}

// A bubble whose area spans the side seats' shows as wide as its line while they are silent; while they
// talk it shows in the part of its area they leave, its line wrapped to that part, over neither.
TEST_F(Decorations, ABubbleWrapsIntoThePartTheOthersLeave) {
    TableDecorationGeometry g = TableDecorationGeometry::cardTable();
    g.bubblePadding = 20;
    const ui::Rect strip(2, 150, 476, 40), left(2, 150, 156, 40), right(322, 150, 156, 40);
    g.bubbleAreas[4] = strip;
    g.bubbleAreas[3] = left;
    g.bubbleAreas[1] = right;
    for (int b : {1, 3, 4}) g.bubbleCentres[static_cast<size_t>(b)] = g.bubbleAreas[static_cast<size_t>(b)]->center();
    auto d = make(g);
    const std::string notice = "Stop sending cards before you discard one of yours";
    d->showChatWithSeat(4, notice);
    EXPECT_EQ(rowsOf(4).size(), 1u);
    EXPECT_GT(bubbles[4]->frame().width(), right.width());
    run(4.01);
    ASSERT_TRUE(bubbles[4]->isHidden());

    d->showChatWithSeat(3, "Well played, all of you");
    d->showChatWithSeat(1, "Pass, and pass again");
    d->showChatWithSeat(4, notice);
    ASSERT_FALSE(bubbles[4]->isHidden());
    EXPECT_GT(rowsOf(4).size(), 1u);
    for (int side : {1, 3}) EXPECT_FALSE(bubbles[4]->frame().intersects(bubbles[static_cast<size_t>(side)]->frame())) << side;
    EXPECT_TRUE(strip.contains(bubbles[4]->frame()));
    EXPECT_EQ(shown(4).rfind("Stop sending cards", 0), 0u) << shown(4);
    run(4.01);
    EXPECT_NE(shown(4).find("one of yours"), std::string::npos) << shown(4);
}

// A board's pieces are taken too. A bubble moves aside within its row off a piece standing there; with
// pieces all along its row it lies over the board as near its row as it can, showing as much of a
// long line a turn as it would in its row; with no room on the board it waits, and shows once the
// pieces move. A piece moving under a bubble showing sends it elsewhere once the move has been shown.
TEST_F(Decorations, NoBubbleLiesOverPlay) {
    TableDecorationGeometry g = TableDecorationGeometry::cardTable();
    const ui::Rect board(80, 0, 320, 320), row(80, 250, 320, 36);
    g.bubbleAreas[0] = row;
    g.bubbleCentres[0] = row.center();
    g.bubbleHeight = 30;
    play.boards = {board};
    auto d = make(g);
    const auto overPlay = [this] {
        const ui::Rect bubble = bubbles[0]->frame();
        return std::any_of(play.frames.begin(), play.frames.end(), [&](const ui::Rect& p) { return p.intersects(bubble); });
    };
    // Pieces on every point of some rows of the board (32 points apart, 30 wide).
    const auto piecesOnRows = [&](std::initializer_list<double> tops) {
        play.frames.clear();
        for (double top : tops)
            for (double x = board.minX() + 1; x + 30 <= board.maxX(); x += 32) play.frames.emplace_back(x, top, 30, 30);
    };
    const std::string line = "Who raises all in with seven two before the flop and then calls every river?";

    d->showChatWithSeat(0, line);
    const std::string atHome = shown(0);
    ASSERT_NE(atHome, line) << "a turn shows a part of it";
    run(9.03);
    ASSERT_TRUE(bubbles[0]->isHidden());

    play.frames = {ui::Rect(300, 253, 30, 30)};
    d->showChatWithSeat(0, "Pass");
    EXPECT_FALSE(overPlay());
    EXPECT_TRUE(row.contains(bubbles[0]->frame()));
    run(3.01);
    ASSERT_TRUE(bubbles[0]->isHidden());

    piecesOnRows({253, 189});
    d->showChatWithSeat(0, line);
    ASSERT_FALSE(bubbles[0]->isHidden());
    EXPECT_FALSE(overPlay());
    EXPECT_TRUE(board.contains(bubbles[0]->frame()));
    EXPECT_GE(bubbles[0]->frame().minY(), 219) << "between the rows of pieces nearest its own";
    EXPECT_EQ(shown(0), atHome);
    run(9.03);
    ASSERT_TRUE(bubbles[0]->isHidden());

    piecesOnRows({1, 33, 65, 97, 129, 161, 193, 225, 257, 289});
    d->showChatWithSeat(0, "Check");
    EXPECT_TRUE(bubbles[0]->isHidden());
    run(3.01);
    EXPECT_TRUE(bubbles[0]->isHidden());
    EXPECT_EQ(d->chatPlayers()[0], "Check");
    piecesOnRows({1, 33, 257, 289});
    d->playMoved();
    run(0.01);
    EXPECT_EQ(shown(0), "Check");
    EXPECT_FALSE(overPlay());

    const ui::Rect before = bubbles[0]->frame();
    play.frames.emplace_back(before.x(), before.y(), 30, 30);
    d->playMoved();
    EXPECT_EQ(bubbles[0]->frame(), before) << "the move is shown first";
    run(0.01);
    EXPECT_EQ(shown(0), "Check");
    EXPECT_FALSE(overPlay());
    EXPECT_NE(bubbles[0]->frame(), before);
}

// A fly-text or a gift of a player without a seat shows nothing, at the card tables as at the others.
TEST_F(Decorations, UnseatedPlayersShowNothing) {
    const TableDecorationGeometry card = TableDecorationGeometry::cardTable();
    auto d = make(card);
    d->showFlyText(77, 25);
    d->showFlyText(77, -25);
    d->onShowGift(5, 77, 20);  // unseated giver
    d->onShowGift(5, 20, 77);  // unseated receiver
    EXPECT_EQ(extras(), 0u);
    EXPECT_TRUE(seated[1]->gifts().empty());

    // A loss flies from the seat, a gain to it; the icon flies beside the text.
    d->showFlyText(20, -300, std::string("moneyicon3.png"));
    EXPECT_EQ(extras(), 2u);
    EXPECT_EQ(lastLabel()->presentedCenter(), card.flyTextPoints[1]);
    EXPECT_EQ(lastLabel()->center(), card.tableCentre);
    run(1.1);
    EXPECT_EQ(extras(), 0u);
}

// A seat's point at the screen's edge still shows the whole text, at the start as at the end.
TEST_F(Decorations, AFlyTextStaysOnTheScreen) {
    TableDecorationGeometry edge = TableDecorationGeometry::cardTable();
    edge.flyTextPoints[1] = {478, 145};
    edge.flyTextPoints[3] = {0, 145};
    auto d = make(edge);
    for (int32_t id : {20, 40}) {
        for (int32_t amount : {-250000, 250000}) {
            d->showFlyText(id, amount);
            auto label = lastLabel();
            const double half = label->font().widthOfText(label->text().value_or("")) / 2;
            for (ui::Point p : {label->presentedCenter(), label->center()}) {
                EXPECT_GE(p.x - half, 0) << id << " " << amount;
                EXPECT_LE(p.x + half, 480) << id << " " << amount;
            }
            run(1.1);
        }
    }
}

TEST_F(Decorations, AFifthGiftDropsTheOldest) {
    auto d = make(TableDecorationGeometry::cardTable());
    for (int i = 0; i < 5; ++i) d->onShowGift(100 + i, i % 2 ? 30 : 40, 20);
    run(1.1);
    const auto& gifts = seated[1]->gifts();
    ASSERT_EQ(gifts.size(), 4u);
    EXPECT_EQ(gifts.front()->tag(), 30);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(gifts[static_cast<size_t>(i)]->center(), d->geometry().giftCentre(1, i));
    d->removeGiftSprites({seated[1]});
    EXPECT_EQ(extras(), 0u);
    EXPECT_EQ(gifts.size(), 4u);
}

}  // namespace
