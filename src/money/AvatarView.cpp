#include "money/AvatarView.h"

#include "platform/ui/ScreenFactory.h"

namespace zuno {

AvatarView::AvatarView(std::string nibName) : ZunoViewController(std::move(nibName)) {}

ZUNO_REGISTER_SCREEN(AvatarView)

}  // namespace zuno
