#include "support/SnapshotCompare.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/ui/Image.h"
#include "platform/ui/View.h"
#include "support/LayoutCheck.h"

namespace zuno::testing {

namespace {

std::filesystem::path referencePath(const std::string& name) {
    return std::filesystem::path(ZUNO_SOURCE_DIR) / "tests" / "snapshots" / (name + ".png");
}

std::filesystem::path failurePath(const std::string& name, const char* suffix) {
    auto dir = std::filesystem::current_path() / "snapshots";
    std::filesystem::create_directories(dir);
    return dir / (name + suffix);
}

bool writeFile(const std::filesystem::path& path, const sys::Data& data) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
    return bool(out);
}

int channel(uint32_t p, int shift) { return int((p >> shift) & 0xFF); }

::testing::AssertionResult matchesPicture(const std::shared_ptr<ui::Image>& actual, const std::string& name,
                                          SnapshotTolerance tolerance) {
    if (!actual) return ::testing::AssertionFailure() << name << ": nothing was drawn";
    auto reference = referencePath(name);
    const char* update = std::getenv("ZUNO_UPDATE_SNAPSHOTS");
    if (update && *update && std::string(update) != "0") {
        std::filesystem::create_directories(reference.parent_path());
        if (!writeFile(reference, ui::encodePng(*actual))) {
            return ::testing::AssertionFailure() << "cannot write " << reference;
        }
        return ::testing::AssertionSuccess() << "wrote " << reference;
    }
    auto expected = ui::Image::imageWithContentsOfFile(reference.string());
    if (!expected) {
        writeFile(failurePath(name, ".actual.png"), ui::encodePng(*actual));
        return ::testing::AssertionFailure() << "no reference picture " << reference
                                             << " (make it with ZUNO_UPDATE_SNAPSHOTS=1 and look at it)";
    }
    if (expected->pixelWidth() != actual->pixelWidth() || expected->pixelHeight() != actual->pixelHeight()) {
        writeFile(failurePath(name, ".actual.png"), ui::encodePng(*actual));
        return ::testing::AssertionFailure() << name << ": " << actual->pixelWidth() << " x " << actual->pixelHeight()
                                             << " pixels, the reference has " << expected->pixelWidth() << " x "
                                             << expected->pixelHeight();
    }
    const size_t count = size_t(actual->pixelWidth()) * size_t(actual->pixelHeight());
    std::vector<uint32_t> diff(count, 0xFF000000u);
    size_t differing = 0;
    int worst = 0;
    for (size_t i = 0; i < count; ++i) {
        uint32_t a = actual->pixels()[i], e = expected->pixels()[i];
        int d = 0;
        for (int shift : {0, 8, 16, 24}) d = std::max(d, std::abs(channel(a, shift) - channel(e, shift)));
        worst = std::max(worst, d);
        if (d > tolerance.channel) {
            ++differing;
            diff[i] = 0xFFFF0000u;
        }
    }
    double share = count ? double(differing) / double(count) : 0;
    if (share <= tolerance.differing) return ::testing::AssertionSuccess();
    auto actualPath = failurePath(name, ".actual.png");
    writeFile(actualPath, ui::encodePng(*actual));
    writeFile(failurePath(name, ".diff.png"),
              ui::encodePng(*ui::Image::fromPixels(actual->pixelWidth(), actual->pixelHeight(), std::move(diff))));
    return ::testing::AssertionFailure() << name << ": " << differing << " of " << count
                                         << " pixels differ (worst channel difference " << worst << "); see "
                                         << actualPath;
}

}  // namespace

::testing::AssertionResult matchesReference(const ui::RasterScreen& screen, const std::string& name,
                                            SnapshotTolerance tolerance) {
    expectWindowsLaidOut("picture " + name);
    return matchesPicture(screen.toImage(), name, tolerance);
}

::testing::AssertionResult matchesReference(ui::View& view, const std::string& name, SnapshotTolerance tolerance) {
    expectKnownLayout(checkLayoutOfView(view), "picture " + name);
    return matchesPicture(ui::Image::imageWithData(ui::snapshotViewPng(view)), name, tolerance);
}

}  // namespace zuno::testing
