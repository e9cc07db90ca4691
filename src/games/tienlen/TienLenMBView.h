#pragma once

#include <string>

#include "games/tienlen/TienLenView.h"

namespace zuno {

// The Tien Len Mien Bac table: the southern table with the northern rules and service; the first deal
// after I join carries the 3-of-spades rule and no later one; my ready state also goes to my account;
// the gifts of an empty place stay where they are; a turn I let run out is not passed for me.
class TienLenMBView : public TienLenView {
public:
    TienLenMBView() : TienLenMBView("TienLenView") {}
    explicit TienLenMBView(std::string nibName);

    void startWithWhoMoveFirst(int32_t whoMoveFirst, uint8_t interval, const CardIds& myCards) override;

protected:
    bool isNorthern() const override { return true; }
    void sortIds(std::span<int8_t> ids) const override;
    int8_t typeOf(std::span<const int8_t> ids) const override;
    bool beats(std::span<const int8_t> mine, int8_t myType, std::span<const int8_t> table,
               int8_t tableType) const override;
    void autoSelect(std::span<const int8_t> table, SelectableHand& hand) const override;
    TienLenService& service() const override;
};

}  // namespace zuno
