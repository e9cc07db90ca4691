#include "games/cotuong/CoTuongView.h"

#include "platform/ui/ScreenFactory.h"

namespace zuno {

CoTuongView::CoTuongView(std::string nibName) : ZunoViewController(std::move(nibName)) {}

ZUNO_REGISTER_SCREEN(CoTuongView)

}  // namespace zuno
