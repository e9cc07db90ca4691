#include "screens/ConfigView.h"

#include "platform/ui/ScreenFactory.h"

namespace zuno {

ConfigView::ConfigView(std::string nibName) : ZunoViewController(std::move(nibName)) {}

ZUNO_REGISTER_SCREEN(ConfigView)

}  // namespace zuno
