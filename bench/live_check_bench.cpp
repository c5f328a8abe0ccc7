// The editor's background check per board: the examples from 5 x 5 to 40 x 25 and two of the
// search puzzles. Its time plus the 300 ms delay after a keystroke is the wait for the verdict.
#include "formats/puzzle_reader.h"
#include "model/session.h"
#include "search/silent_window.h"
#include "search/uniqueness_check.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <string>

namespace {

using namespace corvane;

/// Checks the puzzle in `path` once per iteration with one check, made once, as the window
/// keeps it.
void checkPuzzle(benchmark::State& state, const std::string& path) {
    SilentWindow window;
    Session session(window, nullptr);
    session.board.currentFilePath = path;
    if (!loadPuzzleFile(session, FormatAuto)) {
        state.SkipWithError("cannot load the puzzle");
        return;
    }
    UniquenessCheck check;
    const std::atomic<std::uint64_t> latest{1};
    CheckControl control;
    control.latest = &latest;
    control.generation = 1;
    CheckOutcome outcome;
    for (auto _ : state) outcome = check.run(session.board, session.settings, control);
    state.SetLabel(verdictText(outcome.verdict));
    state.counters["steps"] = double(outcome.steps);
}

void registerChecks() {
    const std::string examples = CORVANE_EXAMPLES "/";
    const std::string puzzles = CORVANE_BENCH_PUZZLES "/";
    for (const std::string& path :
         {examples + "unique-5x5.kavrin.txt", examples + "two-solutions-4x3.kavrin.txt",
          examples + "unique-10x10.nsha.txt", examples + "unique-12x10.nshac.txt",
          examples + "unique-30x30.kavrin.txt", examples + "unique-30x30.nsha.txt",
          examples + "unique-40x25.nshac.txt", puzzles + "05_four_pairs_18x18.txt",
          puzzles + "06_corner_100x100.txt"}) {
        const std::string name = "liveCheck/" + path.substr(path.rfind('/') + 1);
        benchmark::RegisterBenchmark(name.c_str(), checkPuzzle, path)
            ->Unit(benchmark::kMillisecond)
            ->MinTime(0.2);
    }
}

const bool registered = (registerChecks(), true);

} // namespace
