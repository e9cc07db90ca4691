#include "games/banker/XiZachView.h"

#include "platform/ui/ScreenFactory.h"

namespace zuno {

XiZachView::XiZachView(std::string nibName) : GameCardView(std::move(nibName)) {}

ZUNO_REGISTER_SCREEN(XiZachView)

}  // namespace zuno
