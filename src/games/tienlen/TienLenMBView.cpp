#include "games/tienlen/TienLenMBView.h"

#include "games/tienlen/CardMBUtils.h"
#include "games/tienlen/TienLenMBService.h"
#include "platform/ui/ScreenFactory.h"

namespace zuno {

TienLenMBView::TienLenMBView(std::string nibName) : TienLenView(std::move(nibName)) {}

void TienLenMBView::startWithWhoMoveFirst(int32_t whoMoveFirst, uint8_t interval, const CardIds& myCards) {
    TienLenView::startWithWhoMoveFirst(whoMoveFirst, interval, myCards);
    // Set only when I join this table: the rule holds for the first deal after it.
    setIsFirstMatch(false);
}

void TienLenMBView::sortIds(std::span<int8_t> ids) const { CardMBUtils::sort(ids); }
int8_t TienLenMBView::typeOf(std::span<const int8_t> ids) const { return CardMBUtils::getType(ids); }
bool TienLenMBView::beats(std::span<const int8_t> mine, int8_t myType, std::span<const int8_t> onTable,
                          int8_t tableType) const {
    return CardMBUtils::available(mine, myType, onTable, tableType);
}
void TienLenMBView::autoSelect(std::span<const int8_t> onTable, SelectableHand& hand) const {
    CardMBUtils::autoSelect(onTable, hand);
}
TienLenService& TienLenMBView::service() const { return TienLenMBService::getInstance(); }

ZUNO_REGISTER_SCREEN(TienLenMBView)

}  // namespace zuno
