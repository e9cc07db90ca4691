#include "games/banker/BaiCaoView.h"

#include "platform/ui/ScreenFactory.h"

namespace zuno {

BaiCaoView::BaiCaoView(std::string nibName) : GameCardView(std::move(nibName)) {}

ZUNO_REGISTER_SCREEN(BaiCaoView)

}  // namespace zuno
