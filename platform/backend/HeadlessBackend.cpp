#include "platform/backend/HeadlessBackend.h"

#include "platform/core/RunLoop.h"

namespace zuno::ui {

void HeadlessBackend::run() { sys::RunLoop::main().run(); }

RasterScreen& HeadlessBackend::screen() {
    const Size size = Screen::windowSize();
    if (!screen_ || screen_->width() != int(size.width) || screen_->height() != int(size.height))
        screen_ = std::make_unique<RasterScreen>(int(size.width), int(size.height));
    return *screen_;
}

bool HeadlessBackend::snapshot(const std::string& path) {
    RasterScreen& raster = screen();
    raster.renderApplication();
    return raster.writePng(path);
}

}  // namespace zuno::ui
