#pragma once

#include <memory>
#include <string>

#include "platform/backend/RasterScreen.h"

namespace zuno::ui {

// Runs the program without a window (no display needed): the main loop runs as usual and the screen
// is drawn only when a snapshot is asked for.
class HeadlessBackend {
public:
    // Runs the main loop until it is stopped.
    void run();
    // Draws the screen as it is now and writes it as a PNG file.
    bool snapshot(const std::string& path);
    // At the windows' size now.
    RasterScreen& screen();

private:
    std::unique_ptr<RasterScreen> screen_;
};

}  // namespace zuno::ui
