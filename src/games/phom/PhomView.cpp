#include "games/phom/PhomView.h"

#include "platform/ui/ScreenFactory.h"

namespace zuno {

PhomView::PhomView(std::string nibName) : ZunoViewController(std::move(nibName)) {}

ZUNO_REGISTER_SCREEN(PhomView)

}  // namespace zuno
