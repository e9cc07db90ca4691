#include "money/TransactionView.h"

#include "platform/ui/ScreenFactory.h"

namespace zuno {

TransactionView::TransactionView(std::string nibName) : ZunoViewController(std::move(nibName)) {}

ZUNO_REGISTER_SCREEN(TransactionView)

}  // namespace zuno
