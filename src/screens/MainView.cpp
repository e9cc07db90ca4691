#include "screens/MainView.h"

#include "platform/ui/ScreenFactory.h"

namespace zuno {

ZUNO_REGISTER_SCREEN(MainView)

}  // namespace zuno
