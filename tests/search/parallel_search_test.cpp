// The parallel search gives the serial search's result: message, count, steps and answers in
// order, with and without a limit, on generated puzzles and the examples in every direction.
#include "serial_comparison.h"

namespace corvane {
namespace {

using testing::boardFromFile;
using testing::expectSerialResults;
using testing::generatedBoards;

TEST(ParallelSearch, GivesTheSerialResultOnGeneratedPuzzlesInEveryDirection) {
    int multiple = 0;
    expectSerialResults(generatedBoards(200, 2024, 5, 5, 4), multiple);
    EXPECT_GT(multiple, 200); // boards and directions with several solutions
}

TEST(ParallelSearch, GivesTheSerialResultOnTheExamplesAndSmallBenchPuzzles) {
    std::vector<Board> boards;
    for (const auto& entry : std::filesystem::directory_iterator(CORVANE_EXAMPLES))
        if (entry.path().extension() == ".txt") boards.push_back(boardFromFile(entry.path()));
    for (const char* name : {"02_sparse_12x12.txt", "03_four_pairs_15x15.txt"})
        boards.push_back(boardFromFile(std::filesystem::path(CORVANE_BENCH_PUZZLES) / name));
    int multiple = 0;
    expectSerialResults(boards, multiple);
    EXPECT_GT(multiple, 8);
}

} // namespace
} // namespace corvane
