#include "games/blocks/BlocksView.h"

#include "platform/ui/ScreenFactory.h"

namespace zuno {

BlocksView::BlocksView(std::string nibName) : ZunoViewController(std::move(nibName)) {}

ZUNO_REGISTER_SCREEN(BlocksView)

}  // namespace zuno
