// Search speed over the puzzles in bench/puzzles: time per puzzle and search steps per second.
#include "cli/check_runner.h"
#include "cli/check_window.h"
#include "model/puzzle_reader.h"
#include "model/session.h"
#include "search/search_session.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <memory>

namespace {

using namespace corvane;

/// Loads and searches one puzzle per iteration, in its recommended direction.
void searchPuzzle(benchmark::State& state, const std::string& path) {
    std::uint64_t steps = 0, solutions = 0;
    auto search = std::make_unique<SearchSession>();
    for (auto _ : state) {
        CheckWindow window(0);
        Session session(window, nullptr);
        session.settings.directAutoSelect = 1;
        session.board.currentFilePath = path;
        if (!loadPuzzleFile(session, FormatAuto)) {
            state.SkipWithError("cannot load the puzzle");
            return;
        }
        const CheckResult r = searchBoard(session, *search, window, 0, nullptr);
        steps += r.steps;
        solutions = r.solutions;
    }
    state.counters["steps/s"] = benchmark::Counter(double(steps), benchmark::Counter::kIsRate);
    state.counters["steps"] = double(steps) / double(state.iterations());
    state.counters["solutions"] = double(solutions);
}

void registerPuzzles() {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(CORVANE_BENCH_PUZZLES))
        if (entry.path().extension() == ".txt") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const auto& file : files)
        benchmark::RegisterBenchmark(file.stem().string().c_str(), searchPuzzle, file.string())
            ->Unit(benchmark::kMillisecond)
            ->MinTime(0.5);
}

} // namespace

int main(int argc, char** argv) {
    registerPuzzles();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
