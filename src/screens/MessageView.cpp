#include "screens/MessageView.h"

#include "platform/ui/ScreenFactory.h"

namespace zuno {

MessageView::MessageView(std::string nibName) : ZunoViewController(std::move(nibName)) {}

ZUNO_REGISTER_SCREEN(MessageView)

}  // namespace zuno
