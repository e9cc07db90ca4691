#pragma once

#include "platform/ui/Control.h"

namespace zuno::ui {

// A row of dots, one per page. A tap right of the current dot moves one page on, left of it one page
// back, and sends "value changed".
class PageControl : public Control {
public:
    PageControl();
    explicit PageControl(const Rect& frame);

    int numberOfPages() const { return pages_; }
    void setNumberOfPages(int n);
    int currentPage() const { return current_; }
    void setCurrentPage(int page);
    bool hidesForSinglePage() const { return hidesForSinglePage_; }
    void setHidesForSinglePage(bool on) { hidesForSinglePage_ = on; setNeedsDisplay(); }

    void drawRect(Canvas& canvas, const Rect& rect) override;
    void endTracking(const Touch& touch, const Event& event) override;

private:
    int pages_ = 0;
    int current_ = 0;
    bool hidesForSinglePage_ = false;
};

}  // namespace zuno::ui
