// The banker tables' decisions without views: show requests, the start, reveals, deals, draws,
// examinations and the money sound.
#include <gtest/gtest.h>

#include "games/banker/BankerTableRules.h"

using namespace zuno;
using namespace zuno::banker;

namespace {
using Bytes = std::vector<int8_t>;
std::vector<MyCard> hand(Bytes ids) {
    std::vector<MyCard> cards;
    for (int8_t id : ids) cards.push_back({id, false});
    return cards;
}
}  // namespace

TEST(BankerTableRulesTest, ShowOneThreeTimesThenNothingLeft) {
    auto mine = hand({10, 20, 30});
    EXPECT_EQ(showRequest(mine, -1), (Bytes{10, -1, -1}));
    EXPECT_EQ(showRequest(mine, -1), (Bytes{10, 20, -1}));
    EXPECT_EQ(showRequest(mine, -1), (Bytes{10, 20, 30}));
    EXPECT_EQ(showRequest(mine, -1), std::nullopt);
}

TEST(BankerTableRulesTest, ATappedCardThenShowOneSendsTheLaterCardHidden) {
    auto mine = hand({10, 20, 30});
    EXPECT_EQ(showRequest(mine, 30), (Bytes{-1, -1, 30}));
    EXPECT_EQ(showRequest(mine, -1), (Bytes{10, -1, -1}));
    EXPECT_EQ(showRequest(mine, 20), (Bytes{10, 20, 30}));
    // Every card asked for: a show-one sends nothing, a tap resends the hand.
    EXPECT_EQ(showRequest(mine, -1), std::nullopt);
    EXPECT_EQ(showRequest(mine, 10), (Bytes{10, 20, 30}));
}

TEST(BankerTableRulesTest, TheOwnersStart) {
    const struct {
        const char* name;
        std::vector<OtherPlayer> others;
        int64_t money;
        StartCheck expected;
    } cases[] = {
        {"alone", {{false, false}, {false, false}, {false, false}}, 1000, StartCheck::Nothing},
        {"one ready, empty seats ignored", {{true, true}, {false, false}}, 1000, StartCheck::Send},
        {"one not ready", {{true, true}, {true, false}}, 1000, StartCheck::Nothing},
        {"balance equal to the stake", {{true, true}}, 500, StartCheck::Send},
        {"balance below the stake", {{true, true}}, 499, StartCheck::ShortBalance},
    };
    for (const auto& c : cases) EXPECT_EQ(checkStart(c.others, c.money, 500), c.expected) << c.name;
}

TEST(BankerTableRulesTest, ARevealOpensNewPositionsWithinTheHand) {
    EXPECT_EQ(positionsToOpen({-1, 20, -1}, {false, false, false}), (std::vector<int>{1}));
    EXPECT_EQ(positionsToOpen({10, 20, 30}, {true, false, false}), (std::vector<int>{1, 2}));
    // A buffer longer than the hand stops at the hand's size; an empty hand opens nothing.
    EXPECT_EQ(positionsToOpen({10, 20, 30, 40, 50}, {false, false}), (std::vector<int>{0, 1}));
    EXPECT_TRUE(positionsToOpen({10, 20}, {}).empty());
}

TEST(BankerTableRulesTest, DealsVisitSeatedSeatsPassByPass) {
    const std::array<bool, kSeats> twoPlayers{true, false, true, false};
    auto steps = baiCaoDeal(twoPlayers);
    ASSERT_EQ(steps.size(), 6u);  // six steps, kDealStepSeconds apart
    const int expected[6][2] = {{0, 2}, {2, 2}, {0, 1}, {2, 1}, {0, 0}, {2, 0}};
    for (size_t i = 0; i < steps.size(); ++i) {
        EXPECT_EQ(steps[i].seat, expected[i][0]) << i;
        EXPECT_EQ(steps[i].position, expected[i][1]) << i;
    }
    auto xi = xiZachDeal({true, true, true, true});
    ASSERT_EQ(xi.size(), 8u);
    EXPECT_EQ(xi.front().position, 0);
    EXPECT_EQ(xi.back().seat, 3);
    EXPECT_EQ(xi.back().position, 1);
    // A plan is made per deal: one cut short leaves nothing behind for the next.
    EXPECT_EQ(baiCaoDeal(twoPlayers).front().seat, 0);
}

TEST(BankerTableRulesTest, XiZachDrawsExaminationsAndTheOwnersShownHand) {
    constexpr int32_t me = 1, other = 2;
    EXPECT_TRUE(mayDraw(false, me, me));
    EXPECT_FALSE(mayDraw(false, other, me));
    EXPECT_FALSE(mayDraw(true, me, me));
    EXPECT_TRUE(mayExamine(false, me, me, me));
    EXPECT_FALSE(mayExamine(false, me, me, other));  // to act, but not the dealer
    EXPECT_FALSE(mayExamine(false, other, me, me));  // the dealer, not to act
    EXPECT_FALSE(mayExamine(true, me, me, me));
    EXPECT_TRUE(takesDrawnCard(4));
    EXPECT_FALSE(takesDrawnCard(5));
    EXPECT_EQ(ownerShow(3, 3), OwnerShow::Open);
    EXPECT_EQ(ownerShow(4, 3), OwnerShow::Draw);
    EXPECT_EQ(ownerShow(2, 3), OwnerShow::Nothing);
}

TEST(BankerTableRulesTest, ThreeMoneyChangesWithinTheQuietTimePlayOneSound) {
    SoundGate gate;
    EXPECT_TRUE(gate.open(10.0));
    EXPECT_FALSE(gate.open(10.5));
    EXPECT_FALSE(gate.open(11.4));
    EXPECT_TRUE(gate.open(11.5));
}
