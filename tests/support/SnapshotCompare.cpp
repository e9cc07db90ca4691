#include "support/SnapshotCompare.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/backend/RasterScreen.h"
#include "platform/ui/Image.h"
#include "platform/ui/View.h"

namespace zuno::testing {

namespace {
bool writeFile(const std::string& path, const sys::Data& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return bool(out);
}

// Kept after the run, for looking at.
std::string failureFolder() {
    auto folder = std::filesystem::temp_directory_path() / "zuno-snapshots";
    std::filesystem::create_directories(folder);
    return folder.string();
}

int channel(uint32_t pixel, int shift) { return int((pixel >> shift) & 0xff); }
}  // namespace

::testing::AssertionResult matchesSnapshot(ui::View& view, const std::string& relativePath, int channelTolerance,
                                           double maxDifferingFraction) {
    const std::string reference = std::string(ZUNO_SOURCE_DIR) + "/" + relativePath;
    const sys::Data actualPng = ui::snapshotViewPng(view);
    const char* update = std::getenv("ZUNO_UPDATE_SNAPSHOTS");
    if (update && std::string(update) == "1") {
        writeFile(reference, actualPng);
        return ::testing::AssertionSuccess() << "reference written: " << reference;
    }
    auto expected = ui::Image::imageWithContentsOfFile(reference);
    if (!expected) return ::testing::AssertionFailure() << "no reference picture " << reference;
    auto actual = ui::Image::imageWithData(actualPng);
    const std::string name = std::filesystem::path(relativePath).stem().string();
    const std::string actualPath = failureFolder() + "/" + name + "-actual.png";
    if (!actual || actual->size() != expected->size()) {
        writeFile(actualPath, actualPng);
        return ::testing::AssertionFailure() << "picture size differs from " << reference << "; actual: " << actualPath;
    }
    const int w = actual->pixelWidth(), h = actual->pixelHeight();
    std::vector<uint32_t> diff(size_t(w) * h, 0xff000000);
    size_t differing = 0;
    for (size_t i = 0; i < diff.size(); ++i) {
        const uint32_t a = actual->pixels()[i], e = expected->pixels()[i];
        for (int shift : {0, 8, 16, 24}) {
            if (std::abs(channel(a, shift) - channel(e, shift)) > channelTolerance) {
                diff[i] = 0xffff0000;
                ++differing;
                break;
            }
        }
    }
    if (double(differing) <= maxDifferingFraction * double(diff.size())) return ::testing::AssertionSuccess();
    writeFile(actualPath, actualPng);
    const std::string diffPath = failureFolder() + "/" + name + "-diff.png";
    writeFile(diffPath, ui::encodePng(*ui::Image::fromPixels(w, h, std::move(diff))));
    return ::testing::AssertionFailure() << differing << " of " << diff.size() << " pixels differ from " << reference
                                         << "; actual: " << actualPath << ", diff: " << diffPath;
}

}  // namespace zuno::testing
