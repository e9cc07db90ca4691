#pragma once

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "games/phom/PhomCard.h"

namespace zuno::test {

// Hand cards as a player reads them, "AS 9C TD KH" (ace low; spade, club, diamond, heart): a meld
// number may follow a colon ("5S:4") and an eaten card is starred ("5S:4*").
inline std::vector<PhomCard> cards(const std::string& text) {
    static const std::string kRanks = "A23456789TJQK", kSuits = "SCDH";
    std::vector<PhomCard> result;
    std::istringstream in(text);
    for (std::string word; in >> word;) {
        PhomCard c{.cardID = static_cast<int8_t>(kRanks.find(word[0]) * 4 + kSuits.find(word[1]))};
        if (word.size() > 3 && word[2] == ':') c.phom = std::stoi(word.substr(3));
        c.isFix = word.back() == '*';
        result.push_back(c);
    }
    return result;
}

inline std::vector<PhomCard> freeCards(const std::vector<int>& ids) {
    std::vector<PhomCard> result;
    for (int id : ids) result.push_back(PhomCard{.cardID = static_cast<int8_t>(id)});
    return result;
}

inline std::vector<int> idsOf(const std::vector<PhomCard>& cards) {
    std::vector<int> ids;
    for (const PhomCard& c : cards) ids.push_back(c.cardID);
    return ids;
}

inline std::vector<int> ids(const std::string& text) { return idsOf(cards(text)); }

inline std::vector<int> meldsOf(const std::vector<PhomCard>& cards) {
    std::vector<int> melds;
    for (const PhomCard& c : cards) melds.push_back(c.phom);
    return melds;
}

}  // namespace zuno::test
