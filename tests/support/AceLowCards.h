#pragma once

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace zuno::testing {

// A card of the ace-low games by name, "AS" ... "KH" (ace low; spade, club, diamond, heart).
inline int8_t aceLowCard(const std::string& name) {
    static const std::string kRanks = "A23456789TJQK", kSuits = "SCDH";
    return static_cast<int8_t>(kRanks.find(name[0]) * 4 + kSuits.find(name[1]));
}

// "AS 9C TD KH".
inline std::vector<int8_t> aceLowCards(const std::string& text) {
    std::vector<int8_t> out;
    std::istringstream in(text);
    for (std::string word; in >> word;) out.push_back(aceLowCard(word));
    return out;
}

}  // namespace zuno::testing
