#pragma once

#include <cstdint>
#include <string>

namespace zuno {

// How the Poker table writes an amount: above 9999 in whole thousands with "k" (25000 as "25k",
// 12500 as "12k"), otherwise as it is.
std::string formatPokerAmount(int32_t amount);

// The bet slider: its bounds, its value and the amount its label shows.
struct PokerSlider {
    int32_t minimum = 0;
    int32_t maximum = 0;
    int32_t value = 0;
    int32_t label = 0;  // the snapped amount, shown even where the bounds hold the value back
};

// The amount the slider moves to from a value: one more up to 100, then the next multiple of 10 up
// to 1000, then of 100 (100 -> 101, 101 -> 110, 1000 -> 1010, 1001 -> 1100).
int32_t snapPokerAmount(int32_t value);

// The slider as it opens for a stack with `toCall` to call: nothing to call starts it at the stack
// or 499, whichever is smaller; otherwise one above the call. A minimum above the stack opens it at
// the stack, so what it sends is all in. The opening snaps once, as every change does.
PokerSlider openPokerSlider(int32_t toCall, int32_t stack);
// The slider after its value was moved to `value`: snapped, then held inside the bounds.
PokerSlider movePokerSlider(PokerSlider slider, int32_t value);

}  // namespace zuno
