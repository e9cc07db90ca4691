#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "games/tienlen/SelectableHand.h"
#include "games/tienlen/TienLenCard.h"

namespace zuno {

// The southern Tien Len rules the client applies to its own moves before sending them: combination
// types, which set may go on which, the consecutive-pairs count, the instant win after a deal, and the
// automatic choice of cards that beat the table. The server stays the judge; these only decide what the
// table screen offers. Names keep the players' words: Sanh straight, Doi pair, 3la triple, TuQuy four of
// a kind, DoiThong consecutive pairs, BaiSapDanh the cards about to be played, BaiDanh those on the table.
// Every operation that reads positions expects its sets ascending (sort first): a set's top card is its
// last.
class CardUtils {
public:
    // Ascending by id, in place.
    static void sort(std::span<int8_t> cards);

    // The combination type (TienLenCombination) of an ascending set, by the single tests below.
    static int8_t getType(std::span<const int8_t> cards);

    static bool is1(std::span<const int8_t> cards);
    static bool isDoi(std::span<const int8_t> cards);
    static bool is3la(std::span<const int8_t> cards);
    static bool is3DoiThong(std::span<const int8_t> cards);
    static bool is4DoiThong(std::span<const int8_t> cards);
    static bool isTuQuy(std::span<const int8_t> cards);
    static bool isSanh(std::span<const int8_t> cards);

    // Whether the new set (with its type) may be played on the table set (with its type). An empty or
    // untyped (-1) table set means the player leads.
    static bool available(std::span<const int8_t> baiSapDanh, int8_t typeBaiSapDanh,
                          std::span<const int8_t> baiDanh, int8_t typeBaiDanh);

    // Pairs in the longest run of consecutive pairs of an ascending set; 0 for 48 cards or more.
    static int demDoiThong(std::span<const int8_t> cards);

    // Whether a dealt hand of 13 cards (in any order: an ascending copy is tested) wins at once; newGame
    // lets four 3s win. A deal of fewer cards never does.
    static bool checkForceFinishWithCards(std::span<const int8_t> cards, bool newGame);

    // Lowers the player's cards and raises a combination that beats the table set (an empty set when
    // the player leads); returns the raised hand positions, or nothing. Asking again moves on to the
    // next combination above the one raised.
    static std::vector<int8_t> autoSelect(std::span<const int8_t> currentCards, SelectableHand& player);

    // The finders: hand positions of a combination whose deciding card lies above the threshold id (-1
    // for none), searched over the hand ids in hand order; nothing when there is none.
    static std::vector<int8_t> findAndSelectTwin(int8_t threshold, std::span<const int8_t> cards);
    static std::vector<int8_t> findAndSelectTriple(int8_t threshold, std::span<const int8_t> cards);
    static std::vector<int8_t> findAndSelectQuart(int8_t threshold, std::span<const int8_t> cards);
    static std::vector<int8_t> findAndSelectSeries(int8_t threshold, std::span<const int8_t> cards, int length);
    static std::vector<int8_t> findDoubleSequence(int8_t threshold, std::span<const int8_t> cards, int noPair);
};

}  // namespace zuno
