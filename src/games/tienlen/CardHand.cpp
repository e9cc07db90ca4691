#include "games/tienlen/SelectableHand.h"

#include <utility>

namespace zuno {

CardHand::CardHand(std::vector<int8_t> ids) : ids_(std::move(ids)), selected_(ids_.size(), false) {}

std::vector<int8_t> CardHand::getSelectedCardsValue() const {
    std::vector<int8_t> out;
    for (size_t i = 0; i < ids_.size(); ++i)
        if (selected_[i]) out.push_back(ids_[i]);
    return out;
}

void CardHand::unSelectAllCards() { selected_.assign(ids_.size(), false); }

void CardHand::selectCardAt(int position) {
    if (holds(position)) selected_[static_cast<size_t>(position)] = true;
}

bool CardHand::isSelected(int position) const { return holds(position) && selected_[static_cast<size_t>(position)]; }

std::vector<int> CardHand::selectedPositions() const {
    std::vector<int> out;
    for (size_t i = 0; i < ids_.size(); ++i)
        if (selected_[i]) out.push_back(static_cast<int>(i));
    return out;
}

}  // namespace zuno
