#include "shell/CustomUIScrollView.h"

#include "platform/core/Log.h"
#include "platform/ui/ScreenFactory.h"

namespace zuno {

void CustomUIScrollView::touchesEnded(const ui::TouchSet& touches, const ui::Event& event) {
    sys::Log::line("touch in scroll view");
    if (!isDragging()) {
        if (auto* next = nextResponder()) next->touchesEnded(touches, event);
    }
    ui::ScrollView::touchesEnded(touches, event);
}

ZUNO_REGISTER_VIEW(CustomUIScrollView)

}  // namespace zuno
