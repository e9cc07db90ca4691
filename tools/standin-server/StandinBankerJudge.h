#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zuno::standin {

// The stand-in's minimal judge of the banker games (cards numbered ace-low: id / 4 is the value, 0 the
// ace ... 12 the king). Bai Cao: the card values summed modulo 10, tens and faces counting 0. Xi Zach:
// the usual count, an ace 1 or 11, tens and faces 10; above 21 is bust.
namespace bankerjudge {

int baiCaoPoints(const std::vector<int8_t>& cards);
int xiZachPoints(const std::vector<int8_t>& cards);
inline bool bust(int xiZachPoints) { return xiZachPoints > 21; }

// What the banker pays the punter (negative: the punter pays): the stake, its opposite, or 0 for a tie.
// Xi Zach: a bust punter loses whatever the banker holds; a bust banker pays every other punter.
int64_t baiCaoPayout(const std::vector<int8_t>& punter, const std::vector<int8_t>& banker, int64_t stake);
int64_t xiZachPayout(const std::vector<int8_t>& punter, const std::vector<int8_t>& banker, int64_t stake);

// The result text a player sees at his seat, in English or, for "vi", in Vietnamese.
std::string baiCaoText(const std::vector<int8_t>& cards, const std::string& language);
std::string xiZachText(const std::vector<int8_t>& cards, const std::string& language);

}  // namespace bankerjudge
}  // namespace zuno::standin
