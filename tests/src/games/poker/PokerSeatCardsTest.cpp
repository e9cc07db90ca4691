// A seat's two hole-card views on the virtual clock: cleared away in half a second.
#include <gtest/gtest.h>

#include "games/poker/PokerSeatCards.h"
#include "platform/core/RunLoop.h"
#include "platform/ui/Animation.h"

namespace zuno {
namespace {

class PokerSeatCardsTest : public ::testing::Test {
protected:
    void TearDown() override {
        ui::Animator::shared().reset();
        sys::RunLoop::main().reset();
    }
    static void run(double seconds) { sys::RunLoop::main().runFor(seconds); }

    // The seat's cards, dealt face up at the seat.
    std::shared_ptr<PokerSeatCards> dealt() {
        auto cards = std::make_shared<PokerSeatCards>();
        cards->setCard({12, 40});
        for (const auto& card : cards->views()) {
            card->setCenter({100, 250});
            table->addSubview(card);
        }
        return cards;
    }

    std::shared_ptr<ui::View> table = std::make_shared<ui::View>(ui::Rect(0, 0, 480, 320));
};

TEST_F(PokerSeatCardsTest, ResetFadesTheCardsToTheMiddleInHalfASecondThenDealsTwoBacks) {
    auto cards = dealt();
    const PokerSeatCards::Views shown = cards->views();
    cards->resetCard();
    run(0.25);
    for (const auto& card : shown) {
        EXPECT_EQ(card->superview(), table) << "still on the table while fading";
        EXPECT_GT(card->presentedAlpha(), 0.0);
        EXPECT_LT(card->presentedAlpha(), 1.0);
        EXPECT_EQ(card->center(), PokerSeatCards::kTableCentre);
    }
    EXPECT_EQ(cards->views(), shown);
    run(0.26);
    for (const auto& card : shown) EXPECT_FALSE(card->superview());
    ASSERT_NE(cards->views(), shown);
    for (const auto& card : cards->views()) {
        EXPECT_EQ(card->cardID, -1);
        EXPECT_FALSE(card->superview()) << "the table places them at the next deal";
    }
}

TEST_F(PokerSeatCardsTest, CardsSetWhileTheOldOnesFadeStay) {
    auto cards = dealt();
    cards->resetCard();
    run(0.1);
    cards->setCard({7, 8});
    const PokerSeatCards::Views next = cards->views();
    run(1);
    EXPECT_EQ(cards->views(), next);
    EXPECT_EQ(next[0]->cardID, 7);
}

}  // namespace
}  // namespace zuno
