#include "screens/EventView.h"

#include "platform/ui/ScreenFactory.h"

namespace zuno {

EventView::EventView(std::string nibName) : ZunoViewController(std::move(nibName)) {}

ZUNO_REGISTER_SCREEN(EventView)

}  // namespace zuno
