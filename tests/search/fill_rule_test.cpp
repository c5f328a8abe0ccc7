// The every-cell rule: the standard search without the branches that leave a cell empty.
#include "fill_rule_boards.h"

#include <gmock/gmock.h>

namespace corvane::testing {
namespace {

TEST(FillRule, FindsExactlyTheStandardSolutionsWithoutEmptyCells) {
    std::vector<Board> boards = everyCellBoards(250, 20, 2, 5);
    const std::vector<Board> rare = severalEveryCellBoards(25, 23);
    boards.insert(boards.end(), rare.begin(), rare.end());
    int several = 0, none = 0;
    expectEveryCellSolutionsAmongStandard(boards, several, none);
    // The boards must exercise both outcomes, or the comparison proves little.
    EXPECT_GT(several, 20);
    EXPECT_GT(none, 100);
}

TEST(FillRule, ParallelSearchGivesTheSerialResult) {
    std::vector<Board> boards = everyCellBoards(30, 21, 3, 4);
    const std::vector<Board> rare = severalEveryCellBoards(10, 24);
    boards.insert(boards.end(), rare.begin(), rare.end());
    int multiple = 0;
    expectSerialResults(boards, multiple, 1);
    EXPECT_GT(multiple, 5);
}

TEST(FillRule, GeneratedPuzzlesKeepTheAnswerTheyWereMadeFrom) {
    std::mt19937 random(22);
    int kept = 0;
    std::uint64_t fillSteps = 0, standardSteps = 0;
    for (int i = 0; i < 30; ++i) {
        const int w = 6 + int(random() % 9), h = 6 + int(random() % 9);
        const auto cover = randomPathCover(w, h, random, w * h / 8);
        if (!cover) continue;
        const Board board = coverPuzzle(*cover);
        const int d = FirstSearchDirection + i % 8;
        const Outcome standard = searchBoard(board, d, {1, 0}, Answers::Observed, 0);
        const Outcome fill = searchBoard(board, d, {1, 0}, Answers::Observed, 1);
        // Only an answer that keeps the stricter rules of the search is found at all.
        if (std::find(standard.observed.begin(), standard.observed.end(), *cover) ==
            standard.observed.end())
            continue;
        ++kept;
        EXPECT_THAT(fill.observed, ::testing::Contains(*cover)) << "board " << i;
        fillSteps += fill.steps;
        standardSteps += standard.steps;
    }
    EXPECT_GT(kept, 20);
    // The rule prunes the search instead of sorting out finished solutions.
    EXPECT_LT(fillSteps * 5, standardSteps);
}

TEST(FillRule, ReportsNoEmptyCellsAndRefusesBoardsThatMustLeaveOne) {
    struct Row {
        std::vector<std::string> picture;
        const char* standard;
        const char* fill;
    };
    const std::vector<Row> rows{
        // Two clues side by side: one path, the row below stays empty.
        {{"1 1", ". ."}, "解は1個でしたが空白マスがあります。", "明らかに解がありません"},
        // A pocket no pair can enter (cut off by pair 1's forced path).
        {{"1 . 1", "2 . .", "2 . ."}, nullptr, "明らかに解がありません"},
        // Each pair along its edge leaves the middle row empty, and no path can take it.
        {{"1 . . 1", ". . . .", "2 . . 2"},
         "解は1個でしたが空白マスがあります。",
         "明らかに解がありません"},
    };
    for (const Row& row : rows) {
        for (int fill : {0, 1}) {
            const char* expected = fill ? row.fill : row.standard;
            if (!expected) continue;
            SearchRun run(row.picture);
            run.session.settings.fillAllCells = fill;
            run.start();
            EXPECT_EQ(run.lastMessage(), expected) << row.picture[0] << " fill " << fill;
            EXPECT_TRUE(!fill || withoutEmptyCells(run.answers()) == run.answers());
        }
    }
}

} // namespace
} // namespace corvane::testing
