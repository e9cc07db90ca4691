#include "standin-server/StandinBankerJudge.h"

namespace zuno::standin::bankerjudge {

namespace {
int value(int8_t id) { return id / 4 + 1; }  // 1 ace ... 13 king

int64_t compare(int punter, int banker, int64_t stake) {
    if (punter == banker) return 0;
    return punter > banker ? stake : -stake;
}

// "1 point", "6 points"; a Vietnamese count takes the same word whatever the number.
std::string pointsText(int points, const std::string& language, const char* vietnameseWord) {
    const std::string count = std::to_string(points);
    if (language == "vi") return count + " " + vietnameseWord;
    return count + (points == 1 ? " point" : " points");
}
}  // namespace

int baiCaoPoints(const std::vector<int8_t>& cards) {
    int sum = 0;
    for (int8_t id : cards)
        if (id >= 0 && value(id) < 10) sum += value(id);
    return sum % 10;
}

int xiZachPoints(const std::vector<int8_t>& cards) {
    int sum = 0, aces = 0;
    for (int8_t id : cards) {
        if (id < 0) continue;
        const int v = value(id);
        if (v == 1) ++aces;
        sum += v >= 10 ? 10 : v;
    }
    // One ace counted as 11 where it does not bust the hand.
    if (aces > 0 && sum + 10 <= 21) sum += 10;
    return sum;
}

int64_t baiCaoPayout(const std::vector<int8_t>& punter, const std::vector<int8_t>& banker, int64_t stake) {
    return compare(baiCaoPoints(punter), baiCaoPoints(banker), stake);
}

int64_t xiZachPayout(const std::vector<int8_t>& punter, const std::vector<int8_t>& banker, int64_t stake) {
    const int mine = xiZachPoints(punter), theirs = xiZachPoints(banker);
    if (bust(mine)) return -stake;
    if (bust(theirs)) return stake;
    return compare(mine, theirs, stake);
}

std::string baiCaoText(const std::vector<int8_t>& cards, const std::string& language) {
    return pointsText(baiCaoPoints(cards), language, "nút");
}

std::string xiZachText(const std::vector<int8_t>& cards, const std::string& language) {
    const int points = xiZachPoints(cards);
    if (bust(points)) return (language == "vi" ? "Quắc (" : "Bust (") + std::to_string(points) + ")";
    return pointsText(points, language, "điểm");
}

}  // namespace zuno::standin::bankerjudge
