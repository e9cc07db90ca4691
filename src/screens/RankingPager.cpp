#include "screens/RankingPager.h"

namespace zuno {

bool RankingPager::onNext() {
    if (onLastPage()) return false;
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

void RankingPager::lock() {
    locked_ = true;
    nextEnabled_ = previousEnabled_ = false;
}

void RankingPager::setEnabledForButton() {
    locked_ = false;
    nextEnabled_ = true;
    previousEnabled_ = page_ != 0;
}

bool RankingPager::pageReceived(size_t rows) {
    if (rows > pageSize_) pageSize_ = rows;
    if (rows == 0 && lastFilled_ && *lastFilled_ < page_) {
        page_ = *lastFilled_;
        lastPage_ = page_;
        if (!locked_) previousEnabled_ = page_ != 0;
        return true;
    }
    if (rows > 0) lastFilled_ = page_;
    if (rows < kPageRows) lastPage_ = page_;
    // A full page where the end was: the ranking grew.
    else if (lastPage_ && *lastPage_ <= page_) lastPage_.reset();
    return false;
}

int RankingPager::placeOf(int row) const { return row + 1 + static_cast<int>(pageSize_) * page_; }

}  // namespace zuno
