#include "screens/ProfileView.h"

#include "platform/ui/ScreenFactory.h"

namespace zuno {

ProfileView::ProfileView(std::string nibName) : ZunoViewController(std::move(nibName)) {}

ZUNO_REGISTER_SCREEN(ProfileView)

}  // namespace zuno
