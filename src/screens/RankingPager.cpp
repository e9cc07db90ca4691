#include "screens/RankingPager.h"

namespace zuno {

bool RankingPager::onNext() {
    ++page_;
    lock();
    return true;
}

bool RankingPager::onPrevious() {
    if (page_ <= 0) return false;
    --page_;
    lock();
    return true;
}

void RankingPager::lock() { nextEnabled_ = previousEnabled_ = false; }

void RankingPager::setEnabledForButton() {
    nextEnabled_ = true;
    previousEnabled_ = page_ != 0;
}

void RankingPager::pageReceived(size_t rows) {
    if (rows > pageSize_) pageSize_ = rows;
}

int RankingPager::placeOf(int row) const { return row + 1 + static_cast<int>(pageSize_) * page_; }

}  // namespace zuno
