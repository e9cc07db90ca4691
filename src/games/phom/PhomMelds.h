#pragma once

#include <span>

namespace zuno {

// The Phom meld tests over card-id arrays in which -1 marks an empty entry. A set (ba la) is three
// or four cards of one rank; a run (sanh) is three or more consecutive ranks of one suit, ace low
// and without wrapping (ace-two-three is a run, queen-king-ace is not).
class PhomMelds {
public:
    // Sorts in place: real ids ascending, then every -1.
    static void orderArrayIncrease(std::span<int> cards);
    // The tests look at a sorted copy, up to the first -1; the array itself is left as it is.
    static bool checkPhomBaLa(std::span<const int> cards);
    static bool checkPhomSanh(std::span<const int> cards);
    // Index of the first -1, or -1 when every entry is filled (a full row of fired cards).
    static int getAssetArray(std::span<const int> row);
};

}  // namespace zuno
