// The desktop window's scale on displays of several sizes: SDL's dummy video driver stands in for the
// window system, and the display's usable area is the one the backend's probe is given.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "platform/backend/SdlWindowBackend.h"
#include "platform/core/PlatformOptions.h"
#include "platform/ui/Application.h"

namespace zuno::ui {
namespace {

class WindowScaleTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("SDL_VIDEODRIVER", "dummy", 1);
        sys::setRequestedDisplayScale(0);
    }
    void TearDown() override {
        Application::shared().setStatusBarOrientation(InterfaceOrientation::LandscapeRight);
        SdlWindowBackend::setDisplayProbe({});
        sys::setRequestedDisplayScale(0);
        Screen::setScale(0);
    }

    static void onDisplay(double width, double height) {
        SdlWindowBackend::setDisplayProbe({[] { return true; }, [=](int) { return Size{width, height}; }});
    }

    // The window in pixels and its scale once the screen has turned that way.
    static std::string turned(SdlWindowBackend& window, InterfaceOrientation orientation) {
        Application::shared().setStatusBarOrientation(orientation);
        window.present(true);
        const Size pixels = window.pixelSize();
        return std::to_string(int(pixels.width)) + "x" + std::to_string(int(pixels.height)) + " at " +
               std::to_string(window.scale());
    }
};

constexpr auto kUpright = InterfaceOrientation::Portrait;
constexpr auto kLandscape = InterfaceOrientation::LandscapeRight;

// A Blocks table turns the screen upright: the 320 x 480 window takes the largest scale at which it
// still fits the display, and the landscape window's scale comes back when the table is left.
TEST_F(WindowScaleTest, TheUprightWindowTakesTheLargestScaleThatFitsTheDisplay) {
    struct Case {
        double width, height;
        std::string landscape, upright;
    };
    const Case cases[] = {
        {1280, 1024, "960x640 at 2", "320x480 at 1"},
        {1920, 1200, "960x640 at 2", "640x960 at 2"},
        {1024, 768, "480x320 at 1", "320x480 at 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(int(c.width)) + " x " + std::to_string(int(c.height)));
        onDisplay(c.width, c.height);
        SdlWindowBackend window("scale");
        if (!window.open()) GTEST_SKIP() << "no dummy video driver";
        EXPECT_EQ(turned(window, kLandscape), c.landscape);
        EXPECT_EQ(turned(window, kUpright), c.upright);
        EXPECT_EQ(turned(window, kLandscape), c.landscape);
    }
}

// The rule the README gives: twice as large only where the usable area holds the doubled window and 80
// pixels each way for its frame; a pixel less and the window keeps its own size.
TEST_F(WindowScaleTest, TwiceAsLargeNeedsTheDoubledWindowAndEightyPixelsEachWay) {
    struct Case {
        Size points, area;
        int scale;
    };
    const Case cases[] = {
        {{320, 480}, {720, 1040}, 2}, {{320, 480}, {720, 1039}, 1}, {{320, 480}, {719, 1040}, 1},
        {{480, 320}, {1040, 720}, 2}, {{480, 320}, {1040, 719}, 1}, {{320, 480}, {1280, 1024}, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SdlWindowBackend::scaleToFit(c.points, c.area), c.scale)
            << c.points.width << "x" << c.points.height << " on " << c.area.width << "x" << c.area.height;
}

TEST_F(WindowScaleTest, AScaleTheUserAskedForRulesBothWays) {
    sys::setRequestedDisplayScale(2);
    onDisplay(1280, 1024);
    SdlWindowBackend window("scale");
    if (!window.open()) GTEST_SKIP() << "no dummy video driver";
    EXPECT_EQ(turned(window, kUpright), "640x960 at 2");
}

TEST_F(WindowScaleTest, WithoutADisplayNoWindowOpens) {
    SdlWindowBackend::setDisplayProbe({[] { return false; }, [](int) { return Size{1920, 1200}; }});
    EXPECT_FALSE(SdlWindowBackend::hasDisplay());
    SdlWindowBackend window("none");
    EXPECT_FALSE(window.open());
}

// Without a display SDL would fall back to its off-screen driver and show nothing: the display is one
// the environment names, or a video driver asked for by name.
TEST_F(WindowScaleTest, TheDisplayIsOneTheEnvironmentNames) {
    const char* names[] = {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"};
    std::vector<std::optional<std::string>> saved;
    for (const char* name : names) {
        const char* value = std::getenv(name);
        saved.push_back(value ? std::optional<std::string>(value) : std::nullopt);
        ::unsetenv(name);
    }
    EXPECT_FALSE(SdlWindowBackend::hasDisplay());
    for (const char* name : names) {
        ::setenv(name, "x", 1);
        EXPECT_TRUE(SdlWindowBackend::hasDisplay()) << name;
        ::unsetenv(name);
    }
    for (size_t i = 0; i < saved.size(); ++i)
        if (saved[i]) ::setenv(names[i], saved[i]->c_str(), 1);
}

}  // namespace
}  // namespace zuno::ui
