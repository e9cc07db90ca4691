// The shared table decorations on plain views and the virtual clock: bubbles, fly-texts and gifts with
// a screen's geometry.
#include <gtest/gtest.h>

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
                   [this](int s) { return seated[static_cast<size_t>(s)]; }, nullptr});
        return d;
    }
    static void run(double seconds) { sys::RunLoop::main().runFor(seconds); }

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

    // Stopped, nothing is checked again: the screen owns the timers.
    d->showChatWithSeat(4, "mine");
    d->showChatWithSeat(4, "later");
    d->stop();
    run(10);
    EXPECT_FALSE(bubbles[4]->isHidden());
    EXPECT_EQ(d->chatPlayers()[4], "");
}

// A bubble near the edge moves in; lines gathered past the screen's width are drawn smaller, and what
// still does not fit loses its oldest words, so the latest line always shows, in the one bubble.
TEST_F(Decorations, ABubbleStaysInsideTheScreenWithItsLatestLine) {
    auto d = make(TableDecorationGeometry::cardTable());
    const auto insideTheScreen = [this](const ui::View& bubble) {
        const ui::Rect f = bubble.frame();
        return f.minX() >= 0 && f.maxX() <= root->bounds().maxX() && f.minY() >= 0 && f.maxY() <= root->bounds().maxY();
    };
    const auto shown = [this] {
        EXPECT_EQ(bubbles[1]->subviews().size(), 1u);
        auto label = std::dynamic_pointer_cast<CustomLabel>(bubbles[1]->subviews().back());
        return label ? label->text() : std::string();
    };
    d->showChatWithSeat(1, "Who raises all in with seven two?");
    EXPECT_TRUE(insideTheScreen(*bubbles[1]));
    EXPECT_EQ(shown(), "Who raises all in with seven two?");

    for (int i = 1; i <= 6; ++i) d->showChatWithSeat(1, "line number " + std::to_string(i) + " of the chat");
    run(3.01);
    EXPECT_TRUE(insideTheScreen(*bubbles[1]));
    const std::string line = shown();
    EXPECT_EQ(line.rfind("\u2026", 0), 0u) << line;
    EXPECT_NE(line.find("line number 6 of the chat"), std::string::npos) << line;
    EXPECT_EQ(line.find("line number 1 "), std::string::npos) << line;
    auto label = std::dynamic_pointer_cast<CustomLabel>(bubbles[1]->subviews().back());
    EXPECT_LE(label->font().widthOfText(line), bubbles[1]->bounds().size.width);
}

// A bubble with an area of its own, beside its seat, stays inside it: its text drawn smaller, and what
// still does not fit loses its oldest words; a line said again while waiting is not added twice; two
// bubbles at one place show the latest text of either, and a text may take a bubble's place at once.
TEST_F(Decorations, ABubbleKeepsToItsAreaAndItsPlace) {
    TableDecorationGeometry g = TableDecorationGeometry::cardTable();
    const ui::Rect area(84, 100, 240, 60);
    g.bubbleAreas[3] = area;
    g.bubbleCentres[4] = g.bubbleCentres[0];
    auto d = make(g);
    const auto shown = [this](int bubble) {
        auto label = std::dynamic_pointer_cast<CustomLabel>(bubbles[static_cast<size_t>(bubble)]->subviews().back());
        return label ? label->text() : std::string();
    };
    const std::string refusal = "Those cards cannot be played on the table.";
    d->showChatWithSeat(3, "Pass");
    EXPECT_EQ(shown(3), "Pass");
    EXPECT_TRUE(area.contains(bubbles[3]->frame().origin));  // moved right of the seat, off the left edge
    for (int i = 0; i < 5; ++i) d->showChatWithSeat(3, refusal);
    EXPECT_EQ(d->chatPlayers()[3], refusal);
    run(3.01);
    const std::string line = shown(3);
    EXPECT_NE(line.find("the table."), std::string::npos) << line;
    EXPECT_EQ(line.find("Those"), std::string::npos) << line;
    EXPECT_GE(bubbles[3]->frame().minX(), area.minX());
    EXPECT_LE(bubbles[3]->frame().maxX(), area.maxX());

    d->showChatWithSeat(0, "mine");
    d->showChatWithSeat(4, "the table's");
    EXPECT_TRUE(bubbles[0]->isHidden());
    EXPECT_FALSE(bubbles[4]->isHidden());
    d->replaceChatWithSeat(4, "now this");
    EXPECT_EQ(shown(4), "now this");
    EXPECT_EQ(d->chatPlayers()[4], "");
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
