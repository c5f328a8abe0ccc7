// Longer sweeps of the parallel search against the serial one (label heavy): bigger generated
// boards and a bench puzzle of 142124 steps, in every direction.
#include "serial_comparison.h"

namespace corvane {
namespace {

using testing::boardFromFile;
using testing::expectSerialResults;
using testing::generatedBoards;

TEST(ParallelSearchHeavy, GivesTheSerialResultOnBiggerGeneratedPuzzles) {
    int multiple = 0;
    expectSerialResults(generatedBoards(600, 77, 6, 6, 5), multiple);
    EXPECT_GT(multiple, 600);
}

TEST(ParallelSearchHeavy, GivesTheSerialResultOnALongBenchPuzzle) {
    int multiple = 0;
    expectSerialResults(
        {boardFromFile(std::filesystem::path(CORVANE_BENCH_PUZZLES) / "04_four_pairs_15x15.txt")},
        multiple);
    EXPECT_EQ(multiple, 8);
}

} // namespace
} // namespace corvane
