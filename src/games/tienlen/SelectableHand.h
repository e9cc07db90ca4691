#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zuno {

// The own hand as automatic selection sees it: ids in hand order and which cards are raised. The table
// screen adapts its player's card sprites to this; TienLenHand is the plain in-memory version.
class SelectableHand {
public:
    virtual ~SelectableHand() = default;

    // Every card id, in hand order.
    virtual std::vector<int8_t> cardIds() const = 0;
    // The ids of the raised cards, in hand order; empty when none is raised.
    virtual std::vector<int8_t> getSelectedCardsValue() const = 0;
    // Lowers every raised card.
    virtual void unSelectAllCards() = 0;
    // Raises the card at a hand position; a position outside the hand changes nothing.
    virtual void selectCardAt(int position) = 0;
};

class TienLenHand : public SelectableHand {
public:
    TienLenHand() = default;
    explicit TienLenHand(std::vector<int8_t> ids);

    std::vector<int8_t> cardIds() const override { return ids_; }
    std::vector<int8_t> getSelectedCardsValue() const override;
    void unSelectAllCards() override;
    void selectCardAt(int position) override;

    bool isSelected(int position) const;
    // Positions of the raised cards, ascending.
    std::vector<int> selectedPositions() const;

private:
    bool holds(int position) const { return position >= 0 && static_cast<size_t>(position) < ids_.size(); }

    std::vector<int8_t> ids_;
    std::vector<bool> selected_;
};

}  // namespace zuno
