// The every-cell rule on larger boards: the same comparisons as the normal run, longer.
#include "fill_rule_boards.h"

namespace corvane::testing {
namespace {

TEST(FillRuleHeavy, FindsExactlyTheStandardSolutionsWithoutEmptyCells) {
    std::vector<Board> boards = everyCellBoards(400, 30, 6, 5);
    const std::vector<Board> rare = severalEveryCellBoards(40, 31);
    boards.insert(boards.end(), rare.begin(), rare.end());
    int several = 0, none = 0;
    expectEveryCellSolutionsAmongStandard(boards, several, none);
    EXPECT_GT(several, 30);
}

TEST(FillRuleHeavy, ParallelSearchGivesTheSerialResultOnLargePuzzles) {
    std::mt19937 random(32);
    std::vector<Board> boards;
    while (boards.size() < 30) {
        const int w = 10 + int(random() % 10), h = 10 + int(random() % 10);
        if (const auto cover = randomPathCover(w, h, random, w * h / 12))
            boards.push_back(coverPuzzle(*cover));
    }
    int multiple = 0;
    expectSerialResults(boards, multiple, 1);
}

} // namespace
} // namespace corvane::testing
