#include "games/tienlen/TienLenMBView.h"

#include "platform/ui/ScreenFactory.h"

namespace zuno {

TienLenMBView::TienLenMBView(std::string nibName) : TienLenView(std::move(nibName)) {}

ZUNO_REGISTER_SCREEN(TienLenMBView)

}  // namespace zuno
