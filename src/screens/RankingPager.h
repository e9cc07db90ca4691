#pragma once

#include <cstddef>
#include <optional>

namespace zuno {

// The pages of one ranking as state without views: the page shown (from 0), the page buttons (both
// locked for 2.0 s after a press, whatever the reply time) and the places of the rows. Places count
// with the page size, the largest page received so far: on page 1 a 5-row page shows 11 to 15 when
// earlier pages held 10.
//
// The server gives no count of pages: a page shorter than a full one is the last, and so is the page
// before an empty one. Next is off on the last page once it is known.
class RankingPager {
public:
    static constexpr double kLockSeconds = 2.0;
    static constexpr size_t kPageRows = 10;  // what the server sends per page

    int page() const { return page_; }
    // The next page: true when it is to be asked for; the buttons lock. False (and nothing changes) on
    // the last page.
    bool onNext();
    // The previous page: false (and nothing changes) at page 0.
    bool onPrevious();
    // The lock is over: both buttons work again, but for previous at page 0 and next on the last page.
    void setEnabledForButton();
    bool nextEnabled() const { return nextEnabled_ && !onLastPage(); }
    bool previousEnabled() const { return previousEnabled_; }

    // A page arrived with this many rows. True when it came empty past the end: the pager is back on
    // the last page that held rows (shown again as it was), which is the last page.
    bool pageReceived(size_t rows);
    size_t pageSize() const { return pageSize_; }
    // The place shown on a row of the page (from 1).
    int placeOf(int row) const;

private:
    void lock();
    bool onLastPage() const { return lastPage_ && page_ >= *lastPage_; }

    int page_ = 0;
    size_t pageSize_ = 0;
    std::optional<int> lastFilled_;  // the last page that came with rows
    std::optional<int> lastPage_;
    bool locked_ = false;
    bool nextEnabled_ = true;
    bool previousEnabled_ = true;
};

}  // namespace zuno
