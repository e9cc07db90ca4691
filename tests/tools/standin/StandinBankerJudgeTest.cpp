// The stand-in's banker judge on fixed hands.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "standin-server/StandinBankerJudge.h"
#include "support/AceLowCards.h"

namespace J = zuno::standin::bankerjudge;
using zuno::testing::aceLowCards;

namespace {
std::vector<int8_t> cards(const std::string& text) { return aceLowCards(text); }
}  // namespace

TEST(StandinBankerJudge, BaiCaoPointsAndPayouts) {
    const struct {
        const char* hand;
        int points;
    } cases[] = {{"AS 2C 3D", 6}, {"9S 9C 9D", 7}, {"TS JC QD", 0}, {"KS AH 8C", 9}, {"5S 5C TD", 0}};
    for (const auto& c : cases) EXPECT_EQ(J::baiCaoPoints(cards(c.hand)), c.points) << c.hand;
    EXPECT_EQ(J::baiCaoPayout(cards("KS AH 8C"), cards("AS 2C 3D"), 500), 500);
    EXPECT_EQ(J::baiCaoPayout(cards("AS 2C 3D"), cards("KS AH 8C"), 500), -500);
    EXPECT_EQ(J::baiCaoPayout(cards("TS JC QD"), cards("5S 5C TD"), 500), 0);
    EXPECT_EQ(J::baiCaoText(cards("KS AH 8C"), "en"), "9 points");
    EXPECT_EQ(J::baiCaoText(cards("KS AH 8C"), "vi"), "9 nút");
    EXPECT_EQ(J::baiCaoText(cards("KS AH TC"), "en"), "1 point");
    EXPECT_EQ(J::baiCaoText(cards("KS AH TC"), "vi"), "1 nút");
}

TEST(StandinBankerJudge, XiZachCountsAcesAndBusts) {
    const struct {
        const char* hand;
        int points;
    } cases[] = {{"AS KC", 21}, {"AS AC", 12}, {"AS 5C KD", 16}, {"TS 9C 5D", 24}, {"2S 3C 4D 5H 6S", 20}};
    for (const auto& c : cases) EXPECT_EQ(J::xiZachPoints(cards(c.hand)), c.points) << c.hand;
    // A bust punter loses even to a bust banker; a bust banker pays the others.
    EXPECT_EQ(J::xiZachPayout(cards("TS 9C 5D"), cards("TH 9D 8D"), 300), -300);
    EXPECT_EQ(J::xiZachPayout(cards("TS 7C"), cards("TH 9D 8D"), 300), 300);
    EXPECT_EQ(J::xiZachPayout(cards("TS 7C"), cards("TH 8D"), 300), -300);
    EXPECT_EQ(J::xiZachPayout(cards("TS 8C"), cards("TH 8D"), 300), 0);
    EXPECT_EQ(J::xiZachText(cards("TS 9C 5D"), "en"), "Bust (24)");
    EXPECT_EQ(J::xiZachText(cards("TS 9C 5D"), "vi"), "Quắc (24)");
    EXPECT_EQ(J::xiZachText(cards("AS 5C KD"), "vi"), "16 điểm");
}
