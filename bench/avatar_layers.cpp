// The layered avatar: eight layers placed and stacked again by depth (goal: under 50 us), and a burst of
// thirty item pictures stored and decoded for drawing (goal: under 100 ms).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/core/DataFolder.h"
#include "platform/core/RunLoop.h"
#include "platform/core/UserDefaults.h"
#include "platform/ui/Image.h"
#include "screens/AvatarLayers.h"
#include "shell/Resources.h"

namespace {

using namespace zuno;

void BM_PlaceAndRestackEightLayers(benchmark::State& state) {
    auto picture = ui::Image::fromPixels(48, 88, std::vector<uint32_t>(48 * 88, 0xff8040c0));
    for (auto _ : state) {
        auto host = std::make_shared<ui::View>();
        AvatarLayers layers(AvatarLayers::kShopOffset);
        layers.setHost(host);
        for (int32_t category = 0; category < 8; ++category)
            layers.place({category, 40, 60, int16_t((category * 5) % 8)}, picture);
        layers.place({3, 40, 60, 9}, picture);
        benchmark::DoNotOptimize(layers.stackOrder());
    }
}
BENCHMARK(BM_PlaceAndRestackEightLayers)->Unit(benchmark::kMicrosecond);

void BM_BurstOfThirtyItemPictures(benchmark::State& state) {
    // The pictures go to a folder of the benchmark's own, never to the user's defaults.
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "zuno-bench-avatar-layers";
    std::filesystem::create_directories(folder);
    sys::setDataFolder(folder.string());
    sys::UserDefaults::reopenStandard();
    std::ifstream in(std::string(ZUNO_BENCH_BUNDLE_DIR) + "/images/figure-hair-0.png", std::ios::binary);
    const sys::Data png((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Resources& resources = Resources::getInstance();
    int32_t first = 100000;
    for (auto _ : state) {
        for (int32_t id = first; id < first + 30; ++id) resources.setItemWithImage(png, id);
        sys::RunLoop::main().runFor(0);  // the one write of the burst
        for (int32_t id = first; id < first + 30; ++id) benchmark::DoNotOptimize(resources.getItemImageWithKey(id));
        first += 30;
    }
    sys::UserDefaults::reopenStandard();
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_BurstOfThirtyItemPictures)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
