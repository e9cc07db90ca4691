#include "screens/LoginView.h"

#include "platform/ui/ScreenFactory.h"

namespace zuno {

LoginView::LoginView(std::string nibName) : ZunoViewController(std::move(nibName)) {}

ZUNO_REGISTER_SCREEN(LoginView)

}  // namespace zuno
