#include "screens/ServerView.h"

#include "platform/ui/ScreenFactory.h"

namespace zuno {

ServerView::ServerView(std::string nibName) : ZunoViewController(std::move(nibName)) {}

ZUNO_REGISTER_SCREEN(ServerView)

}  // namespace zuno
