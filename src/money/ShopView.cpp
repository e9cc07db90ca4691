#include "money/ShopView.h"

#include "platform/ui/ScreenFactory.h"

namespace zuno {

ZUNO_REGISTER_SCREEN(ShopView)

}  // namespace zuno
