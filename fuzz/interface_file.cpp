// Interface files: any bytes must load (or be refused with a report) without crashing.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/core/Log.h"
#include "platform/core/RunLoop.h"
#include "platform/ui/InterfaceLoader.h"
#include "platform/ui/ViewController.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = [] {
        zuno::sys::RunLoop::main().bindToCurrentThread();
        zuno::sys::RunLoop::main().setVirtualClock(true);
        zuno::sys::Log::startCapture();
        return true;
    }();
    (void)ready;
    auto owner = std::make_shared<zuno::ui::ViewController>();
    zuno::ui::InterfaceLoader::loadFromText(std::string(reinterpret_cast<const char*>(data), size), *owner, "fuzz");
    owner.reset();
    zuno::sys::RunLoop::main().reset();
    zuno::sys::Log::clearCaptured();
    return 0;
}
