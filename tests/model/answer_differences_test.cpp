// The varying cells of a list of answers and the cells where an answer differs from the first.
#include "model/answer_differences.h"

#include "board_picture.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using Picture = std::vector<std::string>;

/// A mask as rows of "0"/"1" separated by blanks, as the expected pictures are written.
Picture maskPicture(const CellMask& mask) {
    Picture rows;
    for (int y = 1; y <= mask.height; ++y) {
        std::string row;
        for (int x = 1; x <= mask.width; ++x)
            row += (x > 1 ? " " : "") + std::string(mask.test(cellIndex(x, y)) ? "1" : "0");
        rows.push_back(row);
    }
    return rows;
}

TEST(AnswerDifferences, VaryingCellsDifferencesAndMergesAreTheExpectedCells) {
    const struct {
        const char* name;
        std::vector<Picture> answers;     // every solution of a puzzle, in the order they are added
        Picture varying;                  // cells not the same in every answer
        std::vector<Picture> differences; // per answer k >= 2: cells where it differs from answer 1
    } cases[] = {
        {"PairOneGoesRoundAboveOrBelow", // clues ". . . .", "1 2 2 1", ". . . ."
         {{"1 1 1 1", "1 2 2 1", ". . . ."}, {". . . .", "1 2 2 1", "1 1 1 1"}},
         {"1 1 1 1", "0 0 0 0", "1 1 1 1"},
         {{"1 1 1 1", "0 0 0 0", "1 1 1 1"}}},
        {"ThreeWaysOfTwoPairs", // clues ". . . . .", ". . . 1 .", "2 1 2 . .", ". . . . ."
         {{". . . . .", ". 1 1 1 .", "2 1 2 . .", "2 2 2 . ."},
          {"2 2 2 2 2", "2 1 1 1 2", "2 1 2 2 2", ". . . . ."},
          {". . . . .", "2 2 2 1 .", "2 1 2 1 .", ". 1 1 1 ."}},
         {"1 1 1 1 1", "1 1 1 0 1", "0 0 0 1 1", "1 1 1 1 0"},
         {{"1 1 1 1 1", "1 0 0 0 1", "0 0 0 1 1", "1 1 1 0 0"},
          {"0 0 0 0 0", "1 1 1 0 0", "0 0 0 1 0", "1 1 1 1 0"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<Answer> answers;
        for (const Picture& p : c.answers) answers.push_back(testing::answerFromPicture(p));
        VaryingCells varying;
        for (const Answer& a : answers) varying.add(a);
        EXPECT_EQ(maskPicture(varying.cells()), c.varying);
        std::size_t expectedCount = 0;
        for (const std::string& row : c.varying)
            expectedCount += std::size_t(std::count(row.begin(), row.end(), '1'));
        EXPECT_EQ(varying.count(), expectedCount);
        for (std::size_t k = 1; k < answers.size(); ++k)
            EXPECT_EQ(maskPicture(answerDifference(answers[0], answers[k])), c.differences[k - 1])
                << "answer " << k + 1;
        EXPECT_EQ(answerDifference(answers[0], answers[0]).count(), 0u);

        // Every split of the answers between two workers, each part in either role.
        for (std::size_t split = 0; split <= answers.size(); ++split) {
            VaryingCells first, second;
            for (std::size_t k = 0; k < answers.size(); ++k)
                (k < split ? first : second).add(answers[k]);
            VaryingCells forward = first, backward = second;
            forward.merge(second);
            backward.merge(first);
            for (const VaryingCells* merged : {&forward, &backward}) {
                EXPECT_EQ(merged->answerCount(), answers.size()) << split;
                EXPECT_EQ(maskPicture(merged->cells()), c.varying) << split;
            }
        }
    }
}

} // namespace
} // namespace corvane
