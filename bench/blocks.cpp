// Pieces simulated per second by the local Blocks game under random input.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "games/blocks/BlocksGame.h"
#include "platform/core/Log.h"
#include "platform/core/RunLoop.h"

using namespace zuno;

namespace {

void BM_BlocksPiecesWithRandomInput(benchmark::State& state) {
    std::mt19937 rng(2024);
    sys::RunLoop loop;  // holds the drop timer; ticks are driven here directly
    BlocksGame game([&rng] { return static_cast<uint32_t>(rng()); }, loop);
    std::vector<int8_t> kinds(64);
    std::vector<int8_t> holes(2);
    int64_t pieces = 0;
    sys::Log::startCapture();  // every lost game logs a line; keep them off the report

    auto over = [&game] { return !game.gameBoard() || (game.isGameEnd() && !game.isDropLoopRunning()); };
    for (auto _ : state) {
        if (over()) {
            for (auto& k : kinds) k = static_cast<int8_t>(rng() % 7);
            sys::Log::clearCaptured();
            game.gameEnd();
            game.startWithBricks(kinds, static_cast<int32_t>(kinds.size()));
        }
        int32_t landed = game.gameMoveCount();
        // Play one piece: a few random moves and turns between ticks until it lands.
        while (game.gameMoveCount() == landed && !over()) {
            switch (rng() % 8) {
                case 0: game.moveBlockLeft(); break;
                case 1: game.moveBlockRight(); break;
                case 2: game.rotateBlock(); break;
                case 3: game.moveBlockDown(); break;
                case 4:
                    if (rng() % 16 == 0) {
                        for (auto& h : holes) h = static_cast<int8_t>(rng() % 10);
                        game.addRandomWithRos(holes, 2);
                    }
                    break;
                default: game.dropBlock(); break;
            }
        }
        ++pieces;
    }
    sys::Log::stopCapture();
    state.counters["pieces/s"] = benchmark::Counter(static_cast<double>(pieces), benchmark::Counter::kIsRate);
}

}  // namespace

BENCHMARK(BM_BlocksPiecesWithRandomInput);

BENCHMARK_MAIN();
