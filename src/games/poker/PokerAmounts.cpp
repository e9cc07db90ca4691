#include "games/poker/PokerAmounts.h"

#include <algorithm>

namespace zuno {

std::string formatPokerAmount(int32_t amount) {
    if (amount > 9999) return std::to_string(amount / 1000) + "k";
    return std::to_string(amount);
}

int32_t snapPokerAmount(int32_t value) {
    if (value <= 100) return value + 1;
    const int32_t step = value <= 1000 ? 10 : 100;
    return (value + step) - (value + step) % step;
}

PokerSlider openPokerSlider(int32_t toCall, int32_t stack) {
    PokerSlider slider;
    slider.maximum = stack;
    slider.minimum = toCall == 0 ? std::min(stack, 499) : toCall + 1;
    return movePokerSlider(slider, slider.minimum);
}

PokerSlider movePokerSlider(PokerSlider slider, int32_t value) {
    slider.label = snapPokerAmount(value);
    slider.value = slider.minimum > slider.maximum ? slider.maximum
                                                   : std::clamp(slider.label, slider.minimum, slider.maximum);
    return slider;
}

}  // namespace zuno
