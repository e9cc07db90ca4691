// A banker card: whose it is, its face or back, and what a tap asks of the table per game.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "games/banker/BCCardView.h"
#include "games/banker/BankerCardTaps.h"
#include "games/banker/BaiCaoPlayer.h"
#include "shell/UIController.h"

using namespace zuno;

namespace {
constexpr int32_t kMe = 4711;

struct RecordingTable : BankerCardTaps {
    std::vector<std::string> calls;
    void doFireWithCardId(int8_t id) override { calls.push_back("fire " + std::to_string(id)); }
    void xetBaiWithPlayer(int32_t id) override { calls.push_back("examine " + std::to_string(id)); }
};

class BCCardViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto me = std::make_shared<BaiCaoPlayer>();
        me->setIDDB(kMe);
        UIController::setMyInfo(me);
    }
};
}  // namespace

TEST_F(BCCardViewTest, MyCardsBackedAtBaiCaoAndOpenAtXiZach) {
    auto baiCao = BCCardView::initWithCardID(12, true, kMe, true);
    EXPECT_TRUE(baiCao->isTouch);
    EXPECT_FALSE(baiCao->isChecked);
    ASSERT_TRUE(baiCao->cover());
    EXPECT_EQ(baiCao->cover()->frame().size.width, baiCao->frame().size.width);

    auto xiZach = BCCardView::initWithCardID(12, true, kMe, false);
    EXPECT_TRUE(xiZach->isTouch);
    EXPECT_TRUE(xiZach->isChecked);
    EXPECT_FALSE(xiZach->cover());

    auto other = BCCardView::initWithCardID(-1, true, 9, true);
    EXPECT_FALSE(other->isTouch);
    EXPECT_FALSE(other->cover());
    other->showFace();
    EXPECT_TRUE(other->isChecked);
    EXPECT_TRUE(other->cover());
}

TEST_F(BCCardViewTest, TapsPerGameAndOwner) {
    const struct {
        const char* name;
        int32_t holder;
        int8_t gameType;
        std::vector<std::string> expected;
    } cases[] = {
        {"my Bai Cao card", kMe, BCCardView::kBaiCaoType, {"fire 12"}},
        {"another's Bai Cao card", 9, BCCardView::kBaiCaoType, {}},
        {"my Xi Zach card never examines", kMe, BCCardView::kXiZachType, {"fire 12"}},
        {"another's Xi Zach card", 9, BCCardView::kXiZachType, {"examine 9"}},
        {"another game", kMe, 5, {}},
    };
    for (const auto& c : cases) {
        RecordingTable table;
        auto card = BCCardView::initWithCardID(12, true, c.holder, c.gameType == BCCardView::kBaiCaoType);
        card->tap(c.gameType, &table);
        card->tap(c.gameType, nullptr);
        EXPECT_EQ(table.calls, c.expected) << c.name;
    }
}
