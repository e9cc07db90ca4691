// The desktop window's scale on displays of several sizes: SDL's dummy video driver stands in for the
// window system, and the display's usable area is the one the backend's probe is given.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "platform/backend/SdlWindowBackend.h"
#include "platform/core/Log.h"
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
// still fits the display, and the landscape window's scale comes back when the table is left. Pictures
// are loaded at the finer of the two, so neither shape draws them enlarged.
TEST_F(WindowScaleTest, TheUprightWindowTakesTheLargestScaleThatFitsTheDisplay) {
    struct Case {
        double width, height;
        std::string landscape, upright;
        int pictures;
    };
    const Case cases[] = {
        {1280, 1024, "960x640 at 2", "320x480 at 1", 2}, {1280, 800, "960x640 at 2", "320x480 at 1", 2},
        {1920, 1200, "960x640 at 2", "640x960 at 2", 2}, {1024, 768, "480x320 at 1", "320x480 at 1", 1},
        {800, 1280, "480x320 at 1", "640x960 at 2", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(int(c.width)) + " x " + std::to_string(int(c.height)));
        onDisplay(c.width, c.height);
        SdlWindowBackend window("scale");
        if (!window.open()) GTEST_SKIP() << "no dummy video driver";
        EXPECT_EQ(turned(window, kLandscape), c.landscape);
        EXPECT_EQ(turned(window, kUpright), c.upright);
        EXPECT_EQ(turned(window, kLandscape), c.landscape);
        EXPECT_EQ(Screen::scale(), c.pictures);
    }
}

// Each shape's scale, and the warning, for a scale the display decides (0) or one asked for: a window
// larger than the usable area in either shape is named; one that fits only without its frame is not.
TEST_F(WindowScaleTest, AScaleAskedForThatOutgrowsTheDisplayIsNamed) {
    struct Case {
        std::optional<Size> area;
        int asked, landscape, upright;
        std::string warning;
    };
    const std::string upright = "the upright window (640 x 960 pixels) does not fit";
    const Case cases[] = {
        {Size{1280, 800}, 0, 2, 1, ""},
        {Size{1280, 800}, 1, 1, 1, ""},
        {Size{1280, 800}, 2, 2, 2, upright},
        {Size{1280, 1024}, 0, 2, 1, ""},
        {Size{1280, 1024}, 2, 2, 2, ""},
        {Size{960, 960}, 2, 2, 2, ""},
        {Size{960, 959}, 2, 2, 2, upright},
        {Size{800, 1280}, 0, 1, 2, ""},
        {Size{800, 1280}, 2, 2, 2, "the landscape window (960 x 640 pixels) does not fit"},
        {Size{1024, 600}, 2, 2, 2,
         "the landscape window (960 x 640 pixels) and the upright window (640 x 960 pixels) do not fit"},
        {Size{400, 300}, 0, 1, 1, ""},
        {Size{400, 300}, 1, 1, 1,
         "the landscape window (480 x 320 pixels) and the upright window (320 x 480 pixels) do not fit"},
        {std::nullopt, 0, 1, 1, ""},
        {std::nullopt, 2, 2, 2, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.area ? std::to_string(int(c.area->width)) + " x " + std::to_string(int(c.area->height))
                             : std::string("unknown area")) +
                     ", asked " + std::to_string(c.asked));
        EXPECT_EQ(SdlWindowBackend::chooseScale(c.asked, {480, 320}, c.area), c.landscape);
        EXPECT_EQ(SdlWindowBackend::chooseScale(c.asked, {320, 480}, c.area), c.upright);
        const std::string warning = SdlWindowBackend::scaleWarning(c.asked, c.area);
        if (c.warning.empty()) {
            EXPECT_EQ(warning, "");
        } else {
            EXPECT_NE(warning.find(c.warning), std::string::npos) << warning;
        }
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

// On a 1280 x 800 display --scale 2 keeps the upright window doubled, larger than the display: one
// warning says so when the window opens, and none follows as the window turns.
TEST_F(WindowScaleTest, AScaleTheUserAskedForRulesBothWays) {
    const auto warnings = [] {
        int count = 0;
        for (const std::string& line : sys::Log::captured())
            count += line.find("does not fit the display") != std::string::npos;
        return count;
    };
    sys::setRequestedDisplayScale(2);
    onDisplay(1280, 800);
    SdlWindowBackend window("scale");
    if (!window.open()) GTEST_SKIP() << "no dummy video driver";
    EXPECT_EQ(warnings(), 1);
    EXPECT_EQ(turned(window, kUpright), "640x960 at 2");
    EXPECT_EQ(turned(window, kLandscape), "960x640 at 2");
    EXPECT_EQ(turned(window, kUpright), "640x960 at 2");
    EXPECT_EQ(warnings(), 1);
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
