#include "games/phom/PhomNewView.h"

#include "platform/ui/ScreenFactory.h"

namespace zuno {

PhomNewView::PhomNewView(std::string nibName) : PhomView(std::move(nibName)) {}

ZUNO_REGISTER_SCREEN(PhomNewView)

}  // namespace zuno
