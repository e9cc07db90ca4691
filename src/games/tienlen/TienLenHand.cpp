#include "games/tienlen/SelectableHand.h"

#include <utility>

namespace zuno {

TienLenHand::TienLenHand(std::vector<int8_t> ids) : ids_(std::move(ids)), selected_(ids_.size(), false) {}

std::vector<int8_t> TienLenHand::getSelectedCardsValue() const {
    std::vector<int8_t> out;
    for (size_t i = 0; i < ids_.size(); ++i)
        if (selected_[i]) out.push_back(ids_[i]);
    return out;
}

void TienLenHand::unSelectAllCards() { selected_.assign(ids_.size(), false); }

void TienLenHand::selectCardAt(int position) {
    if (holds(position)) selected_[static_cast<size_t>(position)] = true;
}

bool TienLenHand::isSelected(int position) const { return holds(position) && selected_[static_cast<size_t>(position)]; }

std::vector<int> TienLenHand::selectedPositions() const {
    std::vector<int> out;
    for (size_t i = 0; i < ids_.size(); ++i)
        if (selected_[i]) out.push_back(static_cast<int>(i));
    return out;
}

}  // namespace zuno
