// The every-cell rule on the puzzles of bench/every-cell (random path covers of the sizes
// published puzzles come in): time per puzzle under that rule, serially and on two threads,
// and under the standard rule where that search ends within seconds.
#include "cli/check_runner.h"
#include "cli/check_window.h"
#include "formats/puzzle_reader.h"
#include "model/session.h"
#include "search/search_session.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <memory>

namespace {

using namespace corvane;

/// Boards up to this many cells are also searched under the standard rule, which takes
/// minutes and more on the larger ones.
constexpr int StandardRuleCells = 15 * 15;

/// Loads `path` and searches it to the end under the rule, on `threads` threads.
CheckResult searchFile(SearchSession& search, const std::string& path, int fillAllCells,
                       unsigned threads, int& cells) {
    CheckWindow window(0);
    Session session(window, nullptr);
    session.settings.directAutoSelect = 1;
    session.settings.fillAllCells = fillAllCells;
    session.board.currentFilePath = path;
    if (!loadPuzzleFile(session, FormatAuto)) return {};
    cells = session.board.boardWidth * session.board.boardHeight;
    return searchBoard(session, search, window, 0, nullptr, threads);
}

void searchEveryCell(benchmark::State& state, const std::string& path, int fillAllCells,
                     unsigned threads) {
    auto search = std::make_unique<SearchSession>();
    std::uint64_t steps = 0, solutions = 0;
    for (auto _ : state) {
        int cells = 0;
        const CheckResult r = searchFile(*search, path, fillAllCells, threads, cells);
        if (r.status == CheckStatus::LoadFailed) {
            state.SkipWithError("cannot load the puzzle");
            return;
        }
        steps += r.steps;
        solutions = r.solutions;
    }
    state.counters["steps"] = double(steps) / double(state.iterations());
    state.counters["solutions"] = double(solutions);
}

} // namespace

namespace corvane {

void registerEveryCellPuzzles() {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(CORVANE_EVERY_CELL_PUZZLES))
        if (entry.path().extension() == ".txt") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
        const std::string name = "every_cell/" + file.stem().stem().string();
        benchmark::RegisterBenchmark((name + "/fill").c_str(), searchEveryCell, file.string(), 1,
                                     1u)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((name + "/fill_2_threads").c_str(), searchEveryCell,
                                     file.string(), 1, 2u)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        int cells = 0;
        CheckWindow window(0);
        Session session(window, nullptr);
        session.board.currentFilePath = file.string();
        if (loadPuzzleFile(session, FormatAuto))
            cells = session.board.boardWidth * session.board.boardHeight;
        if (cells <= StandardRuleCells)
            benchmark::RegisterBenchmark((name + "/standard").c_str(), searchEveryCell,
                                         file.string(), 0, 1u)
                ->Unit(benchmark::kMillisecond);
    }
}

} // namespace corvane
