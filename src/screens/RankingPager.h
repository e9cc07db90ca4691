#pragma once

#include <cstddef>

namespace zuno {

// The pages of one ranking as state without views: the page shown (from 0), the page buttons (both
// locked for 2.0 s after a press, whatever the reply time) and the places of the rows. Places count
// with the page size, the largest page received so far: on page 1 a 5-row page shows 11 to 15 when
// earlier pages held 10.
class RankingPager {
public:
    static constexpr double kLockSeconds = 2.0;

    int page() const { return page_; }
    // The next page: true (always) when it is to be asked for; the buttons lock.
    bool onNext();
    // The previous page: false (and nothing changes) at page 0.
    bool onPrevious();
    // The lock is over: both buttons work again, but for previous at page 0.
    void setEnabledForButton();
    bool nextEnabled() const { return nextEnabled_; }
    bool previousEnabled() const { return previousEnabled_; }

    // A page arrived with this many rows.
    void pageReceived(size_t rows);
    size_t pageSize() const { return pageSize_; }
    // The place shown on a row of the page (from 1).
    int placeOf(int row) const;

private:
    void lock();

    int page_ = 0;
    size_t pageSize_ = 0;
    bool nextEnabled_ = true;
    bool previousEnabled_ = true;
};

}  // namespace zuno
