#include "games/tienlen/TienLenView.h"

#include "platform/ui/ScreenFactory.h"

namespace zuno {

TienLenView::TienLenView(std::string nibName) : GameCardView(std::move(nibName)) {}

ZUNO_REGISTER_SCREEN(TienLenView)

}  // namespace zuno
