// The board games' rules engines: what a Co Tuong move costs the board (the hints of the picked-up
// piece and the check test of the announced move), and Co Vua target searches counted to depth 4.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "games/cotuong/CCBoardModel.h"
#include "games/covua/CoVuaBoard.h"
#include "platform/core/Log.h"

using namespace zuno;

namespace {

struct CoTuongMove {
    CoTuongPoint from;  // (file from the left, rank from the top)
    CoTuongPoint to;
};

// A random game from the start position, both sides picking among their hints.
std::vector<CoTuongMove> randomCoTuongGame(unsigned seed, int plies) {
    std::mt19937 rng(seed);
    CCBoardModel board;
    board.newGame("red", "black", "black");
    std::vector<CoTuongMove> game;
    bool top = false;
    for (int ply = 0; ply < plies; ++ply) {
        Team* mover = top ? board.topTeam() : board.bottomTeam();
        std::vector<CoTuongMove> moves;
        for (const auto& p : mover->pieces())
            for (CoTuongSquare t : p->detectMoveable())
                moves.push_back({{float(p->x()), float(9 - p->y())}, {float(t.x), float(9 - t.y)}});
        if (moves.empty()) break;
        CoTuongMove m = moves[std::uniform_int_distribution<size_t>(0, moves.size() - 1)(rng)];
        auto shown = board.movePiecefromPoint(m.from, m.to);
        game.push_back(m);
        if (shown.captured && shown.captured->vital()) break;
        top = !top;
    }
    return game;
}

// The elephant's refusals write debug lines; they are kept in memory here, not printed.
struct QuietLog {
    QuietLog() { sys::Log::startCapture(); }
    ~QuietLog() { sys::Log::stopCapture(); }
};

void BM_CoTuongHintsAndCheckPerMove(benchmark::State& state) {
    QuietLog quiet;
    std::vector<std::vector<CoTuongMove>> games;
    for (unsigned seed = 1; seed <= 20; ++seed) games.push_back(randomCoTuongGame(seed, 120));
    int64_t moves = 0;
    for (auto _ : state) {
        for (const auto& game : games) {
            state.PauseTiming();
            sys::Log::clearCaptured();
            CCBoardModel board;
            board.newGame("red", "black", "black");
            state.ResumeTiming();
            for (const auto& m : game) {
                Piece* piece = board.getUnitAtPoint(int(m.from.x), 9 - int(m.from.y));
                benchmark::DoNotOptimize(piece->detectMoveable());
                benchmark::DoNotOptimize(board.movePiecefromPoint(m.from, m.to));
                ++moves;
            }
        }
    }
    state.counters["moves/s"] = benchmark::Counter(double(moves), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CoTuongHintsAndCheckPerMove)->Unit(benchmark::kMillisecond);

void BM_CoTuongAllHintsOfTheStartPosition(benchmark::State& state) {
    QuietLog quiet;
    CCBoardModel board;
    board.newGame("red", "black", "black");
    for (auto _ : state) {
        for (const auto& p : board.bottomTeam()->pieces()) benchmark::DoNotOptimize(p->detectMoveable());
        sys::Log::clearCaptured();
    }
    state.SetItemsProcessed(state.iterations() * 16);
}
BENCHMARK(BM_CoTuongAllHintsOfTheStartPosition);

constexpr int32_t kWhite = 1;
constexpr int32_t kBlack = 2;

// The position after the mover's move, turned round so that the next mover is at the bottom.
CoVuaBoard turnedAfter(const CoVuaBoard& b, int fr, int fc, CoVuaSquare to) {
    CoVuaBoard next;
    next.setPlayers(kWhite, kBlack, !b.isWhite());
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c) {
            int8_t code = b.pieceAt(r, c);
            if (r == fr && c == fc) code = 0;
            if (r == to.row && c == to.col) code = b.pieceAt(fr, fc);
            next.setPieceAt(7 - r, 7 - c, code);
        }
    return next;
}

uint64_t countPositions(CoVuaBoard& b, int depth) {
    int colour = b.isWhite() ? 0 : 1;
    int32_t who = b.isWhite() ? kWhite : kBlack;
    uint64_t total = 0;
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c) {
            int8_t code = b.pieceAt(r, c);
            if (code == 0 || CoVuaCodes::colourIndex(code) != colour) continue;
            auto targets = b.checkListCanMove(r, c, who);
            if (depth == 1) {
                total += targets.size();
                continue;
            }
            for (CoVuaSquare t : targets) {
                CoVuaBoard next = turnedAfter(b, r, c, t);
                total += countPositions(next, depth - 1);
            }
        }
    return total;
}

void BM_CoVuaMoveCountToDepth(benchmark::State& state) {
    int depth = static_cast<int>(state.range(0));
    uint64_t positions = 0;
    for (auto _ : state) {
        CoVuaBoard start;
        start.newGame(true);
        start.setPlayers(kWhite, kBlack, true);
        positions += countPositions(start, depth);
    }
    state.counters["positions"] = benchmark::Counter(double(positions) / double(state.iterations()));
    state.counters["positions/s"] = benchmark::Counter(double(positions), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CoVuaMoveCountToDepth)->DenseRange(1, 4)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
