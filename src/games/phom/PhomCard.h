#pragma once

#include <cstdint>

namespace zuno {

// One card of the own hand at a Phom or new Phom table, as the rules see it. Ids are ace-low:
// rank = id / 4 (0 ace, 1 two ... 12 king), suit = id % 4; -1 is no card.
struct PhomCard {
    int8_t cardID = -1;
    // Meld number, 0 for a free card. Kept in an int: new Phom's numbers only grow during a deal and
    // a byte would wrap onto 0 or onto a number still in use. Never sent to the server.
    int phom = 0;
    // Phom: the card belongs to a meld built round an eaten card. New Phom: the card was eaten.
    bool isFix = false;
    bool isSelected = false;
    // Copy of isSelected taken when an eat request is made; the eat result moves these cards.
    bool isChecked = false;

    bool isReal() const { return cardID >= 0; }
    bool isFree() const { return phom == 0; }
    int rank() const { return cardID / 4; }
    int suit() const { return cardID % 4; }
    // Points: ace 1 ... king 13.
    int value() const { return rank() + 1; }
};

}  // namespace zuno
