#include "money/MoneyView.h"

#include "platform/ui/ScreenFactory.h"

namespace zuno {

MoneyView::MoneyView(std::string nibName) : ZunoViewController(std::move(nibName)) {}

ZUNO_REGISTER_SCREEN(MoneyView)

}  // namespace zuno
