// The main of every test program: the test thread is the main thread, each test starts with an empty
// main run loop on a virtual clock, and log lines are captured (and printed when a test fails).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "platform/core/Log.h"
#include "platform/core/RunLoop.h"
#include "platform/core/Bundle.h"
#include "support/ClientReset.h"
#include "support/PlatformReset.h"

namespace {

class FreshMainLoop : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        auto& loop = zuno::sys::RunLoop::main();
        loop.bindToCurrentThread();
        loop.reset();
        loop.setVirtualClock(true);
        zuno::testing::resetPlatformServices();
        zuno::testing::resetClientState();
        zuno::sys::Log::startCapture();
    }

    void OnTestEnd(const ::testing::TestInfo& info) override {
        zuno::sys::Log::stopCapture();
        if (info.result() && info.result()->Failed()) {
            auto lines = zuno::sys::Log::captured();
            if (!lines.empty()) {
                std::fprintf(stderr, "---- log of %s.%s ----\n", info.test_suite_name(), info.name());
                for (const auto& l : lines) std::fprintf(stderr, "%s\n", l.c_str());
            }
        }
        zuno::sys::RunLoop::main().reset();
    }
};

}  // namespace

// Under ThreadSanitizer a report ends the program at once. The text and drawing libraries (GLib, Pango,
// Fontconfig, HarfBuzz, FreeType, Cairo, Pixman) are not built with the sanitizer, and Pango shares
// their state between its own threads under GLib's locks, bare futexes the sanitizer cannot see: the
// C library calls those libraries make are left unchecked. Our own code, and the calls of every other
// library (the C++ library, libcurl, SDL), are checked in full.
extern "C" const char* __tsan_default_options() { return "halt_on_error=1:second_deadlock_stack=1"; }
extern "C" const char* __tsan_default_suppressions() {
    return "called_from_lib:libglib-2.0.so.0\n"
           "called_from_lib:libgobject-2.0.so.0\n"
           "called_from_lib:libpango-1.0.so.0\n"
           "called_from_lib:libpangoft2-1.0.so.0\n"
           "called_from_lib:libpangocairo-1.0.so.0\n"
           "called_from_lib:libfontconfig.so.1\n"
           "called_from_lib:libharfbuzz.so.0\n"
           "called_from_lib:libfreetype.so.6\n"
           "called_from_lib:libcairo.so.2\n"
           "called_from_lib:libpixman-1.so.0\n";
}

int main(int argc, char** argv) {
    ::testing::InitGoogleMock(&argc, argv);
    zuno::sys::RunLoop::main().bindToCurrentThread();
    zuno::testing::useTemporaryDataFolder();
    zuno::sys::Bundle::setMainPath(ZUNO_BUNDLE_DIR);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshMainLoop);
    int result = RUN_ALL_TESTS();
    zuno::testing::removeTemporaryDataFolder();
    return result;
}
