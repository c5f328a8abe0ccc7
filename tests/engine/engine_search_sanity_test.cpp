// Whole puzzles through a bare search over the engine: counts and answers.
#include "engine_fixture.h"
#include "mini_search.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using testing::engineFromPicture;
using testing::MiniSearch;

TEST(EngineSearch, ChainPastThePartnerHeadCountsOnce) {
    // The board 4 x 5 with 2 at (2,2), (2,3) and 1 at (2,4), (4,4), mirrored left to right
    // as the search direction "from the top right, leftwards" sees it.
    auto engine = engineFromPicture({". . . .", ". . 2 .", ". . 2 .", "1 . 1 .", ". . . ."});
    MiniSearch search{*engine};
    ASSERT_TRUE(search.prepare());
    search.run();
    EXPECT_EQ(search.solutions.size(), 1u);
    EXPECT_EQ(search.steps, 8);
}

TEST(EngineSearch, ForcedPuzzleIsSolvedByPreparation) {
    auto engine = engineFromPicture({"1 . 1", "2 . 2"});
    MiniSearch search{*engine};
    ASSERT_TRUE(search.prepare());
    EXPECT_EQ(search.solutions.size(), 1u);
    search.run();
    EXPECT_EQ(search.solutions.size(), 1u);
    EXPECT_EQ(search.steps, 0);
}

TEST(EngineSearch, SmallPuzzlesFindTheirAnswer) {
    struct Case {
        std::vector<std::string> rows;
        std::vector<int> answer;
    };
    const Case cases[] = {
        {{"1 2 .", ". . .", "1 2 ."}, {1, 2, 0, 1, 2, 0, 1, 2, 0}},
        {{"1 . .", ". . .", ". . 1"}, {1, 0, 0, 1, 0, 0, 1, 1, 1}},
        {{"1 . . 2", ". . . .", ". . . .", "2 . . 1"}, {}},
    };
    for (const Case& k : cases) {
        auto engine = engineFromPicture(k.rows);
        MiniSearch search{*engine};
        if (!search.prepare()) {
            EXPECT_TRUE(k.answer.empty()) << k.rows[0];
            continue;
        }
        search.run();
        if (k.answer.empty()) {
            EXPECT_TRUE(search.solutions.empty()) << k.rows[0];
            continue;
        }
        ASSERT_EQ(search.solutions.size(), 1u) << k.rows[0];
        EXPECT_EQ(search.solutions[0], k.answer) << k.rows[0];
    }
}

} // namespace
} // namespace corvane
