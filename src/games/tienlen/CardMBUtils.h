#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "games/tienlen/SelectableHand.h"
#include "games/tienlen/TienLenCard.h"

namespace zuno {

// The northern (Mien Bac) Tien Len rules: the operations of CardUtils under the same names, with the
// northern conditions of suit and colour. Combinations are of one suit or one colour, and a set is
// beaten only by a set of the same suits (2s aside). Sets are read ascending, as in CardUtils.
class CardMBUtils {
public:
    static void sort(std::span<int8_t> cards);

    // The combination type of an ascending set; logs one line naming it.
    static int8_t getType(std::span<const int8_t> cards);

    static bool is1(std::span<const int8_t> cards);
    static bool isDoi(std::span<const int8_t> cards);
    static bool is3la(std::span<const int8_t> cards);
    static bool is3DoiThong(std::span<const int8_t> cards);
    static bool is4DoiThong(std::span<const int8_t> cards);
    static bool isTuQuy(std::span<const int8_t> cards);
    static bool isSanh(std::span<const int8_t> cards);

    // Every card has the suit of the first; every card has the colour of the first.
    static bool isSameType(std::span<const int8_t> cards);
    static bool isSameColor(std::span<const int8_t> cards);
    // Equal lengths and, position by position, equal suits.
    static bool isSameTypeAndColor(std::span<const int8_t> cards1, std::span<const int8_t> cards2);

    static bool available(std::span<const int8_t> baiSapDanh, int8_t typeBaiSapDanh,
                          std::span<const int8_t> baiDanh, int8_t typeBaiDanh);

    // The longest run of consecutive pairs of an ascending set, counted the northern way (pairs step up
    // within one colour); 0 for 48 cards or more.
    static int demDoiThong(std::span<const int8_t> cards);

    static bool checkForceFinishWithCards(std::span<const int8_t> cards, bool newGame);
    // The dealt hand holds the 3 of spades and its six lowest cards are three consecutive pairs.
    static bool checkForceFinishWith3DoiThongCo3Bich(std::span<const int8_t> cards);

    static std::vector<int8_t> autoSelect(std::span<const int8_t> currentCards, SelectableHand& player);

    static std::vector<int8_t> findAndSelectTwin(int8_t threshold, std::span<const int8_t> cards);
    // A triple above the threshold in the suits of the ascending table triple.
    static std::vector<int8_t> findAndSelectTriple(int8_t threshold, std::span<const int8_t> cards,
                                                   std::span<const int8_t> currentCards);
    static std::vector<int8_t> findAndSelectQuart(int8_t threshold, std::span<const int8_t> cards);
    static std::vector<int8_t> findAndSelectSeries(int8_t threshold, std::span<const int8_t> cards, int length);
    static std::vector<int8_t> findDoubleSequence(int8_t threshold, std::span<const int8_t> cards, int noPair);
};

}  // namespace zuno
