// Search speed over the puzzles in bench/puzzles: time per puzzle and search steps per second,
// serially and on two threads, and the speed-up of two threads on the 18 x 18 puzzle.
#include "cli/check_runner.h"
#include "cli/check_window.h"
#include "formats/puzzle_reader.h"
#include "model/session.h"
#include "search/search_session.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>

namespace {

using namespace corvane;

/// The puzzle whose speed-up the benchmark reports.
constexpr const char* SpeedUpPuzzle = "05_four_pairs_18x18";

/// Loads `path` and searches it to the end on `threads` threads (the serial search for one).
CheckResult searchFile(SearchSession& search, const std::string& path, unsigned threads) {
    CheckWindow window(0);
    Session session(window, nullptr);
    session.settings.directAutoSelect = 1;
    session.board.currentFilePath = path;
    if (!loadPuzzleFile(session, FormatAuto)) return {};
    return searchBoard(session, search, window, 0, nullptr, threads);
}

/// Loads and searches one puzzle per iteration, in its recommended direction.
void searchPuzzle(benchmark::State& state, const std::string& path, unsigned threads) {
    std::uint64_t steps = 0, solutions = 0;
    auto search = std::make_unique<SearchSession>();
    for (auto _ : state) {
        const CheckResult r = searchFile(*search, path, threads);
        if (r.status == CheckStatus::LoadFailed) {
            state.SkipWithError("cannot load the puzzle");
            return;
        }
        steps += r.steps;
        solutions = r.solutions;
    }
    state.counters["steps/s"] = benchmark::Counter(double(steps), benchmark::Counter::kIsRate);
    state.counters["steps"] = double(steps) / double(state.iterations());
    state.counters["solutions"] = double(solutions);
}

/// Serial and two-thread time of one puzzle, measured in turn in every iteration, and their
/// ratio: on a machine shared with other work the two see the same load.
void speedUp(benchmark::State& state, const std::string& path) {
    using Clock = std::chrono::steady_clock;
    auto search = std::make_unique<SearchSession>();
    double serialMs = 0, parallelMs = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        const CheckResult serial = searchFile(*search, path, 1);
        const auto t1 = Clock::now();
        const CheckResult parallel = searchFile(*search, path, 2);
        const auto t2 = Clock::now();
        if (serial.steps != parallel.steps || serial.solutions != parallel.solutions) {
            state.SkipWithError("the two searches disagree");
            return;
        }
        serialMs += std::chrono::duration<double, std::milli>(t1 - t0).count();
        parallelMs += std::chrono::duration<double, std::milli>(t2 - t1).count();
    }
    const auto n = double(state.iterations());
    state.counters["serial_ms"] = serialMs / n;
    state.counters["two_threads_ms"] = parallelMs / n;
    state.counters["speed_up"] = parallelMs > 0 ? serialMs / parallelMs : 0;
}

void registerPuzzles() {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(CORVANE_BENCH_PUZZLES))
        if (entry.path().extension() == ".txt") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
        const std::string name = file.stem().string();
        benchmark::RegisterBenchmark(name.c_str(), searchPuzzle, file.string(), 1u)
            ->Unit(benchmark::kMillisecond)
            ->MinTime(0.5);
        // Wall time: the main thread only waits and merges.
        benchmark::RegisterBenchmark((name + "/2_threads").c_str(), searchPuzzle, file.string(), 2u)
            ->Unit(benchmark::kMillisecond)
            ->MinTime(0.5)
            ->UseRealTime();
        if (name == SpeedUpPuzzle)
            benchmark::RegisterBenchmark((name + "/speed_up").c_str(), speedUp, file.string())
                ->Unit(benchmark::kMillisecond)
                ->Iterations(5)
                ->UseRealTime();
    }
}

} // namespace

namespace corvane {
/// Registers the benchmarks of the every-cell puzzles (every_cell_bench.cpp).
void registerEveryCellPuzzles();
} // namespace corvane

int main(int argc, char** argv) {
    registerPuzzles();
    corvane::registerEveryCellPuzzles();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
