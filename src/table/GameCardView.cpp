#include "table/GameCardView.h"

#include "platform/ui/ScreenFactory.h"

namespace zuno {

GameCardView::GameCardView(std::string nibName) : ZunoViewController(std::move(nibName)) {}

ZUNO_REGISTER_SCREEN(GameCardView)

}  // namespace zuno
