#include "games/covua/CoVuaView.h"

#include "platform/ui/ScreenFactory.h"

namespace zuno {

CoVuaView::CoVuaView(std::string nibName) : ZunoViewController(std::move(nibName)) {}

ZUNO_REGISTER_SCREEN(CoVuaView)

}  // namespace zuno
