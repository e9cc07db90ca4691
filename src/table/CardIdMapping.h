#pragma once

#include <cstdint>

namespace zuno {

// Phom, new Phom and Poker number cards ace-low (id = value * 4 + suit, value 0 ace ... 12 king);
// the card images are numbered in the Tien Len order (id = rank * 4 + suit, rank 0 "3" ... 12 "2").
// These convert between the two; the card sprites use them to pick their images.
class CardIdMapping {
public:
    // What an id that is not a card (-1, a card seen from the back) maps to.
    static constexpr int kCardBack = -1;

    // The image number of an ace-low id: its Tien Len id (p - 8 above 7, else p + 44), except that
    // Tien Len id 0 is image 100. Ids outside 0..51 are shown as the back of a card.
    static int mapToRealCardIdWithId(int8_t phomId);

    // Converts an ace-low id to its image number and back, which gives every id 0..51 unchanged;
    // anything else gives -1.
    static int8_t mapToPhomValue(int8_t phomId);
};

}  // namespace zuno
