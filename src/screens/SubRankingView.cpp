#include "screens/SubRankingView.h"

#include "platform/ui/ScreenFactory.h"

namespace zuno {

SubRankingView::SubRankingView(std::string nibName) : ZunoViewController(std::move(nibName)) {}

ZUNO_REGISTER_SCREEN(SubRankingView)

}  // namespace zuno
