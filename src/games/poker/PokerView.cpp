#include "games/poker/PokerView.h"

#include "platform/ui/ScreenFactory.h"

namespace zuno {

PokerView::PokerView(std::string nibName) : ZunoViewController(std::move(nibName)) {}

ZUNO_REGISTER_SCREEN(PokerView)

}  // namespace zuno
