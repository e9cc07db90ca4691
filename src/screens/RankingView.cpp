#include "screens/RankingView.h"

#include "platform/ui/ScreenFactory.h"

namespace zuno {

RankingView::RankingView(std::string nibName) : ZunoViewController(std::move(nibName)) {}

ZUNO_REGISTER_SCREEN(RankingView)

}  // namespace zuno
