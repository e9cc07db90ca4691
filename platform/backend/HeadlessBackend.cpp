#include "platform/backend/HeadlessBackend.h"

#include "platform/core/RunLoop.h"

namespace zuno::ui {

void HeadlessBackend::run() { sys::RunLoop::main().run(); }

bool HeadlessBackend::snapshot(const std::string& path) {
    screen_.renderApplication();
    return screen_.writePng(path);
}

}  // namespace zuno::ui
