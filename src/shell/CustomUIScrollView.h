#pragma once

#include "platform/ui/ScrollView.h"

namespace zuno {

// A scroll view that passes a tap (a touch that ends without a drag) on to its next responder as
// well, so that the view behind it sees the tap too.
class CustomUIScrollView : public ui::ScrollView {
public:
    using ui::ScrollView::ScrollView;
    void touchesEnded(const ui::TouchSet& touches, const ui::Event& event) override;
};

}  // namespace zuno
