#include "games/caro/CaroView.h"

#include "platform/ui/ScreenFactory.h"

namespace zuno {

CaroView::CaroView(std::string nibName) : ZunoViewController(std::move(nibName)) {}

ZUNO_REGISTER_SCREEN(CaroView)

}  // namespace zuno
